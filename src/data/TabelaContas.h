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

// Remembers the open account at the end of a run: ultimo only on it, with its first visible
// row and its final balance. One transaction.
void guardaEstado(BaseDados &bd, int numBanco, qint64 topRow, Dinheiro saldo);

} // namespace TabelaContas
