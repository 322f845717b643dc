#include "data/TabelaMovimentos.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"

namespace TabelaMovimentos {

std::vector<Movimento> daConta(BaseDados &bd, int numBanco)
{
    Comando c = bd.prepara(QStringLiteral(
        "SELECT NumAutomatico, Data, Numero, Descricao, S, Debito, Credito, Saldo, NumBanco, "
        "Alterou FROM TabBancos1Det WHERE NumBanco = ? ORDER BY Data ASC, NumAutomatico ASC"));
    c.liga(1, numBanco);
    std::vector<Movimento> movimentos;
    while (c.avanca()) {
        Movimento m;
        m.numAutomatico = c.inteiro(0);
        if (!c.nulo(1))
            m.data = Regional::deIso(c.texto(1));
        m.numero = c.texto(2);
        m.descricao = c.texto(3);
        m.situacao = c.texto(4);
        m.debito = Dinheiro::deCentimos(c.inteiro(5)); // a NULL amount reads as 0
        m.credito = Dinheiro::deCentimos(c.inteiro(6));
        m.saldo = Dinheiro::deCentimos(c.inteiro(7));
        m.numBanco = int(c.inteiro(8));
        m.alterou = c.inteiro(9) != 0;
        movimentos.push_back(std::move(m));
    }
    return movimentos;
}

} // namespace TabelaMovimentos
