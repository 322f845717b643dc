// quorvel-bench: timings of the ledger on generated accounts of 1,000, 10,000 and 100,000
// movements, as medians of 5 runs in one process, with the process's peak memory and each
// timing's ratio to the floor (the account's query read through, nothing else).
#include "BenchBackup.h"
#include "BenchContaAberta.h"
#include "BenchExportacao.h"
#include "BenchGraficos.h"
#include "BenchExtractos.h"
#include "BenchImportacao.h"
#include "BenchLeitores.h"
#include "BenchListagens.h"
#include "Chao.h"
#include "Medicao.h"
#include "PastaBench.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "conta/ContaAberta.h"
#include "platform/FlexGrid.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Runs per median; QUORVEL_BENCH_VEZES asks for more (for profiling).
const int Vezes = std::max(5, qEnvironmentVariableIntValue("QUORVEL_BENCH_VEZES"));
// QUORVEL_BENCH_SO_CONTA=1 times the open account alone (opening, editing, writing back).
const bool SoConta = qEnvironmentVariableIntValue("QUORVEL_BENCH_SO_CONTA") != 0;

// Opening account 1, from the menu choice to a formatted grid painted on screen. The clock
// stops at the paint: what the event loop does after it (the rest of a large account read in
// steps, while the user looks) is timed below, and pending events are let run before each run.
Tempo abreConta(Frm_bancos &janela)
{
    return medianas(
        Vezes,
        [&] {
            janela.Mnu_Banco_Click(1);
            janela.MSHFlexGrid1->viewport()->repaint();
        },
        [] { QApplication::processEvents(); });
}

// The same, on to the last row read: a large account shows its first rows at once and reads the
// rest while the user looks; this is when its final balance shows.
Tempo abreContaToda(Frm_bancos &janela)
{
    auto *conta = qobject_cast<ContaAberta *>(janela.MSHFlexGrid1->modelo());
    return medianas(Vezes, [&] {
        janela.Mnu_Banco_Click(1);
        janela.MSHFlexGrid1->viewport()->repaint();
        QApplication::processEvents();
        while (conta && conta->aLer())
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    });
}

// The machine's load average, printed with the table: timings taken under load say so.
void imprimeCarga(const char *quando)
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (f.open(QIODevice::ReadOnly))
        std::printf("carga da máquina %s: %s", quando, f.readLine().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    AjustaMemoria(); // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings of the benchmark's own, with the tip of the day off: a modal tip window at the
    // first activation would wait for a click.
    QTemporaryDir definicoes;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(definicoes.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorvelBench"));
    QSettings().setValue(QStringLiteral("Options/Show Tips at Startup"), QStringLiteral("0"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    AplicaAspecto();

    imprimeCarga("no início");
    if (qEnvironmentVariableIntValue("QUORVEL_BENCH_SO_EXTRACTOS") != 0) // the statements alone
        return medeExtractos(), imprimeCarga("no fim"), 0;
    imprimeCabecalho();
    // QUORVEL_BENCH_TAMANHOS="1000,10000" runs only those sizes (for profiling one of them).
    std::vector<int> tamanhos{1000, 10000, 100000};
    const QString pedidos = qEnvironmentVariable("QUORVEL_BENCH_TAMANHOS");
    if (!pedidos.isEmpty()) {
        tamanhos.clear();
        for (const QString &t : pedidos.split(QLatin1Char(','), Qt::SkipEmptyParts))
            if (const int n = t.trimmed().toInt(); n > 0)
                tamanhos.push_back(n);
    }
    for (const int n : tamanhos) {
        PastaBench pasta(n);
        definePastaAplicacao(pasta.caminho());
        auto janela = std::make_unique<Frm_bancos>();
        if (janela->Form_Load() != 0)
            return 1;
        janela->show();
        QApplication::processEvents();

        const Tempo todas = abreContaToda(*janela);
        const Tempo ms = abreConta(*janela);
        if (auto *conta = qobject_cast<ContaAberta *>(janela->MSHFlexGrid1->modelo()))
            conta->acabaLeitura(); // not charged to the floor
        // The floor on the same warm connection, right after the account was read through.
        int linhas = 0;
        const Tempo chao = medeChao(Ligacao(), 1, Vezes, &linhas);
        if (linhas != n)
            return 2;
        imprimeLinha("chão (a consulta lida, nada mais)", n, chao, chao);
        imprimeLinha("abrir conta (menu a grelha pintada)", n, ms, chao);
        imprimeLinha("  e até a última linha lida", n, todas, chao);
        if (n == 10000 && !SoConta)
            medeListagens(*janela, n);
        if (n <= 100000 && !SoConta)
            medeExportacao(*janela, n);
        if (n >= 100000)
            medeContaAberta(*janela, n, chao);
        if (n == 100000 && !SoConta)
            medeBackup(n);

        janela.reset();
        FechaLigacao();
    }
    if (!SoConta) {
        medeGraficos(tamanhos, !pedidos.isEmpty());
        medeImportacao();
        medeExtractos();
        medeLeitores();
    }
    imprimeCarga("no fim");
    return 0;
}
