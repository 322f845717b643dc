#include "backup/CopiaTemporaria.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString Marca = QStringLiteral(".quorvel-tmp-");

// The host as a file name allows it: letters, digits and "_" only, at most 32 characters.
QString anfitriao()
{
    QString nome = QSysInfo::machineHostName().left(32);
    for (QChar &c : nome)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    return nome.isEmpty() ? QStringLiteral("local") : nome;
}

} // namespace

namespace CopiaTemporaria {

QString modelo(const QString &alvo)
{
    const QFileInfo f(alvo);
    return QDir(f.absolutePath())
        .filePath(QLatin1Char('.') + f.fileName() + Marca
                  + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-')
                  + anfitriao() + QStringLiteral(".XXXXXX"));
}

bool escritorVivo(qint64 pid)
{
#ifdef Q_OS_UNIX
    if (pid <= 0 || pid > 0x7fffffff)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid)
    return true; // without a way to ask, nothing is judged abandoned
#endif
}

int limpaAbandonadas(const QString &pasta)
{
    static const QRegularExpression nome(
        QStringLiteral("^\\..+\\.quorvel-tmp-(\\d{1,10})-([A-Za-z0-9_]{1,32})\\.[A-Za-z0-9]{6}$"));
    const QString esteAnfitriao = anfitriao();
    int removidos = 0;
    const QFileInfoList entradas =
        QDir(pasta).entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo &f : entradas) {
        const auto m = nome.match(f.fileName());
        if (!m.hasMatch() || m.captured(2) != esteAnfitriao)
            continue;
        if (escritorVivo(m.captured(1).toLongLong()))
            continue;
        // A copy that never finished: its journal, if the engine left one, goes with it.
        removidos += QFile::remove(f.filePath());
        QFile::remove(f.filePath() + QStringLiteral("-journal"));
    }
    return removidos;
}

bool sincroniza(const QString &caminho, bool pasta)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(caminho).constData(),
                          pasta ? O_RDONLY | O_DIRECTORY : O_RDWR);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    Q_UNUSED(caminho) Q_UNUSED(pasta)
    return true;
#endif
}

} // namespace CopiaTemporaria
