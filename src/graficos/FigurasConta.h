#pragma once
// What the charts of an account show for a period, in exact cents: the balance at the close of
// every day, its lowest and highest points, credits and debits month by month, and debits and
// credits by category. Computed in one pass over the period's movements (and one sum of
// everything before it), leaving out annulled movements exactly as the grid's running balance
// does: a movement whose situation starts with "A" ("a" does not annul).
#include <QDate>
#include <QString>
#include <vector>

#include "graficos/PeriodoGrafico.h"

class BaseDados;

struct DiaSaldo {
    QDate dia;
    qint64 saldo = 0; // cents, at the close of the day
};

struct MesFiguras {
    QDate inicio, fim;        // the month's days inside the period
    qint64 entradas = 0;      // credits, cents
    qint64 saidas = 0;        // debits, cents
    qint64 liquido() const { return entradas - saidas; }
};

struct CategoriaFiguras {
    enum class Tipo { Categoria, SemCategoria, Outras };
    QString nome;
    qint64 total = 0; // cents
    int movimentos = 0;
    Tipo tipo = Tipo::Categoria;
};

struct FigurasConta {
    // More categories than this are shown as the largest ones and "Outras".
    static constexpr int MaximoCategorias = 10;

    PeriodoGrafico periodo;
    int movimentos = 0;        // movements of the period the balance counts
    bool contaSemMovimentos = true; // the account has no movement at all, of any date
    qint64 saldoInicial = 0;   // everything before the period (and undated movements)
    std::vector<qint64> saldosDiarios; // one per day of the period, from periodo.desde
    DiaSaldo minimo, maximo;   // the first day each is reached
    std::vector<MesFiguras> meses; // every calendar month the period touches, in order
    std::vector<CategoriaFiguras> categoriasSaidas, categoriasEntradas; // largest first

    bool vazio() const { return movimentos == 0; }
    qint64 saldoFinal() const
    {
        return saldosDiarios.empty() ? saldoInicial : saldosDiarios.back();
    }
    // The balance is below zero on some day and above it on another.
    bool cruzaZero() const { return minimo.saldo < 0 && maximo.saldo > 0; }
    QDate dia(qsizetype i) const { return periodo.desde.addDays(i); }
};

namespace CalculoFiguras {

// The figures of account `numBanco` for `periodo` (an invalid period gives empty figures).
// Throws ErroBaseDados.
FigurasConta calcula(BaseDados &bd, int numBanco, const PeriodoGrafico &periodo);

// The name a category is grouped under: blanks around it dropped, case folded as the
// database's DOBRA() folds it; "" for a movement without a category.
QString chaveCategoria(const QString &nome);

} // namespace CalculoFiguras
