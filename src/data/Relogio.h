#pragma once
// Today's date, read in one place. Tests freeze it at their start, so a run that crosses
// midnight compares against the same day the program used.
#include <QDate>

namespace Relogio {

QDate hoje();                    // the frozen date when there is one, else the system's
void congela(const QDate &data); // an invalid date unfreezes

} // namespace Relogio
