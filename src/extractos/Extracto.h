#pragma once
// A bank statement as every reader hands it on, whatever the file's format: the account it is
// for, its balances and its lines, amounts in exact cents. The readers (CSV, xlsx, MT940,
// camt.052/053, OFX) fill it; the reconciliation reads nothing else of the file.
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "data/Dinheiro.h"

enum class FormatoExtracto { Csv, Xlsx, Mt940, Camt052, Camt053, Ofx1, Ofx2 };

struct SaldoExtracto {
    QDate data;       // the day the balance is taken at (end of that day)
    Dinheiro valor;   // signed: negative when the account is overdrawn
};

struct LinhaExtracto {
    QDate data;             // booking date: the movement's date in the ledger
    QDate dataValor;        // value date; invalid when the file gives none
    QString descricao;      // the bank's text, whitespace simplified
    QString numero;         // document or cheque number; empty when none
    Dinheiro valor;         // signed: negative takes money out (a debit), positive puts it in
    QString idBanco;        // the bank's own transaction id (FITID, AcctSvcrRef, ...); may be empty
    std::optional<Dinheiro> saldoApos; // balance after the line, when the file gives one
    int linhaFicheiro = 0;  // 1-based line (or record) of the file, for messages
};

struct Extracto {
    FormatoExtracto formato = FormatoExtracto::Csv;
    QString iban;           // account identifier in the file, spaces removed; empty when none
    QString moeda;          // ISO 4217 currency; empty when the file does not say
    std::optional<SaldoExtracto> saldoInicial;
    std::optional<SaldoExtracto> saldoFinal;
    std::vector<LinhaExtracto> linhas; // in file order
};
