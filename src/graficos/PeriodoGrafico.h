#pragma once
// The period a chart covers (both days included) and the quick choices of the charts window.
#include <QDate>
#include <QString>

struct PeriodoGrafico {
    QDate desde, ate;

    bool valido() const { return desde.isValid() && ate.isValid() && desde <= ate; }
    qint64 dias() const { return valido() ? desde.daysTo(ate) + 1 : 0; }

    // From the first of January to today.
    static PeriodoGrafico esteAno(const QDate &hoje);
    // The whole previous calendar year.
    static PeriodoGrafico anoAnterior(const QDate &hoje);
    // Twelve calendar months ending with the current one: from the first day of the month
    // eleven months back to today, so every month bar but the last is a whole month.
    static PeriodoGrafico ultimos12Meses(const QDate &hoje);
};

// "jan 2026": the month's short Portuguese name and the year, as the charts label months.
QString nomeMes(const QDate &diaDoMes);
// "01-01-2026 a 31-12-2026"
QString textoPeriodo(const PeriodoGrafico &p);
