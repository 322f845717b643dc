#pragma once
// The movements table TabBancos1Det. NumBanco -1 marks a movement the user deleted; no account
// reads it again.
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "data/Dinheiro.h"
#include "data/TabelaDetOutros.h"

class BaseDados;
class Comando;

struct Movimento {
    qint64 numAutomatico = 0;
    QDate data; // invalid when the movement has no date
    QString numero, descricao, situacao;
    Dinheiro debito, credito, saldo;
    int numBanco = 0;
    bool alterou = false;
};

namespace TabelaMovimentos {

// The grid's header texts, in the grid's column order 1 to 10.
inline const QStringList Colunas = {
    QStringLiteral("numautomatico"), QStringLiteral("DATA"),   QStringLiteral("NUMERO"),
    QStringLiteral("DESCRICAO"),     QStringLiteral("S"),      QStringLiteral("DEBITO"),
    QStringLiteral("CREDITO"),       QStringLiteral("SALDO"),  QStringLiteral("NUMBANCO"),
    QStringLiteral("ALTEROU")};

// How many movements the account has.
int conta(BaseDados &bd, int numBanco);

// The account's movements in the grid's order: by date (undated first), then by creation. The
// columns are those of `Colunas`, in that order (0 NumAutomatico ... 9 Alterou).
Comando consultaConta(BaseDados &bd, int numBanco);

// Hands the account's movements, by date (undated first) then by creation, one at a time to
// `recebe`: a large account is never held twice in memory while the grid fills.
void percorre(BaseDados &bd, int numBanco, const std::function<void(const Movimento &)> &recebe);

// Widths a written-back grid row is cut to.
inline constexpr int LarguraNumero = 10, LarguraDescricao = 50;

// What the grid writes back into an existing movement row.
struct AlteracaoMovimento {
    qint64 numAutomatico = 0;
    std::optional<QDate> data;     // nullopt: the stored date stays as it is
    QString numero, descricao, situacao;
    Dinheiro debito, credito;
    std::optional<Dinheiro> saldo; // nullopt: the stored balance stays as it is
    int numBanco = 0;
};

// Writes every row given, with Alterou back to false: one transaction and one prepared
// statement for the whole pass, so 100,000 rows take a moment and a failure leaves the table
// exactly as it was.
void actualiza(BaseDados &bd, const std::vector<AlteracaoMovimento> &linhas);
// Writes the balance alone of each (key, cents) given, in one transaction (the caller's, if
// one is open): for rows known to differ from what is stored in nothing else.
void actualizaSaldos(BaseDados &bd, const std::vector<std::pair<qint64, qint64>> &saldos);

// Inserts a new movement (Saldo and Alterou keep their defaults) and returns its NumAutomatico.
qint64 insere(BaseDados &bd, const Movimento &m);

// A movement and its extras (TabBancosDetOutros) are written together, in one transaction: a
// failure of either step leaves both tables as they were. `extras` nullopt: nothing to say, a
// stored extras row keeps what it had. All throw ErroBaseDados.

// Creates the movement with its extras and returns its NumAutomatico.
qint64 criaComExtras(BaseDados &bd, const Movimento &m,
                     const std::optional<ExtrasMovimento> &extras);
// Writes the grid rows `linhas` (the changed movement among them) and the extras of movement
// `numAuto` of account `numBanco`.
void alteraComExtras(BaseDados &bd, const std::vector<AlteracaoMovimento> &linhas,
                     qint64 numAuto, int numBanco, const std::optional<ExtrasMovimento> &extras);
// Writes the grid rows `linhas` (the deleted movement among them, moved to account -1) and
// removes the extras movement `numAuto` had in account `numBanco`.
void apagaComExtras(BaseDados &bd, const std::vector<AlteracaoMovimento> &linhas,
                    qint64 numAuto, int numBanco);

} // namespace TabelaMovimentos
