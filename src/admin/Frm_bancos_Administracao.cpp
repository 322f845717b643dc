// Account administration reached from the main window.
#include "app/Frm_bancos.h"

void Frm_bancos::MostraDadosConta()
{
    // Opens the settings frame of the chosen account once it exists.
}
