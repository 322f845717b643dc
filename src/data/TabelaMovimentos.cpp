#include "data/TabelaMovimentos.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"

#include <QVariant>
#include <algorithm>
#include <unordered_map>

namespace TabelaMovimentos {

int conta(BaseDados &bd, int numBanco)
{
    Registos r = bd.consulta(
        QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det WHERE NumBanco = ?"), {numBanco});
    return int(r.inteiro(QStringLiteral("n")));
}

void percorre(BaseDados &bd, int numBanco, const std::function<void(const Movimento &)> &recebe)
{
    Comando c = bd.prepara(QStringLiteral(
        "SELECT NumAutomatico, Data, Numero, Descricao, S, Debito, Credito, Saldo, NumBanco, "
        "Alterou FROM TabBancos1Det WHERE NumBanco = ? ORDER BY Data ASC, NumAutomatico ASC"));
    c.liga(1, numBanco);
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

void actualiza(BaseDados &bd, const std::vector<AlteracaoMovimento> &linhas)
{
    if (linhas.empty())
        return;
    std::optional<Transaccao> transaccao; // a caller's own transaction already covers the pass
    if (!bd.emTransaccao())
        transaccao.emplace(bd);
    // A row is written only where it differs, and the indexed columns (Data, NumBanco) by a
    // statement of their own only when they change: a full pass over 100,000 rows then costs
    // the balances it really changes, not a rewrite of the table and its index. COALESCE keeps
    // the stored value where the pass has none to give.
    Comando valores = bd.prepara(QStringLiteral(
        "UPDATE TabBancos1Det SET Numero = ?1, Descricao = ?2, S = ?3, Debito = ?4, "
        "Credito = ?5, Saldo = COALESCE(?6, Saldo), Alterou = 0 WHERE NumAutomatico = ?7 "
        "AND (Numero IS NOT ?1 OR Descricao IS NOT ?2 OR S IS NOT ?3 OR Debito IS NOT ?4 "
        "OR Credito IS NOT ?5 OR Saldo IS NOT COALESCE(?6, Saldo) OR Alterou IS NOT 0)"));
    Comando chaves = bd.prepara(QStringLiteral(
        "UPDATE TabBancos1Det SET Data = COALESCE(?1, Data), NumBanco = ?2 "
        "WHERE NumAutomatico = ?3 AND (Data IS NOT COALESCE(?1, Data) OR NumBanco IS NOT ?2)"));
    // For a long pass, what the indexed columns hold now, read in one scan of the key range;
    // a short pass lets the statement itself find out.
    struct Chaves {
        QString data;
        std::optional<qint64> numBanco;
    };
    std::unordered_map<qint64, Chaves> guardadas;
    if (linhas.size() > 64) {
        const auto [menor, maior] = std::minmax_element(
            linhas.begin(), linhas.end(), [](const auto &a, const auto &b) {
                return a.numAutomatico < b.numAutomatico;
            });
        Comando leitura = bd.prepara(QStringLiteral(
            "SELECT NumAutomatico, Data, NumBanco FROM TabBancos1Det "
            "WHERE NumAutomatico BETWEEN ? AND ?"));
        leitura.liga(1, menor->numAutomatico);
        leitura.liga(2, maior->numAutomatico);
        guardadas.reserve(linhas.size());
        while (leitura.avanca())
            guardadas.emplace(leitura.inteiro(0),
                              Chaves{leitura.nulo(1) ? QString() : leitura.texto(1),
                                     leitura.nulo(2) ? std::nullopt
                                                     : std::optional<qint64>(leitura.inteiro(2))});
    }
    for (const AlteracaoMovimento &l : linhas) {
        valores.liga(1, l.numero);
        valores.liga(2, l.descricao);
        valores.liga(3, l.situacao);
        valores.liga(4, l.debito.centimos());
        valores.liga(5, l.credito.centimos());
        valores.liga(6, l.saldo ? QVariant(l.saldo->centimos()) : QVariant());
        valores.liga(7, l.numAutomatico);
        while (valores.avanca()) {
        }
        valores.reinicia();
        const QString data = l.data ? Regional::paraIso(*l.data) : QString();
        if (const auto g = guardadas.find(l.numAutomatico); g != guardadas.end()
            && (data.isNull() || data == g->second.data) && g->second.numBanco == l.numBanco)
            continue; // Data and NumBanco already hold these values
        chaves.liga(1, data.isNull() ? QVariant() : QVariant(data));
        chaves.liga(2, l.numBanco);
        chaves.liga(3, l.numAutomatico);
        while (chaves.avanca()) {
        }
        chaves.reinicia();
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
