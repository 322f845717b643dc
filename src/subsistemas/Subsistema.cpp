#include "subsistemas/Subsistema.h"
#include "conta/ContaAberta.h"

#include <QLineEdit>

int ContextoJanela::numBancoActual() const
{
    if (conta)
        return conta->numBanco();
    bool ok = false;
    const int n = numBanco ? numBanco->text().trimmed().toInt(&ok) : 0;
    return ok ? n : 0;
}
