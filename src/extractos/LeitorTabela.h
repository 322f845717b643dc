#pragma once
// A CSV export and a spreadsheet's first sheet seen alike: rows of cells, each with the line of
// the file it starts on. A preset maps their columns to a statement.
#include <QString>
#include <QStringList>
#include <vector>

#include "extractos/Extracto.h"
#include "extractos/PresetCsv.h"

struct LinhaTabela {
    int linhaFicheiro = 0;      // 1-based line (CSV) or row number (spreadsheet)
    QStringList celulas;
    std::vector<bool> numericas; // spreadsheet cells holding a number (amounts, day numbers)

    bool numerica(int coluna) const
    {
        return coluna >= 0 && size_t(coluna) < numericas.size() && numericas[size_t(coluna)];
    }
    QString celula(int coluna) const
    {
        return coluna >= 0 && coluna < celulas.size() ? celulas.at(coluna) : QString();
    }
    bool vazia() const;
};

namespace LeitorTabela {
// The statement the rows between the header and the footer make under the preset; the account
// and currency are looked for in the header. Throws ErroExtracto at the first row whose date or
// amount cannot be read.
Extracto le(const std::vector<LinhaTabela> &linhas, const PresetCsv &preset,
            FormatoExtracto formato, const QString &nomeFicheiro);

// The IBAN (or a Portuguese NIB, as its IBAN) and the currency written in the given rows.
void procuraConta(const std::vector<LinhaTabela> &linhas, Extracto &extracto);
} // namespace LeitorTabela
