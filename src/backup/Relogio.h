#pragma once
// Today's date for the backups, in one place so that a test can hold the calendar still (the
// proposed file name and the day count both depend on it).
#include <QDate>

namespace Relogio {

QDate hoje(); // the system's date, unless a test froze another

// Freezes today's date at `dia`; an invalid date lets the system's calendar run again.
void congela(const QDate &dia);

} // namespace Relogio
