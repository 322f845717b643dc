// Account administration reached from the main window.
#include "app/Frm_bancos.h"

void Frm_bancos::MostraDadosConta()
{
    // Opens the settings frame of the chosen account once it exists.
}

void Frm_bancos::LigaAdministracao()
{
    // "Nova Conta", the account settings, the general password and the category table.
}
