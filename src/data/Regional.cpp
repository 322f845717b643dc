#include "data/Regional.h"

#include <QRegularExpression>

namespace Regional {

QString formataData(const QDate &data)
{
    return data.isValid() ? data.toString(QStringLiteral("dd-MM-yyyy")) : QString();
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
    if (!data.isValid() || ano < 100)
        return std::nullopt;
    return data;
}

QString paraIso(const QDate &data)
{
    return data.isValid() ? data.toString(Qt::ISODate) : QString();
}

QDate deIso(const QString &iso) { return QDate::fromString(iso, Qt::ISODate); }

bool ehNumerico(const QString &texto)
{
    static const QRegularExpression numero(
        QStringLiteral("^\\s*[-+]?(\\d[\\d.]*(,\\d*)?|,\\d+)\\s*(\\x{20AC})?\\s*$"));
    return numero.match(texto).hasMatch();
}

} // namespace Regional
