#include "platform/Imagens.h"
#include "platform/Ficheiros.h"

namespace Imagens {

QPixmap carrega(const QString &pasta, const QString &nome)
{
    const QString caminho = Ficheiros::encontra(pasta, nome);
    return caminho.isEmpty() ? QPixmap() : QPixmap(caminho);
}

QIcon icone(const QString &pasta, const QString &nome)
{
    const QPixmap p = carrega(pasta, nome);
    return p.isNull() ? QIcon() : QIcon(p);
}

} // namespace Imagens
