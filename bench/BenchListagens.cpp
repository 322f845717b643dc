#include "BenchListagens.h"
#include "Medicao.h"
#include "admin/Administracao.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/TabelaEmpresa.h"
#include "reports/Frm_Pesquisas.h"
#include "reports/Listagens.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Vezes = 5;

// A run counts only when its PDF was written: a fault would otherwise time a message box.
void exigePdf(const QString &caminho)
{
    if (!QFile::exists(caminho)) {
        std::fprintf(stderr, "a listagem %s não foi escrita\n", qPrintable(caminho));
        std::exit(1);
    }
    QFile::remove(caminho);
}

} // namespace

void medeListagens(Frm_bancos &janela, int movimentos)
{
    // The listings go to PDF files instead of the preview.
    QTemporaryDir saida;
    qputenv("QUORVEL_LISTAGENS", saida.path().toUtf8());
    const QDir pasta(saida.path());

    janela.Mnu_Listagem2->trigger();
    auto *frame = janela.findChild<Frm_Pesquisas *>(QStringLiteral("Frm_Pesquisas"));
    // Stored balances cleared before each run, so every run writes all of them back.
    const double consultar = medianaMs(
        Vezes,
        [&] {
            frame->Cmd_Consultar->click();
            exigePdf(pasta.filePath(QStringLiteral("02_Detalhes.pdf")));
        },
        [] { Ligacao().executa(QStringLiteral("UPDATE TabBancos1Det SET Saldo = 0")); });
    std::printf("%-38s %12d %12.1f %14.1f\n", "Consultar (extracto simples em PDF)", movimentos,
                consultar, picoMemoriaMB());

    // The engine alone, on the settings the last Consultar left: selection and every page to
    // PDF, without the write-back.
    Listagens *listagens = nullptr;
    for (Subsistema *s : janela.Subsistemas())
        if (auto *l = qobject_cast<Listagens *>(s))
            listagens = l;
    const double motor = medianaMs(Vezes, [&] {
        listagens->CrystalReport1.setAction(1);
        exigePdf(pasta.filePath(QStringLiteral("02_Detalhes.pdf")));
    });
    std::printf("%-38s %12d %12.1f %14.1f\n", "  dos quais selecção e PDF", movimentos, motor,
                picoMemoriaMB());

    for (int n = 1; n <= 9; ++n)
        Ligacao().executa(QStringLiteral("UPDATE TabBancos SET banco = ?, nib = ?, Saldo = ? "
                                         "WHERE NumBanco = ? AND trim(ifnull(banco, '')) = ''"),
                          {QStringLiteral("Banco de ensaio %1").arg(n),
                           QStringLiteral("0033 0000 %1").arg(n), 12345 * n, n});
    // No general password, so the listing of all accounts asks for none.
    TabelaEmpresa::gravaPasswordGeral(Ligacao(), QString());
    for (Subsistema *s : janela.Subsistemas())
        if (auto *a = qobject_cast<Administracao *>(s))
            a->LePasswordGeral();
    const double resumo = medianaMs(Vezes, [&] {
        janela.Mnu_Listagem1->trigger();
        exigePdf(pasta.filePath(QStringLiteral("01_Bancos.pdf")));
    });
    std::printf("%-38s %12d %12.1f %14.1f\n", "resumo das 9 contas (com a conta aberta)",
                movimentos, resumo, picoMemoriaMB());
    std::fflush(stdout);
    qunsetenv("QUORVEL_LISTAGENS");
}
