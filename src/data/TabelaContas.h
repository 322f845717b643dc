#pragma once
// The accounts table TabBancos: nine rows, NumBanco 1 to 9; a blank name marks a free slot.
#include <QString>
#include <optional>
#include <vector>

#include "data/Dinheiro.h"

class BaseDados;

struct Conta {
    int numBanco = 0;
    QString banco, dependencia, numconta, nib, gestor, password, observacoes;
    Dinheiro saldo;
    bool ultimo = false;
    qint64 ultimaVezReg = 0;
};

namespace TabelaContas {

std::vector<Conta> todas(BaseDados &bd); // ordered by NumBanco, so item n is account n
std::optional<Conta> le(BaseDados &bd, int numBanco);
std::optional<Conta> ultimaAberta(BaseDados &bd); // the row with ultimo = true, if any

// Widths the settings frame stores: longer texts are cut to these.
inline constexpr int LarguraBanco = 30, LarguraDependencia = 50, LarguraNumConta = 30,
                     LarguraNib = 50, LarguraGestor = 50, LarguraPassword = 120;

// Writes the settings of slot numBanco (name, branch, account number, NIB, manager, password,
// observations), each cut to its width; the observations whole. False when the slot has no
// row (nothing written).
bool gravaDados(BaseDados &bd, const Conta &dados);

// Deletes every movement and extras row carrying the account's number and blanks its row
// (names, password, balance, last-run state). One transaction: all of it or nothing. Movements
// already marked deleted (NumBanco -1) carry no account and stay.
void apaga(BaseDados &bd, int numBanco);

// Remembers the open account at the end of a run: ultimo only on it, with its first visible
// row and its final balance. One transaction.
void guardaEstado(BaseDados &bd, int numBanco, qint64 topRow, Dinheiro saldo);

// Stores an account's current balance (the summary of all accounts lists it). Runs in the
// caller's transaction, so it can go with the write-back of the balances it sums.
void gravaSaldo(BaseDados &bd, int numBanco, Dinheiro saldo);

} // namespace TabelaContas
