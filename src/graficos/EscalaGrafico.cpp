#include "graficos/EscalaGrafico.h"

#include <algorithm>

namespace {

// Floor and ceiling of a division for negative amounts too.
qint64 abaixo(qint64 v, qint64 passo) { return (v >= 0 ? v : v - passo + 1) / passo * passo; }
qint64 acima(qint64 v, qint64 passo) { return -abaixo(-v, passo); }

} // namespace

std::vector<qint64> EscalaGrafico::marcas() const
{
    std::vector<qint64> r;
    for (qint64 v = minimo; v <= maximo; v += passo)
        r.push_back(v);
    return r;
}

double EscalaGrafico::posicao(qint64 valor, double baixo, double alto) const
{
    const double f = double(valor - minimo) / double(std::max<qint64>(1, maximo - minimo));
    return baixo + (alto - baixo) * f;
}

EscalaGrafico EscalaGrafico::para(qint64 a, qint64 b, int marcasMaximas)
{
    if (a > b)
        std::swap(a, b);
    marcasMaximas = std::max(1, marcasMaximas);
    if (a == b) {
        // A flat line sits in the middle of a step of about a tenth of its size (a euro at least).
        const qint64 margem = std::max<qint64>(100, (a < 0 ? -a : a) / 10);
        a -= margem;
        b += margem;
    }
    static const qint64 multiplos[] = {1, 2, 5};
    qint64 potencia = 1;
    for (;;) {
        for (const qint64 m : multiplos) {
            const qint64 passo = m * potencia;
            const qint64 lo = abaixo(a, passo), hi = acima(b, passo);
            if ((hi - lo) / passo <= marcasMaximas)
                return {lo, hi, passo};
        }
        potencia *= 10;
    }
}
