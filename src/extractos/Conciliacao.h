#pragma once
// Reconciling a bank statement with an account, without touching the database: for each line
// of the statement, whether it matches a movement not yet verified, comes in as a new one, or
// was already taken in by an earlier import; the movements of the statement's period the bank
// has not seen; the statement's balances beside the ledger's. The user may change any line's
// decision; `recalcula` then brings the rest of the plan up to date.
#include <QDate>
#include <QString>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "data/Dinheiro.h"
#include "data/TabelaMovimentos.h"
#include "extractos/Extracto.h"
#include "extractos/RegrasCategoria.h"

enum class DecisaoLinha { Conciliado, Novo, JaImportado, Ignorado };

struct LinhaPlano {
    LinhaExtracto linha;
    QString chave;             // how later imports know this line ("id:..." or "imp:...", "#n")
    // Its day and amount alone, "#n" among the file's lines: "val:" when the line has no id of
    // the bank, "vid:" when it has one.
    QString chaveValor;
    DecisaoLinha decisao = DecisaoLinha::Novo;
    qint64 movimento = 0;      // Conciliado: the NumAutomatico of the matched movement
    QString categoria, categoria1; // Novo: from the account's rules
};

struct ComparacaoSaldo {
    QDate data;        // end of this day
    Dinheiro extracto; // as the statement gives it
    Dinheiro razao;    // the ledger's as the import leaves it: the plan's new lines in it
    int novos = 0;     // how many new lines of the plan that counts (not in the ledger yet)
    Dinheiro diferenca() const { return extracto - razao; }
    bool difere() const { return !diferenca().zero(); }
};

struct PlanoConciliacao {
    int numBanco = 0;
    QDate inicio, fim;                // the statement's period (its first and last day)
    std::vector<LinhaPlano> linhas;   // by date, oldest first
    // The account's movements still to verify (situation neither "V" nor annulled), by date:
    // those the lines may be matched with.
    std::vector<Movimento> porVerificar;
    // Filled by recalcula: movements of the period still to verify and matched by no line;
    // the balances side by side.
    std::vector<size_t> soNoRazao; // indices into porVerificar
    std::optional<ComparacaoSaldo> saldoInicial, saldoFinal;
    // The opening balance does not continue the ledger's balance of the day before.
    bool movimentosEmFalta = false;

    // Every movement counted in the running balance (annulled ones left out, as the grid
    // does): its Julian day (undated first) and signed amount, by day.
    std::vector<std::pair<qint64, qint64>> saldosRazao;
    std::vector<qint64> acumulados; // running sums of saldosRazao's amounts
    // (NumAutomatico, porVerificar index), by NumAutomatico: one array, not a node a movement.
    std::vector<std::pair<qint64, size_t>> indicePorChave;

    int conta(DecisaoLinha d) const;
};

namespace Conciliacao {

inline constexpr int DiasTolerancia = 3; // a line matches a movement up to this many days away

// The signed amount of a movement: credit minus debit.
Dinheiro valorDe(const Movimento &m);
// "2026-03-05": the ISO text of a date, written straight (a key is made for every line).
QString iso(const QDate &d);
// Whether the situation keeps a movement out of the running balance (starts with "A").
bool anulada(const QString &situacao);
// Whether a movement is still to be compared with the bank (neither "V" nor annulled).
bool porVerificar(const Movimento &m);

// The keys of the lines, in the order given: the bank's id when there is one, else a
// fingerprint of date, amount and text; each with its repeat count among the lines ("#1",
// "#2"), so two genuine identical lines of one day are two lines, and each comes in once.
std::vector<QString> chaves(const std::vector<LinhaExtracto> &linhas);
// The keys of day and amount alone ("val:2026-03-05|-250#2"): the n-th line of that amount on
// that day is the same transaction whatever format it came in, whose texts and ids differ.
// A line with the bank's id is matched this way only with an earlier line that had none (a
// CSV export, then the OFX of the same days): between lines that both have ids, the ids
// decide, so an intraday report listing only the afternoon's lines loses none of them.
std::vector<QString> chavesValor(const std::vector<LinhaExtracto> &linhas);

struct Entrada {
    int numBanco = 0;
    const Extracto *extracto = nullptr;          // lines in any order
    // Every movement of the account, taken over; the texts (number, description) are needed
    // only of those still to verify.
    std::vector<Movimento> *movimentos = nullptr;
    const std::unordered_set<QString> *importadas = nullptr; // both keys of earlier imports
    const std::vector<RegraCategoria> *regras = nullptr;
};

// The plan: lines sorted by date, each decided; then recalcula. Matching is by amount (an
// index, never line against movement), nearest day first, a like number or description
// breaking ties; a movement matches one line at most.
PlanoConciliacao planeia(const Entrada &entrada);

// After decisions changed: the movements only in the ledger and the balances.
void recalcula(PlanoConciliacao &plano, const Extracto &extracto);

// The category rules on every new line (after the rules changed).
void aplicaRegras(PlanoConciliacao &plano, const std::vector<RegraCategoria> &regras);

// Movements line `i` could be matched with instead: same amount and direction, within the
// tolerance, matched by no other line; nearest first. Indices into porVerificar.
std::vector<size_t> alternativas(const PlanoConciliacao &plano, size_t i);

// The movement of porVerificar with this key; nullptr when none.
const Movimento *movimento(const PlanoConciliacao &plano, qint64 numAutomatico);

} // namespace Conciliacao
