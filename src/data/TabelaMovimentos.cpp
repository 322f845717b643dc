#include "data/TabelaMovimentos.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"

#include <QVariant>

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

void actualiza(BaseDados &bd, const std::vector<AlteracaoMovimento> &linhas)
{
    if (linhas.empty())
        return;
    std::optional<Transaccao> transaccao; // a caller's own transaction already covers the pass
    if (!bd.emTransaccao())
        transaccao.emplace(bd);
    // COALESCE keeps the stored value where the pass has none to give.
    Comando c = bd.prepara(QStringLiteral(
        "UPDATE TabBancos1Det SET Numero = ?, Data = COALESCE(?, Data), Descricao = ?, S = ?, "
        "Debito = ?, Credito = ?, Saldo = COALESCE(?, Saldo), NumBanco = ?, Alterou = 0 "
        "WHERE NumAutomatico = ?"));
    for (const AlteracaoMovimento &l : linhas) {
        c.liga(1, l.numero);
        c.liga(2, l.data ? QVariant(Regional::paraIso(*l.data)) : QVariant());
        c.liga(3, l.descricao);
        c.liga(4, l.situacao);
        c.liga(5, l.debito.centimos());
        c.liga(6, l.credito.centimos());
        c.liga(7, l.saldo ? QVariant(l.saldo->centimos()) : QVariant());
        c.liga(8, l.numBanco);
        c.liga(9, l.numAutomatico);
        while (c.avanca()) {
        }
        c.reinicia();
    }
}

qint64 insere(BaseDados &bd, const Movimento &m)
{
    return bd.insere(QStringLiteral("INSERT INTO TabBancos1Det (Numero, Data, Descricao, S, "
                                    "Debito, Credito, NumBanco) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                     {m.numero, m.data.isValid() ? QVariant(Regional::paraIso(m.data)) : QVariant(),
                      m.descricao, m.situacao, m.debito.centimos(), m.credito.centimos(),
                      m.numBanco});
}

} // namespace TabelaMovimentos
