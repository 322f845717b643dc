#include "extras/DefinicaoDicas.h"

#include <QSettings>

namespace DefinicaoDicas {

namespace {
const QString Chave = QStringLiteral("Options/Show Tips at Startup");
}

bool mostraDicas()
{
    return QSettings().value(Chave, QStringLiteral("1")).toString().trimmed() != QLatin1String("0");
}

void defineMostraDicas(bool mostrar)
{
    QSettings definicoes;
    definicoes.setValue(Chave, mostrar ? QStringLiteral("1") : QStringLiteral("0"));
    definicoes.sync();
}

} // namespace DefinicaoDicas
