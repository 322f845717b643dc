#pragma once
// The columns of the ledger grid MSHFlexGrid1, as loaded and as the movement code reads and
// writes them. Row 0 is
// the header; column 0 is the grid's fixed column.
namespace ColunasGrelha {

enum Coluna {
    NumAutomatico = 1, // the movement's key, hidden
    Data,              // dd-mm-yyyy, empty for an undated movement
    Numero,
    Descricao,
    S,                 // situation letter
    Debito,            // "###,##0.00", empty when 0
    Credito,
    Saldo,             // running balance, "###,##0.00", empty when 0
    NumBanco,          // hidden; -1 marks a deleted movement until the next write-back
    Alterou,           // hidden; "True" marks a row to write back
    NumColunas         // the grid's column count, the fixed column included
};

} // namespace ColunasGrelha
