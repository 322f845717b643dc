#pragma once
// The one layout of a listing exported to a spreadsheet, whatever the file format: the title
// (the account's name), the bank data and the selection above the table, a blank row, the row
// of column titles, one row per record, a blank row, the totals, the annulled sums and the final
// balance. Every writer is fed the same rows and cells in order, so the formats cannot differ.
#include <QString>

#include "reports/QuadroListagem.h"

enum class TipoLinhaFolha {
    Cabecalho, // title, bank data, selection
    Branco,
    Titulos, // the column titles: the row a writer freezes
    Registo,
    Soma, // totals, annulled sums, final balance
};

class DestinoFolha
{
public:
    virtual ~DestinoFolha() = default;
    // Row `linha` begins; rows come in order from 0, each one announced, blank ones too.
    virtual void linha(int linha, TipoLinhaFolha tipo) = 0;
    // A cell of the current row; columns come in ascending order, empty cells are left out.
    virtual void celula(int coluna, const CelulaQuadro &valor, bool negrito) = 0;
};

namespace FolhaExtracto {

// Feeds the table to the writer; returns the number of rows.
int percorre(const QuadroListagem &quadro, DestinoFolha &destino);

CelulaQuadro texto(const QString &t);
CelulaQuadro dinheiro(qint64 centimos);

} // namespace FolhaExtracto
