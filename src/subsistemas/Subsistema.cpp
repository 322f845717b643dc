#include "subsistemas/Subsistema.h"

#include <QLineEdit>

int ContextoJanela::numBancoActual() const
{
    bool ok = false;
    const int n = numBanco ? numBanco->text().trimmed().toInt(&ok) : 0;
    return ok ? n : 0;
}
