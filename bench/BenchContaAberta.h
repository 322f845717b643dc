#pragma once
// Timings of the open account, each a user's action from its start to the grid painted again:
// validating an edited movement in the middle, creating a movement dated today, writing every
// row back with nothing changed and with every balance changed (against a bare UPDATE of the
// same rows), jumping to a row and going to the end.
#include "Medicao.h"

class Frm_bancos;

// Prints one line per timing; `movimentos` is the size of the open account, for the table, and
// `chao` the floor the ratios are taken to.
void medeContaAberta(Frm_bancos &janela, int movimentos, Tempo chao);
