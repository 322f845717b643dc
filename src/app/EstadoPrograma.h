#pragma once
// Program-wide state shared between the windows.
#include <QString>

struct EstadoPrograma {
    bool DicasMostradas = false;



    // What the browser window shows when it opens: a help page, or a bank's site (wins).
    bool PaginaFAQ = false, PaginaNovidades = false;
    QString EnderecoBanco;
};

EstadoPrograma &Estado();
void reiniciaEstado(); // a fresh run's state (tests start each case with it)
