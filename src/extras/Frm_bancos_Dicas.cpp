// The tip of the day, shown at the first activation of a run.
#include "app/Frm_bancos.h"

bool Frm_bancos::MostraDicaDoDia()
{
    return false; // no tip window yet: the menu check mark stays clear
}
