// The shared main of the widget-free test folders: a QCoreApplication, no windows.
#include "support/RegistoTestes.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("QuorvelTestes"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    return corre(argc, argv);
}
