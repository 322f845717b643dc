#pragma once
// Timings of the movement write paths on an open account: validating an edited row (write,
// reload, running balance) and writing every row back with its balance.
#include "Medicao.h"

class Frm_bancos;

// Prints one line per timing; `movimentos` is the size of the open account, for the table, and
// `chao` the floor the ratios are taken to.
void medeEscritaMovimentos(Frm_bancos &janela, int movimentos, Tempo chao);
