#pragma once
// Timings of the charts window on an account whose movements all fall in the last twelve
// months: the figures alone, the painting of the charts alone, and the menu choice to a window
// with every chart painted. 100,000 movements always; 1,000,000 when QUORVEL_BENCH_TAMANHOS
// lists it.
#include <vector>

void medeGraficos(const std::vector<int> &tamanhosPedidos, bool pedidos);
