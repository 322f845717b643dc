#pragma once
// Guessing a CSV or spreadsheet export's layout from its rows: where the movements begin and
// end, which column holds what (by the titles above them, else by what the cells hold), the
// date form and the decimal mark. Also the file's "shape", the key a saved preset is found by.
#include <QString>
#include <vector>

#include "extractos/LeitorTabela.h"
#include "extractos/PresetCsv.h"

namespace AdivinhaCsv {
// The separator under which the most rows read as movements (";" before tab before ",").
QChar separador(const QString &texto);

// Fills `preset` (its encoding and separator already set) from the rows.
void adivinha(const std::vector<LinhaTabela> &linhas, PresetCsv &preset);

// "sep|columns|titles" (or the kinds of the first movement's cells when there are no titles).
QString forma(const std::vector<LinhaTabela> &linhas, const PresetCsv &preset,
              const QString &prefixo);

// A row holding a date and an amount, as a movement does.
bool pareceMovimento(const LinhaTabela &linha);
} // namespace AdivinhaCsv
