#pragma once
// Portugal's regional texts for dates and numbers: the short date is dd-mm-yyyy, stored dates
// are ISO "yyyy-MM-dd".
#include <QDate>
#include <QString>
#include <optional>

namespace Regional {

QString formataData(const QDate &data); // "05-01-2004"; an invalid date gives ""

// Years a typed date may have. A bank movement before 1900 is a typing slip ("05-01-1004"),
// and the date pickers cannot show years before 1753.
inline constexpr int AnoMinimo = 1900;
inline constexpr int AnoMaximo = 9999;

// Reads a date as a Portuguese user types it: day, month and year separated by "-", "/" or ".",
// two-digit years 00-29 as 20xx and 30-99 as 19xx, four-digit years as typed from AnoMinimo to
// AnoMaximo; ISO "2004-01-05" too. Anything else (three- or five-digit years, a day the month
// lacks): nullopt.
std::optional<QDate> interpretaData(const QString &texto);

QString paraIso(const QDate &data);   // "2004-01-05"; invalid gives a null QString (stored NULL)
QDate deIso(const QString &iso);      // invalid when empty or malformed

// A text that reads as a number under Portugal's rules ("1.234,5", "-3", " 7 €").
bool ehNumerico(const QString &texto);

} // namespace Regional
