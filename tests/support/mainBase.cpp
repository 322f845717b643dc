// The shared main of the widget-free test folders: a QCoreApplication, no windows.
#include "support/RegistoTestes.h"
#include "data/Relogio.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("QuorvelTestes"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    // One "today" for the whole run: a run that crosses midnight checks against the same day.
    Relogio::congela(QDate::currentDate());
    return corre(argc, argv);
}
