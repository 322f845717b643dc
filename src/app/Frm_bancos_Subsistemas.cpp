// The subsystems of the main window, built from its context and registered in the order their
// hooks run: the ledger first, the backup reminder before the tip of the day.
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "extras/Apresentacao.h"

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
    return c;
}

void Frm_bancos::RegistaSubsistemas()
{
    // One line per subsystem, in hook order:
    //   ledger, administration, listings, backups, extras (tip of the day), import.
    Regista(new Apresentacao(Contexto(), {Mnu_FAQ, Mnu_UltimasAltercoes, Mnu_Manual,
                                          Mnu_DicasEntrada, Label3, GifView, Image1}, this));
}
