#include "import/LinhasQif.h"
#include "import/ErroImportacao.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace LinhasQif {

namespace {

// Windows-1252 where it differs from Latin-1 (0x80 to 0x9F); the five unassigned codes keep
// their Latin-1 control characters.
constexpr char16_t Windows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString deWindows1252(const QByteArray &bytes)
{
    QString t(bytes.size(), Qt::Uninitialized);
    QChar *d = t.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *d++ = QChar(b >= 0x80 && b < 0xA0 ? Windows1252[b - 0x80] : char16_t(b));
    }
    return t;
}

QString decodifica(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString t = utf8(bytes);
    return utf8.hasError() ? deWindows1252(bytes) : t;
}

} // namespace

QStringList linhasDe(const QByteArray &bytes)
{
    const QString texto = decodifica(bytes);
    QStringList linhas;
    qsizetype inicio = 0;
    while (inicio < texto.size()) {
        qsizetype fim = texto.indexOf(QLatin1Char('\n'), inicio);
        const qsizetype seguinte = fim < 0 ? texto.size() : fim + 1;
        if (fim < 0)
            fim = texto.size();
        qsizetype corte = fim;
        if (corte > inicio && texto[corte - 1] == QLatin1Char('\r'))
            --corte;
        linhas.append(texto.mid(inicio, corte - inicio));
        inicio = seguinte;
    }
    return linhas;
}

QStringList leFicheiro(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        throw ErroImportacao(QStringLiteral("Não foi possível ler o ficheiro %1: %2")
                                 .arg(QDir::toNativeSeparators(caminho), f.errorString()));
    return linhasDe(f.readAll());
}

} // namespace LinhasQif
