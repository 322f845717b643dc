#include "app/PastaDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "platform/Ficheiros.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

PastaEscolhida EscolhePasta(const QString &opcao, const QString &ambiente,
                            const QString &pastaExecutavel, const QString &pastaUtilizador)
{
    if (!opcao.isEmpty())
        return {QDir(opcao).absolutePath(), OrigemPasta::Opcao};
    if (!ambiente.isEmpty())
        return {QDir(ambiente).absolutePath(), OrigemPasta::Ambiente};
    if (Ficheiros::existe(pastaExecutavel, Esquema::NomeFicheiro))
        return {QDir(pastaExecutavel).absolutePath(), OrigemPasta::Executavel};
    return {QDir(pastaUtilizador).absolutePath(), OrigemPasta::Utilizador};
}

QString PastaDadosUtilizador()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString PastaPartilhada(const QString &pastaExecutavel)
{
    return QDir::cleanPath(pastaExecutavel + QStringLiteral("/../share/quorvel"));
}

namespace {

// Copies what the destination lacks, folder by folder; returns the first failure or "".
QString copiaEmFalta(const QString &origem, const QString &destino)
{
    const QDir dirOrigem(origem);
    const QDir dirDestino(destino);
    const auto entradas =
        dirOrigem.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entrada : entradas) {
        const QString alvo = dirDestino.filePath(entrada.fileName());
        if (entrada.isDir()) {
            if (!dirDestino.mkpath(entrada.fileName()))
                return QStringLiteral("não foi possível criar a pasta ") + alvo;
            if (QString erro = copiaEmFalta(entrada.filePath(), alvo); !erro.isEmpty())
                return erro;
            continue;
        }
        if (Ficheiros::existe(destino, entrada.fileName()))
            continue;
        // QFile::copy writes a temporary file and renames it: never half a picture.
        if (!QFile::copy(entrada.filePath(), alvo))
            return QStringLiteral("não foi possível copiar ") + entrada.filePath();
        // Installed files are read-only for the user; the copies are the user's own.
        QFile::setPermissions(alvo, QFile::permissions(alvo) | QFile::WriteOwner);
    }
    return QString();
}

} // namespace

QString PreparaPastaUtilizador(const QString &pasta, const QString &partilhada)
{
    if (!QDir().mkpath(pasta))
        return QStringLiteral("não foi possível criar a pasta ") + pasta;
    if (QFileInfo(partilhada).isDir()) {
        if (QString erro = copiaEmFalta(partilhada, pasta); !erro.isEmpty())
            return erro;
    }
    if (Ficheiros::existe(pasta, Esquema::NomeFicheiro))
        return QString();
    try {
        NovaBaseDados::cria(QDir(pasta).filePath(Esquema::NomeFicheiro), false);
    } catch (const ErroBaseDados &erro) {
        return QStringLiteral("não foi possível criar a base de dados: ") + erro.mensagem();
    }
    return QString();
}
