#include "extras/VistaWeb.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

VistaWeb *CriaVistaWeb(QWidget *pai, QString *erro)
{
    static CriaVistaWebFn *cria = nullptr;
    if (!cria) {
        const QString exe = QCoreApplication::applicationDirPath();
        QStringList pastas;
        if (const QString p = qEnvironmentVariable("QUORVEL_MODULOS"); !p.isEmpty())
            pastas << p;
        pastas << exe << QDir(exe).filePath(QStringLiteral("../lib/quorvel"));
        QStringList falhas;
        for (const QString &pasta : pastas) {
            QLibrary modulo(QDir(pasta).filePath(QStringLiteral("quorvel_web")));
            cria = reinterpret_cast<CriaVistaWebFn *>(modulo.resolve("quorvel_criaVistaWeb"));
            if (cria)
                break; // the module stays loaded for the rest of the run
            falhas << modulo.errorString();
        }
        if (!cria) {
            if (erro)
                *erro = falhas.join(QLatin1Char('\n'));
            return nullptr;
        }
    }
    return cria(pai);
}
