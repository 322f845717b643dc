#include "BenchLeitores.h"

#include "Medicao.h"
#include "extractos/GeradorExtractos.h"
#include "extractos/LeitorExtracto.h"

#include <cstdio>

namespace {

constexpr int Linhas = 50000;

Extracto grande()
{
    Extracto e;
    e.iban = QStringLiteral("PT50003300004567891234567");
    e.moeda = QStringLiteral("EUR");
    Dinheiro saldo = Dinheiro::deCentimos(1000000);
    e.saldoInicial = SaldoExtracto{QDate(2020, 1, 1), saldo};
    for (int i = 0; i < Linhas; ++i) {
        LinhaExtracto l;
        l.data = QDate(2020, 1, 2).addDays(i / 30);
        l.valor = Dinheiro::deCentimos((i % 7 ? -1 : 5) * (1000 + (i * 7919) % 250000));
        l.descricao = QStringLiteral("MOVIMENTO %1 TRANSFERENCIA REF %2").arg(i).arg(i * 31);
        l.idBanco = QStringLiteral("B%1").arg(i);
        saldo += l.valor;
        l.saldoApos = saldo;
        e.linhas.push_back(l);
    }
    e.saldoFinal = SaldoExtracto{e.linhas.back().data, saldo};
    return e;
}

} // namespace

void medeLeitores()
{
    const Extracto e = grande();
    Extracto recente = e;
    std::reverse(recente.linhas.begin(), recente.linhas.end());
    using namespace GeradorExtractos;
    const std::pair<const char *, QByteArray> ficheiros[] = {
        {"ler extracto CSV Windows-1252 (adivinhado)",
         csv(recente, CodificacaoTexto::Windows1252, u';', FormaDebito::ColunaDebito,
             FormaData::DiaMesAnoHifen)},
        {"ler extracto CSV UTF-16", csv(recente, CodificacaoTexto::Utf16Le, u'\t',
                                        FormaDebito::MenosNoFim, FormaData::DiaMesAnoBarra)},
        {"ler extracto xlsx", xlsx(recente)},
        {"ler extracto MT940", mt940({e})},
        {"ler extracto camt.053", camt053({e})},
        {"ler extracto OFX 1", ofx1(e)},
        {"ler extracto OFX 2", ofx2(e)},
    };
    for (const auto &[cenario, bytes] : ficheiros) {
        size_t lidas = 0;
        const Tempo t = medianas(5, [&] {
            lidas = leExtracto(bytes, QStringLiteral("bench")).front().linhas.size();
        });
        if (lidas != size_t(Linhas))
            std::fprintf(stderr, "%s: %zu linhas lidas\n", cenario, lidas);
        imprimeLinha(cenario, Linhas, t, t);
    }
}
