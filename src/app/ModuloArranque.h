#pragma once
// Start-up module: the application folder, the one database connection, window centring.
#include <QString>

class BaseDados;
class QWidget;

// The folder of the executable, or the one given by --pasta DIR / QUORVEL_PASTA.
QString PastaAplicacao();
void definePastaAplicacao(const QString &pasta);

// Opens Ligacao on quorvel.mdb when tipo is "Access"; any other kind does nothing. A file that
// cannot be opened (damaged, wrong key) throws ErroBaseDados and leaves the file untouched.
void AbreLigacao(const QString &tipo);
bool LigacaoAberta();
BaseDados &Ligacao(); // the open connection; throws ErroBaseDados when there is none
void FechaLigacao();  // the program never does; tests do between cases

void CentraJanela(QWidget *janela);

// Qt's own dialogs in Portuguese ("Sim", "Não", the file and print dialogs). Debian ships the
// Qt 6 catalogue in Brazilian Portuguese only; the European catalogue (an older one) is asked
// first and the Brazilian one answers what it lacks.
void CarregaTraducoes();

// Large blocks (an account's arrays and texts) are mapped apart and go back to the system once
// freed, whatever was freed before: opening one large account after another never holds the
// memory of both. Called first thing, before anything large is allocated.
void AjustaMemoria();

// The look every window is designed for: positions in twips were laid out for an 8-point font.
void AplicaAspecto();
