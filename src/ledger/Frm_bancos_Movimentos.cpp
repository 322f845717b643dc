// Creating and writing back movements from the main window.
#include "app/Frm_bancos.h"

void Frm_bancos::GravaLinhasAlteradas()
{
    // Rows edited in the grid are written back once the movement editor exists.
}

void Frm_bancos::Cmd_CriaNovaEntrada_Click()
{
    // Opens the movement editor for a new credit once the editor exists.
}

void Frm_bancos::LigaMovimentos()
{
    // The creation buttons, the "Movimentos" menu and the grid's events are wired here.
}
