#pragma once
// A money axis in whole steps of 1, 2 or 5 times a power of ten cents, so the marks read
// "0,00 €", "500,00 €", "1.000,00 €"; positions are computed from cents without rounding the
// amounts themselves.
#include <QtGlobal>
#include <vector>

struct EscalaGrafico {
    qint64 minimo = 0, maximo = 100, passo = 100; // cents; minimo and maximo are marks

    // The marks from minimo to maximo.
    std::vector<qint64> marcas() const;
    // Where `valor` falls between `baixo` (minimo) and `alto` (maximo) on the device.
    double posicao(qint64 valor, double baixo, double alto) const;

    // At most `marcasMaximas` + 1 marks covering both values; one value alone gets a step
    // around it.
    static EscalaGrafico para(qint64 a, qint64 b, int marcasMaximas = 5);
};
