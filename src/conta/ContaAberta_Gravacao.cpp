// What the open account writes back to TabBancos1Det, and what it knows after a write. A row
// as read is taken from its raw values (nothing formatted and read back) and only when the
// stored row differs from it (its balance alone by the narrow statement); a row the program
// wrote into is read from its texts, as it shows them.
#include "conta/ContaAberta.h"
#include "data/BaseDados.h"
#include "data/Regional.h"
#include "data/Texto.h"

#include <algorithm>

using namespace ColunasGrelha;

namespace {

// An amount cell: "" and anything that is not an amount count as 0, as the grid counts them.
Dinheiro montante(const QString &texto)
{
    return Dinheiro::interpreta(texto).value_or(Dinheiro());
}

} // namespace

std::optional<TabelaMovimentos::AlteracaoMovimento>
ContaAberta::deTextos(int r, bool todas, QStringList &datasInvalidas) const
{
    bool chaveValida = false;
    const qint64 chave = texto(r, NumAutomatico).toLongLong(&chaveValida);
    if (!chaveValida)
        return std::nullopt; // not a movement's row
    TabelaMovimentos::AlteracaoMovimento a;
    a.numAutomatico = chave;
    a.numero = Texto::corta(texto(r, Numero), TabelaMovimentos::LarguraNumero);
    // An empty cell is a movement without a date, which stays without one.
    const QString data = texto(r, Data);
    if (const auto d = Regional::interpretaData(data))
        a.data = *d;
    else if (!data.trimmed().isEmpty())
        datasInvalidas << data;
    a.descricao = Texto::corta(texto(r, Descricao), TabelaMovimentos::LarguraDescricao);
    a.situacao = texto(r, S);
    a.debito = montante(texto(r, Debito));
    a.credito = montante(texto(r, Credito));
    if (todas)
        a.saldo = montante(texto(r, Saldo));
    bool contaValida = false;
    a.numBanco = texto(r, NumBanco).trimmed().toInt(&contaValida);
    if (!contaValida)
        a.numBanco = m_numBanco;
    return a;
}

ContaAberta::Gravacao ContaAberta::porGravar(bool todas) const
{
    precisaDeTodas();
    Gravacao g;
    const int lidas = comoLidas();
    auto deTexto = [&](int r) {
        if (!todas && !alterada(r))
            return;
        if (auto a = deTextos(r, todas, g.datasInvalidas)) {
            g.linhas.push_back(std::move(*a));
            g.linhasGrelha.push_back(r);
        }
    };
    if (!todas) {
        // Only rows with a written text can be marked changed.
        for (const int r : m_escritas.linhasComTexto())
            if (r >= 1 && r < m_numLinhas)
                deTexto(r);
        return g;
    }
    // Sized first: a million balances to send are held once, not grown by doubling.
    size_t saldos = 0;
    for (int i = 0; i < lidas; ++i)
        saldos += m_linhas.guardadaComoMostra(i) && !m_linhas.saldoGuardadoCerto(i);
    g.saldos.reserve(saldos);
    g.geracaoSaldos = m_linhas.geracaoSaldos();
    for (int r = 1; r < m_numLinhas; ++r) {
        if (r > lidas || m_escritas.temTexto(r)) {
            deTexto(r);
            continue;
        }
        // Untouched since reading: its Alterou cell reads "False", its values are the raw ones.
        const int i = r - 1;
        if (!m_linhas.guardadaComoMostra(i)) {
            g.linhas.push_back(m_linhas.alteracao(i, true));
            g.linhasGrelha.push_back(r);
        } else if (!m_linhas.saldoGuardadoCerto(i)) {
            g.saldos.push_back(m_linhas.guardada(i));
        }
    }
    return g;
}

void ContaAberta::gravaSaldos(BaseDados &bd, const Gravacao &g) const
{
    if (g.saldos.empty())
        return;
    // Each balance as it is now: had one moved since g was made (it is not meant to), the
    // running balance is still what belongs stored, and gravou will not believe it written.
    std::optional<Transaccao> t;
    if (!bd.emTransaccao())
        t.emplace(bd);
    constexpr size_t Fatia = 8192;
    std::vector<std::pair<qint64, qint64>> fatia;
    fatia.reserve(std::min(Fatia, g.saldos.size()));
    for (size_t desde = 0; desde < g.saldos.size(); desde += Fatia) {
        fatia.clear();
        for (size_t k = desde; k < std::min(desde + Fatia, g.saldos.size()); ++k)
            fatia.emplace_back(m_linhas.chaveGuardada(g.saldos[k]),
                               m_linhas.saldoGuardado(g.saldos[k]));
        TabelaMovimentos::actualizaSaldos(bd, fatia);
    }
}

void ContaAberta::gravou(const Gravacao &g)
{
    precisaDeTodas();
    // The balances first: the rows' marks below do not change what those balances were.
    // Once a running balance has moved since, what was written is no longer known to be the
    // one shown, and the next write-back sends it again.
    if (g.geracaoSaldos == m_linhas.geracaoSaldos())
        for (const quint32 k : g.saldos)
            m_linhas.saldoGravado(k);
    const int lidas = comoLidas();
    for (size_t k = 0; k < g.linhas.size(); ++k) {
        const int r = g.linhasGrelha[k];
        if (r < 1 || r > lidas)
            continue;
        const auto &a = g.linhas[k];
        if (a.numAutomatico != m_linhas.chave(r - 1))
            continue;
        // A row written from its own raw values is stored as shown; one written from texts
        // holds other values than the raw ones, which a later write must then send in full.
        m_linhas.gravada(r - 1, a.saldo ? std::optional(a.saldo->centimos()) : std::nullopt,
                         !m_escritas.temTexto(r));
    }
}

bool ContaAberta::mostraGravado(const Gravacao &g)
{
    precisaDeTodas();
    // Each written movement is the row as read it was written from: a row whose key was
    // written over, or a movement not read with the account, needs the account read again.
    // (Among the rows as read a key is never twice: it is the table's key.)
    LinhasConta &l = m_linhas;
    if (!completa())
        return false;
    std::vector<quint32> guardadas;
    guardadas.reserve(g.linhas.size());
    for (size_t k = 0; k < g.linhas.size(); ++k) {
        const int i = g.linhasGrelha[k] - 1;
        if (i < 0 || i >= l.total() || l.chave(i) != g.linhas[k].numAutomatico)
            return false;
        guardadas.push_back(l.guardada(i));
    }
    if (!g.saldos.empty() && g.geracaoSaldos != l.geracaoSaldos())
        return false;
    beginResetModel();
    int desde = l.total();
    for (size_t k = 0; k < g.linhas.size(); ++k) {
        // Rows move as each one is placed, the others by a row or so: looked for from there.
        const int i = l.linhaDaGuardada(guardadas[k], g.linhasGrelha[k] - 1);
        int d = 0;
        l.substitui(i, g.linhas[k], d);
        desde = std::min(desde, d);
    }
    for (const quint32 k : g.saldos)
        l.saldoGravado(k); // before the balances are summed again below
    l.calculaSaldos(desde);
    mostraMovimentos();
    endResetModel();
    emit linhasMudaram();
    return true;
}

int ContaAberta::mostraCriado(const Movimento &m)
{
    precisaDeTodas();
    if (!completa() || m.numBanco != m_numBanco)
        return 0;
    beginResetModel();
    int desde = 0;
    const int i = m_linhas.insere(m, desde);
    m_linhas.calculaSaldos(desde);
    mostraMovimentos();
    endResetModel();
    emit linhasMudaram();
    return i + 1;
}
