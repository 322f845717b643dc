#include "support/RegistoTestes.h"
#include "data/Relogio.h"
#include "app/ModuloArranque.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorvelTestes"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    // One "today" for the whole run: a run that crosses midnight checks against the same day.
    Relogio::congela(QDate::currentDate());
    AplicaAspecto();
    CarregaTraducoes();
    return corre(argc, argv);
}
