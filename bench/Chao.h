#pragma once
// The floor of the ledger's timings: the account's own query stepped through on the open
// connection, every column read, nothing else done. No way of showing an account can be
// quicker than this, so each scenario is printed as a ratio to it.
#include "Medicao.h"

class BaseDados;

// Medians of `vezes` passes over account `numBanco`; `linhas` receives the count.
Tempo medeChao(BaseDados &bd, int numBanco, int vezes, int *linhas = nullptr);
