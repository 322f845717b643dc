#pragma once
// The field readers every statement format shares: amounts into exact cents (never through a
// binary floating point), and dates in the forms banks write them.
#include <QDate>
#include <QStringView>
#include <optional>

#include "data/Dinheiro.h"
#include "extractos/PresetCsv.h"

namespace LeitorCampos {
// "1.234,56", "-12,50", "12,50-", "(12,50)", "1 234,56 €", "EUR 12,50" with the given marks
// (milhares QChar() when the file groups none). More than two decimals are refused unless the
// extra ones are zeros: they mean the marks are wrong. nullopt when the text is no amount.
std::optional<Dinheiro> valor(QStringView texto, QChar decimal, QChar milhares);

// A plain decimal as XML files and spreadsheets write it: "-1234.5", "12.300000000000001",
// "1.5E3"; rounded to cents half away from zero.
std::optional<Dinheiro> decimalPonto(QStringView texto);

// A comma decimal as MT940 writes it: "1234,56", "1234,", no sign, no grouping.
std::optional<Dinheiro> decimalVirgula(QStringView texto);

// Day, month and year in the form's order, the separators "-", "/" or "." taken alike, a
// two-digit year read as 20yy, a time after the date ignored; invalid when unreadable.
QDate data(QStringView texto, FormaData forma);

// A spreadsheet's day number (1900 system): 46037 -> 2026-01-15; invalid outside 1990..2100.
QDate dataSerial(QStringView texto);

// YYYYMMDD at the start of the text (OFX, ISO forms without separators); invalid otherwise.
QDate dataCompacta(QStringView texto);

// Which form a date text is in, if any: nullopt when it reads as no date.
std::optional<FormaData> formaDe(QStringView texto);
} // namespace LeitorCampos
