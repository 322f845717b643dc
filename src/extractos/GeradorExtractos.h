#pragma once
// Statement files written in each format the readers take, laid out as the banks' exports are:
// the sample files of the demo folder and the benchmark's large statements come from here, and
// the tests read them back. Lines are written in the statement's order.
#include <QByteArray>
#include <vector>

#include "extractos/Extracto.h"
#include "extractos/PresetCsv.h"

namespace GeradorExtractos {
// Account lines, a title row, the movements, a footer with the balances. Amounts with the euro
// sign in Windows-1252; debit and credit columns, or one signed amount ("-12,50" or "12,50-").
QByteArray csv(const Extracto &e, CodificacaoTexto codificacao, QChar separador,
               FormaDebito formaDebito, FormaData formaData);
QByteArray xlsx(const Extracto &e);
QByteArray mt940(const std::vector<Extracto> &extractos);
QByteArray camt053(const std::vector<Extracto> &extractos, int versao = 2);
QByteArray ofx1(const Extracto &e);
QByteArray ofx2(const Extracto &e);

// The layout csv() writes, as a preset reads it.
PresetCsv presetDe(CodificacaoTexto codificacao, QChar separador, FormaDebito formaDebito,
                   FormaData formaData);
} // namespace GeradorExtractos
