// quorvel-bench: timings of the ledger on generated accounts of 1,000, 10,000 and 100,000
// movements, as medians of 5 runs in one process, with the process's peak memory; the printed
// listings on the 10,000-movement account.
#include "BenchBackup.h"
#include "BenchImportacao.h"
#include "BenchListagens.h"
#include "BenchMovimentos.h"
#include "Medicao.h"
#include "PastaBench.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "platform/FlexGrid.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <memory>

namespace {

constexpr int Vezes = 5;

// Opening account 1, from the menu choice to a formatted grid painted on screen.
double abreConta(Frm_bancos &janela)
{
    return medianaMs(Vezes, [&] {
        janela.Mnu_Banco_Click(1);
        janela.MSHFlexGrid1->viewport()->repaint();
        QApplication::processEvents();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    AplicaAspecto();

    std::printf("%-38s %12s %12s %14s\n", "cenário (mediana de 5)", "movimentos", "ms",
                "pico mem. MB");
    for (const int n : {1000, 10000, 100000}) {
        PastaBench pasta(n);
        definePastaAplicacao(pasta.caminho());
        auto janela = std::make_unique<Frm_bancos>();
        if (janela->Form_Load() != 0)
            return 1;
        janela->show();
        QApplication::processEvents();

        // Timed first, then the peak read: both in one printf would leave their order to
        // the compiler.
        const double ms = abreConta(*janela);
        std::printf("%-38s %12d %12.1f %14.1f\n", "abrir conta (AbreConta a grelha pintada)", n,
                    ms, picoMemoriaMB());
        std::fflush(stdout);
        if (n == 10000)
            medeListagens(*janela, n);
        if (n == 100000) {
            medeEscritaMovimentos(*janela, n);
            medeBackup(n);
        }

        janela.reset();
        FechaLigacao();
    }
    medeImportacao();
    return 0;
}
