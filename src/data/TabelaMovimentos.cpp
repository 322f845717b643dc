#include "data/TabelaMovimentos.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"

#include <QVariant>

namespace TabelaMovimentos {

int conta(BaseDados &bd, int numBanco)
{
    Registos r = bd.consulta(
        QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det WHERE NumBanco = ?"), {numBanco});
    return int(r.inteiro(QStringLiteral("n")));
}

Comando consultaConta(BaseDados &bd, int numBanco)
{
    Comando c = bd.prepara(QStringLiteral(
        "SELECT NumAutomatico, Data, Numero, Descricao, S, Debito, Credito, Saldo, NumBanco, "
        "Alterou FROM TabBancos1Det WHERE NumBanco = ? ORDER BY Data ASC, NumAutomatico ASC"));
    c.liga(1, numBanco);
    return c;
}

void percorre(BaseDados &bd, int numBanco, const std::function<void(const Movimento &)> &recebe)
{
    Comando c = consultaConta(bd, numBanco);
    Movimento m;
    QString situacaoAnterior;
    while (c.avanca()) {
        m.numAutomatico = c.inteiro(0);
        m.data = c.nulo(1) ? QDate() : Regional::deIso(c.texto(1));
        m.numero = c.texto(2);
        m.descricao = c.texto(3);
        // Situations repeat ("V", "", "A"): one shared text instead of one per movement.
        const QString situacao = c.texto(4);
        if (situacao != situacaoAnterior)
            situacaoAnterior = situacao;
        m.situacao = situacaoAnterior;
        m.debito = Dinheiro::deCentimos(c.inteiro(5)); // a NULL amount reads as 0
        m.credito = Dinheiro::deCentimos(c.inteiro(6));
        m.saldo = Dinheiro::deCentimos(c.inteiro(7));
        m.numBanco = int(c.inteiro(8));
        m.alterou = c.inteiro(9) != 0;
        recebe(m);
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
