#include "graficos/PeriodoGrafico.h"
#include "data/Regional.h"

PeriodoGrafico PeriodoGrafico::esteAno(const QDate &hoje)
{
    return {QDate(hoje.year(), 1, 1), hoje};
}

PeriodoGrafico PeriodoGrafico::anoAnterior(const QDate &hoje)
{
    return {QDate(hoje.year() - 1, 1, 1), QDate(hoje.year() - 1, 12, 31)};
}

PeriodoGrafico PeriodoGrafico::ultimos12Meses(const QDate &hoje)
{
    return {QDate(hoje.year(), hoje.month(), 1).addMonths(-11), hoje};
}

QString nomeMes(const QDate &dia)
{
    // Written out rather than asked of QLocale: its abbreviations vary between ICU versions
    // ("jan.", "jan"), and a chart label must not change with the machine.
    static const char *const nomes[] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                        "jul", "ago", "set", "out", "nov", "dez"};
    if (!dia.isValid())
        return {};
    return QStringLiteral("%1 %2").arg(QLatin1String(nomes[dia.month() - 1])).arg(dia.year());
}

QString textoPeriodo(const PeriodoGrafico &p)
{
    return Regional::formataData(p.desde) + QStringLiteral(" a ") + Regional::formataData(p.ate);
}
