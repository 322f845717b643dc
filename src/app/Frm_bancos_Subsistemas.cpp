// The subsystems of the main window, built from its context and registered in the order their
// hooks run: the ledger first, the backup reminder before the tip of the day.
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "platform/EtiquetaClicavel.h"
#include "reports/Listagens.h"

ContextoJanela Frm_bancos::Contexto()
{
    ContextoJanela c;
    c.janela = this;
    c.area = centralWidget();
    c.grelha = MSHFlexGrid1;
    c.frame2 = Frame2;
    c.numBanco = Txt_NumBanco;
    c.ligacao = []() -> BaseDados & { return Ligacao(); };
    c.gravaTodasLinhas = [this] { GravaTodasLinhas(); };
    c.terminaPrograma = [this] { close(); };
    c.verificaContaSeleccionada = [this] { return VerificaContaSeleccionada(); };
    c.nomeDoBanco = [this] { return Lbl_NomeDoBanco->text(); };
    return c;
}

void Frm_bancos::RegistaSubsistemas()
{
    // One line per subsystem, in hook order:
    //   ledger, administration, listings, backups, extras (tip of the day), import.
    Regista(new Listagens(Contexto(), Mnu_Listagem1, Mnu_Listagem2, Mnu_Listagem3, this));
}
