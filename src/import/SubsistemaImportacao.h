#pragma once
// The import subsystem: it has no menu entry. A double click on the title of the category
// table window (administration's Frm_Tabelas; the main window connects its signal here) asks
// whether to import the side database into accounts 5 and 6, imports, and ends the program.
#include "subsistemas/Subsistema.h"

class SubsistemaImportacao : public Subsistema
{
    Q_OBJECT
public:
    SubsistemaImportacao(const ContextoJanela &contexto, QObject *pai = nullptr);

    // The whole import, started from the title of the category window. After a successful
    // import the run ends: the connection is closed cleanly and the event loops are left with
    // status 0, without the closing steps (nothing of the grid is written over the imported
    // rows). Any failure is told and changes nothing; the program carries on.
    void Lbl_TituloModulo_DblClick();
};
