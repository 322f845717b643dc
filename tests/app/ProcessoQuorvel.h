#pragma once
// Running the built executables as a user or a script would: a clean environment (offscreen, a
// temporary HOME, no QUORVEL_PASTA), the exit code and both outputs.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct Execucao {
    bool terminou = false;
    int codigo = -1;
    QString saida, erros;
};

inline QProcessEnvironment ambienteLimpo(const QString &home)
{
    QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
    for (const char *v : {"QUORVEL_PASTA", "QUORVEL_SAIR_APOS_ARRANQUE", "XDG_DATA_HOME",
                          "XDG_CONFIG_HOME", "XDG_DATA_DIRS"})
        amb.remove(QString::fromLatin1(v));
    amb.insert(QStringLiteral("HOME"), home);
    // Qt wants a private runtime folder and warns on standard error without one.
    const QString execucao = home + QStringLiteral("/.run");
    QDir().mkpath(execucao);
    QFile::setPermissions(execucao, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    amb.insert(QStringLiteral("XDG_RUNTIME_DIR"), execucao);
    amb.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    amb.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.*=false"));
    return amb;
}

inline Execucao executa(const QString &programa, const QStringList &argumentos,
                        const QProcessEnvironment &ambiente, int limiteMs = 60000)
{
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.start(programa, argumentos);
    Execucao r;
    if (!p.waitForStarted(limiteMs))
        return r;
    r.terminou = p.waitForFinished(limiteMs);
    if (!r.terminou) {
        p.kill();
        p.waitForFinished();
    }
    r.codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.saida = QString::fromUtf8(p.readAllStandardOutput());
    r.erros = QString::fromUtf8(p.readAllStandardError());
    return r;
}
