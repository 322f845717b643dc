#include "platform/Ficheiros.h"

#include <QDir>
#include <QFileInfo>

namespace Ficheiros {

QString encontra(const QString &pasta, const QString &nome)
{
    const QString exacto = QDir(pasta).filePath(nome);
    if (QFileInfo(exacto).isFile())
        return exacto;
    const QDir dir(pasta);
    for (const QString &candidato : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (candidato.compare(nome, Qt::CaseInsensitive) == 0)
            return dir.filePath(candidato);
    }
    return QString();
}

} // namespace Ficheiros

QString AddSlash(const QString &caminho)
{
    return caminho.endsWith(QLatin1Char('/')) ? caminho : caminho + QLatin1Char('/');
}
