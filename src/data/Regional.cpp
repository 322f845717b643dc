#include "data/Regional.h"

#include <QRegularExpression>

namespace Regional {

QString formataData(const QDate &data)
{
    // Built by hand: the grid formats every date of an account on each load.
    if (!data.isValid() || data.year() < 1000 || data.year() > 9999)
        return data.isValid() ? data.toString(QStringLiteral("dd-MM-yyyy")) : QString();
    const int d = data.day(), m = data.month(), a = data.year();
    const QChar texto[10] = {QChar(u'0' + d / 10), QChar(u'0' + d % 10), QChar(u'-'),
                             QChar(u'0' + m / 10), QChar(u'0' + m % 10), QChar(u'-'),
                             QChar(u'0' + a / 1000), QChar(u'0' + a / 100 % 10),
                             QChar(u'0' + a / 10 % 10), QChar(u'0' + a % 10)};
    return QString(texto, 10);
}

std::optional<QDate> interpretaData(const QString &texto)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression dma(
        QStringLiteral("^(\\d{1,2})[-/.](\\d{1,2})[-/.](\\d{2}|\\d{4})$"));
    const QString t = texto.trimmed();
    int dia = 0, mes = 0, ano = 0;
    if (const auto m = iso.match(t); m.hasMatch()) {
        ano = m.captured(1).toInt();
        mes = m.captured(2).toInt();
        dia = m.captured(3).toInt();
    } else if (const auto m2 = dma.match(t); m2.hasMatch()) {
        dia = m2.captured(1).toInt();
        mes = m2.captured(2).toInt();
        ano = m2.captured(3).toInt();
        if (m2.captured(3).size() == 2)
            ano += ano < 30 ? 2000 : 1900;
    } else {
        return std::nullopt;
    }
    const QDate data(ano, mes, dia);
    if (!data.isValid() || ano < AnoMinimo || ano > AnoMaximo)
        return std::nullopt;
    return data;
}

QString paraIso(const QDate &data)
{
    return data.isValid() ? data.toString(Qt::ISODate) : QString();
}

QDate deIso(const QString &iso)
{
    // "yyyy-MM-dd" read by hand (every movement's date passes here on each load).
    if (iso.size() != 10 || iso[4] != u'-' || iso[7] != u'-')
        return QDate::fromString(iso, Qt::ISODate);
    auto numero = [&](int de, int ate) {
        int n = 0;
        for (int i = de; i < ate; ++i) {
            const char16_t c = iso[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            n = n * 10 + (c - u'0');
        }
        return n;
    };
    const int a = numero(0, 4), m = numero(5, 7), d = numero(8, 10);
    return a < 0 || m < 0 || d < 0 ? QDate() : QDate(a, m, d);
}

bool ehNumerico(const QString &texto)
{
    static const QRegularExpression numero(
        QStringLiteral("^\\s*[-+]?(\\d[\\d.]*(,\\d*)?|,\\d+)\\s*(\\x{20AC})?\\s*$"));
    return numero.match(texto).hasMatch();
}

} // namespace Regional
