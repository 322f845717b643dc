#pragma once
// Portugal's regional texts for dates and numbers: the short date is dd-mm-yyyy, stored dates
// are ISO "yyyy-MM-dd".
#include <QDate>
#include <QString>
#include <optional>

namespace Regional {

QString formataData(const QDate &data); // "05-01-2004"; an invalid date gives ""

// Reads a date as a Portuguese user types it: day, month and year separated by "-", "/" or ".",
// two-digit years 00-29 as 20xx and 30-99 as 19xx; ISO "2004-01-05" too. Invalid: nullopt.
std::optional<QDate> interpretaData(const QString &texto);

QString paraIso(const QDate &data);   // "2004-01-05"; invalid gives a null QString (stored NULL)
QDate deIso(const QString &iso);      // invalid when empty or malformed

// A text that reads as a number under Portugal's rules ("1.234,5", "-3", " 7 €").
bool ehNumerico(const QString &texto);

} // namespace Regional
