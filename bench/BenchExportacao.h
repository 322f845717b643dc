#pragma once
// Timings of "Exportar..." on the open account: the write-back, the selection and the whole
// extract written as .xlsx, .ods and .csv (the save dialog left out).
class Frm_bancos;

// Prints one line per format, on the 10,000-movement account only (other sizes: nothing).
void medeExportacao(Frm_bancos &janela, int movimentos);
