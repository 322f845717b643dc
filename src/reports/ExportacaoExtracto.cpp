#include "reports/ExportacaoExtracto.h"
#include "reports/EscritasFolha.h"
#include "reports/ModeloRelatorio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace ExportacaoExtracto {

std::optional<FormatoFolha> formatoDoNome(const QString &caminho)
{
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    if (sufixo == QLatin1String("xlsx"))
        return FormatoFolha::Xlsx;
    if (sufixo == QLatin1String("ods"))
        return FormatoFolha::Ods;
    if (sufixo == QLatin1String("csv"))
        return FormatoFolha::Csv;
    return std::nullopt;
}

QString extensao(FormatoFolha formato)
{
    switch (formato) {
    case FormatoFolha::Xlsx: return QStringLiteral(".xlsx");
    case FormatoFolha::Ods: return QStringLiteral(".ods");
    case FormatoFolha::Csv: return QStringLiteral(".csv");
    }
    return {};
}

void escreve(const QuadroListagem &quadro, const QString &caminho, FormatoFolha formato)
{
    const QFileInfo destino(caminho);
    auto falha = [&](const QString &porque) {
        throw ErroRelatorio(QStringLiteral("O ficheiro \"%1\" não pode ser escrito:\r%2")
                                .arg(QDir::toNativeSeparators(destino.absoluteFilePath()),
                                     porque));
    };
    if (destino.isDir())
        falha(QStringLiteral("é uma pasta."));

    // A hidden name of our own beside the target, so the rename stays on one file system.
    QTemporaryFile temporario(destino.absoluteDir().filePath(
        QStringLiteral(".") + destino.fileName() + QStringLiteral(".XXXXXX")));
    if (!temporario.open())
        falha(temporario.errorString());
    const QString provisorio = temporario.fileName();
    try {
        switch (formato) {
        case FormatoFolha::Csv:
        case FormatoFolha::Ods: {
            const QByteArray bytes = formato == FormatoFolha::Csv ? EscritasFolha::csv(quadro)
                                                                  : EscritasFolha::ods(quadro);
            if (temporario.write(bytes) != bytes.size() || !temporario.flush())
                falha(temporario.errorString());
            break;
        }
        case FormatoFolha::Xlsx:
            temporario.close(); // the library writes the file by its name
            EscritasFolha::xlsx(quadro, provisorio);
            break;
        }
    } catch (const ErroRelatorio &e) {
        falha(e.mensagem());
    }
    temporario.close();
    // rename() replaces an existing file in one step; QFile::rename would refuse it.
    if (std::rename(QFile::encodeName(provisorio).constData(),
                    QFile::encodeName(destino.absoluteFilePath()).constData())
        != 0)
        falha(QString::fromLocal8Bit(std::strerror(errno)));
    temporario.setAutoRemove(false); // it is the target now
    // QTemporaryFile makes its file readable by the user alone; a saved file follows the
    // user's umask like any other.
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    ::chmod(QFile::encodeName(destino.absoluteFilePath()).constData(), 0666 & ~mascara);
}

} // namespace ExportacaoExtracto
