#include "backup/Relogio.h"

namespace {
QDate congelado;
}

namespace Relogio {

QDate hoje() { return congelado.isValid() ? congelado : QDate::currentDate(); }

void congela(const QDate &dia) { congelado = dia; }

} // namespace Relogio
