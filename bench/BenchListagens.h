#pragma once
// Timings of the printed listings: "Consultar" on the open account (write-back, selection and
// every page laid out to PDF) and the summary of nine accounts.
class Frm_bancos;

// Prints one line per timing; `movimentos` is the size of the open account, for the table.
void medeListagens(Frm_bancos &janela, int movimentos);
