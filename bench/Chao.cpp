#include "Chao.h"
#include "Medicao.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/TabelaMovimentos.h"

namespace {

// Keeps the compiler from dropping reads whose values are never used.
volatile qint64 g_sumidouro = 0;

} // namespace

Tempo medeChao(BaseDados &bd, int numBanco, int vezes, int *linhas)
{
    int contadas = 0;
    const Tempo ms = medianas(vezes, [&] {
        Comando c = TabelaMovimentos::consultaConta(bd, numBanco);
        qint64 soma = 0;
        contadas = 0;
        while (c.avanca()) {
            ++contadas;
            soma += c.inteiro(0) + qint64(c.utf8(1).size()) + qint64(c.utf8(2).size())
                    + qint64(c.utf8(3).size()) + qint64(c.utf8(4).size()) + c.inteiro(5)
                    + c.inteiro(6) + c.inteiro(7) + c.inteiro(8) + c.inteiro(9);
        }
        g_sumidouro = g_sumidouro + soma;
    });
    if (linhas)
        *linhas = contadas;
    return ms;
}
