// A movement and its extras as one write. TabelaMovimentos::actualiza and TabelaDetOutros::grava
// each open a transaction only when none is open, so the one opened here covers both steps:
// SQLite has no nested BEGIN, and two separate commits could leave a movement without the
// category the user gave it, or a deleted movement's extras behind.
#include "data/BaseDados.h"
#include "data/TabelaDetOutros.h"
#include "data/TabelaMovimentos.h"

namespace TabelaMovimentos {

qint64 criaComExtras(BaseDados &bd, const Movimento &m,
                     const std::optional<ExtrasMovimento> &extras)
{
    Transaccao t(bd);
    const qint64 chave = insere(bd, m);
    if (extras)
        TabelaDetOutros::grava(bd, chave, m.numBanco, *extras);
    return chave;
}

void alteraComExtras(BaseDados &bd, const std::vector<AlteracaoMovimento> &linhas,
                     qint64 numAuto, int numBanco, const std::optional<ExtrasMovimento> &extras)
{
    Transaccao t(bd);
    actualiza(bd, linhas);
    if (extras)
        TabelaDetOutros::grava(bd, numAuto, numBanco, *extras);
}

void apagaComExtras(BaseDados &bd, const std::vector<AlteracaoMovimento> &linhas,
                    qint64 numAuto, int numBanco)
{
    Transaccao t(bd);
    actualiza(bd, linhas);
    TabelaDetOutros::apaga(bd, numAuto, numBanco);
}

} // namespace TabelaMovimentos
