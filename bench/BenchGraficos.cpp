#include "BenchGraficos.h"
#include "Medicao.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/DadosDemonstracao.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "data/Relogio.h"
#include "graficos/FigurasConta.h"
#include "graficos/Frm_Graficos.h"
#include "graficos/GraficoCategorias.h"
#include "graficos/GraficoMeses.h"
#include "graficos/GraficoSaldo.h"
#include "graficos/SaidaGrafico.h"
#include "graficos/VistaGrafico.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Vezes = 5;

void imprime(const char *cenario, int n, double ms)
{
    std::printf("%-44s %10d %9.1f %7s %9s %7s %13.1f\n", cenario, n, ms, "", "", "",
                picoMemoriaMB());
    std::fflush(stdout);
}

void medeUm(int n)
{
    // The offscreen platform's note on every new window would fill the table.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    QTemporaryDir pasta;
    const QDir recursos(QStringLiteral(QUORVEL_RESOURCES_DIR));
    for (const QString &f : recursos.entryList(QDir::Files))
        QFile::copy(recursos.filePath(f), QDir(pasta.path()).filePath(f));
    const QString base = QDir(pasta.path()).filePath(Esquema::NomeFicheiro);
    const PeriodoGrafico periodo = PeriodoGrafico::ultimos12Meses(Relogio::hoje());
    {
        NovaBaseDados::cria(base, false);
        auto bd = BaseDados::abre(base, Esquema::Chave);
        Transaccao t(*bd);
        bd->executa(QStringLiteral("UPDATE TabBancos SET banco = 'Conta de ensaio' "
                                   "WHERE NumBanco = 1"));
        DadosDemonstracao::geraMovimentos(*bd, 1, n, periodo.desde, 42);
    }
    definePastaAplicacao(pasta.path());
    auto janela = std::make_unique<Frm_bancos>();
    if (janela->Form_Load() != 0)
        std::exit(1);
    janela->show();
    janela->Mnu_Banco_Click(1);
    QApplication::processEvents();

    std::shared_ptr<FigurasConta> figuras;
    const double calculo = medianaMs(Vezes, [&] {
        figuras = std::make_shared<FigurasConta>(CalculoFiguras::calcula(Ligacao(), 1, periodo));
    });
    if (figuras->movimentos < n * 9 / 10) { // the generator leaves a few undated or annulled
        std::fprintf(stderr, "os gráficos contaram %d movimentos de %d\n", figuras->movimentos, n);
        std::exit(1);
    }
    imprime("gráficos: valores (uma passagem)", n, calculo);

    const QString conta = QStringLiteral("Conta de ensaio");
    const double pintura = medianaMs(Vezes, [&] {
        GraficoSaldo saldo(figuras, conta);
        GraficoMeses meses(figuras, conta);
        GraficoCategorias saidas(figuras, conta, GraficoCategorias::Lado::Saidas);
        GraficoCategorias entradas(figuras, conta, GraficoCategorias::Lado::Entradas);
        for (const Grafico *g : std::initializer_list<const Grafico *>{&saldo, &meses, &saidas,
                                                                       &entradas})
            SaidaGrafico::imagem(*g, QSize(960, 520));
    });
    imprime("gráficos: pintura dos quatro", n, pintura);

    Frm_Graficos *aberta = nullptr;
    const double tudo = medianaMs(
        Vezes,
        [&] {
            janela->Mnu_Graficos->trigger();
            aberta = janela->findChild<Frm_Graficos *>();
            QApplication::processEvents();
            for (VistaGrafico *v : {aberta->Grf_Saldo, aberta->Grf_Meses,
                                    aberta->Grf_CategoriasSaidas, aberta->Grf_CategoriasEntradas})
                v->grab();
        },
        [&] {
            if (aberta)
                delete aberta; // untimed: the window of the previous run
            aberta = nullptr;
            QApplication::processEvents();
        });
    imprime("gráficos: menu a tudo pintado", n, tudo);
    delete aberta;
    janela.reset();
    FechaLigacao();
}

} // namespace

void medeGraficos(const std::vector<int> &tamanhos, bool pedidos)
{
    std::vector<int> n;
    if (!pedidos)
        n.push_back(100000);
    for (const int t : tamanhos)
        if (pedidos && (t == 100000 || t == 1000000))
            n.push_back(t);
    for (const int t : n)
        medeUm(t);
}
