#include "data/Relogio.h"

namespace Relogio {

namespace {
QDate congelada;
}

QDate hoje()
{
    return congelada.isValid() ? congelada : QDate::currentDate();
}

void congela(const QDate &data)
{
    congelada = data;
}

} // namespace Relogio
