#pragma once
// What the movement grid writes back to TabBancos1Det: its movement rows with the values the
// user sees. A row as loaded is taken from its raw values (nothing formatted and read back); a
// row the program wrote into is read from its texts, as it shows them.
#include <QStringList>
#include <vector>

#include "data/TabelaMovimentos.h"

class FlexGrid;

namespace GravacaoGrelha {

// Every movement row with its running balance (`todas`), or only the rows whose Alterou cell
// reads "True". A row whose key cell is not a number is not a movement's and is skipped; an
// account cell that is not a number counts as `numBancoActual`. A date cell that is neither
// empty nor a date is added to `datasInvalidas` and that row keeps its stored date.
std::vector<TabelaMovimentos::AlteracaoMovimento> linhas(const FlexGrid &g, bool todas,
                                                        int numBancoActual,
                                                        QStringList &datasInvalidas);

} // namespace GravacaoGrelha
