#pragma once
// Our own CSV reader: fields quoted with '"' may hold the separator, doubled quotes and line
// breaks; lines end in LF, CR LF or CR. A blank line is a row with no cells.
#include <QString>
#include <vector>

#include "extractos/LeitorTabela.h"

namespace LeitorCsv {
// Throws ErroExtracto (naming the line the quote opened on) when a quote is never closed: the
// file was cut short.
std::vector<LinhaTabela> linhas(const QString &texto, QChar separador,
                                const QString &nomeFicheiro);

// Like linhas, but stops after `maximo` rows and never throws (for guessing and previews).
std::vector<LinhaTabela> primeiras(const QString &texto, QChar separador, int maximo);
} // namespace LeitorCsv
