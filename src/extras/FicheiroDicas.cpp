#include "extras/FicheiroDicas.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace FicheiroDicas {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned
// codes stay as their C1 control characters, as Windows itself maps them.
constexpr char16_t Cp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString deWindows1252(const QByteArray &bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        s.append(b >= 0x80 && b <= 0x9F ? QChar(Cp1252Alto[b - 0x80]) : QChar(b));
    }
    return s;
}

} // namespace

QString descodifica(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    if (utf8.hasError())
        return deWindows1252(bytes);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    return texto;
}

QStringList linhas(const QString &texto)
{
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (t.isEmpty())
        return {};
    if (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    return t.split(QLatin1Char('\n'));
}

std::optional<QStringList> le(const QString &caminho)
{
    if (caminho.isEmpty() || !QFileInfo(caminho).isFile())
        return std::nullopt;
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return linhas(descodifica(f.readAll()));
}

} // namespace FicheiroDicas
