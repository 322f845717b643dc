#include "support/RegistoTestes.h"
#include "data/Relogio.h"
#include "app/ModuloArranque.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    // Per-user settings of this test process only: the user's own are never touched, and
    // tests running side by side do not share them. The tip of the day starts switched off
    // (it would open at every window's first activation); its own tests switch it on.
    QTemporaryDir definicoes;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(definicoes.path()));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); // the browser module's engine
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorvelTestes"));
    QSettings().setValue(QStringLiteral("Options/Show Tips at Startup"), QStringLiteral("0"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    // One "today" for the whole run: a run that crosses midnight checks against the same day.
    Relogio::congela(QDate::currentDate());
    AplicaAspecto();
    CarregaTraducoes();
    return corre(argc, argv);
}
