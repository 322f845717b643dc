#pragma once
// The QIF line reader: a Money export read one line at a time, as the import into accounts 5
// and 6 reads it. The first character of a line says which field it is. A "D" line starts a new
// transaction; "N", "P", "T" and "M" fill it; every "L" line stores it with that line's
// category, and the transaction stays assembled until the next "D" (so two "L" lines give two
// movements, and an "N" or "M" after the "L" belongs to no movement). Any other line ("^",
// "!Type:Bank", "C", "U", splits) is ignored. Widget-free, shared by quorvel-qif and the program.
#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

#include "data/Dinheiro.h"

struct MovimentoQif {
    QDate data; // invalid until a "D" line is read
    QString numero, beneficiario, memo, categoria, categoria2;
    Dinheiro valor;
};

class LeitorQif
{
public:
    enum class Resultado {
        Ignorada,     // a line of no field the import uses
        Lida,         // a field taken into the transaction
        Movimento,    // an "L" line: movimento() is to be stored now
        DataInvalida, // a "D" line that is not a date: reported, never guessed
        ValorInvalido // a "T" line that is not an amount
    };

    // Texts are kept up to this many characters (cut on whole characters).
    static constexpr int LarguraCampo = 40;

    Resultado trataLinha(QStringView linha);
    const MovimentoQif &movimento() const { return m_movimento; }

    // Empties the transaction but its date, as a "D" line does before taking its own date.
    void LimpaMovimentoImportado();

    // "12/31'05", "1/ 2'04", "12/31'2005", "12/31/99", "6/15/1998": month, day and year,
    // blanks allowed around the numbers. One- or two-digit years 00-29 are 2000-2029 and
    // 30-99 are 1930-1999. Anything else, or no such day: nullopt.
    static std::optional<QDate> interpretaData(QStringView texto);

    // "-1,234.56", "1234", "5.5", "+0.45", "123,456,789.00": a sign, digits with optional
    // thousands commas (groups of three), and none, one or two decimals after a point; exact in
    // cents. Anything else, or beyond Dinheiro::MAXIMO: nullopt.
    static std::optional<Dinheiro> interpretaValor(QStringView texto);

    // The first n characters of the text as the user sees them (as every column is cut): a
    // letter with a combining accent, an emoji or a flag is kept whole or left out whole.
    static QString corta(QStringView texto, int n);

private:
    MovimentoQif m_movimento;
};
