#include "BenchMovimentos.h"
#include "Medicao.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "ledger/Frame2.h"
#include "ledger/Razao.h"
#include "platform/FlexGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <cstdio>

namespace {

constexpr int Vezes = 5;

// A row in the middle of the grid opened for a change as a double click opens it, with the
// description and amount changed as the editor would hand them back, and "Validar" pressed.
void preparaEdicao(Frm_bancos &janela, int vez)
{
    const FlexGrid &g = *janela.MSHFlexGrid1;
    janela.findChild<Razao *>()->PreparaAlteracao(g.Rows() / 2);
    Frame2 &f = *janela.Frame2;
    f.setCampo(2, QStringLiteral("Alterado no ensaio %1").arg(vez));
    f.setCampo(3, QStringLiteral("1.%1,50").arg(100 + vez));
    f.setCampo(4, QString());
    f.Cmb_TipoMovimento->setCurrentText(QStringLiteral("Débito"));
    f.Cmb_Categoria->setCurrentText(QStringLiteral("Renda"));
    f.Cmb_Categoria1->setCurrentText(QString());
    f.setResultado(ResultadoEditor::Validar);
}

} // namespace

void medeEscritaMovimentos(Frm_bancos &janela, int movimentos, Tempo chao)
{
    int vez = 0;
    const Tempo validar = medianas(
        Vezes,
        [&] {
            janela.TrataBotaoFrame2();
            janela.MSHFlexGrid1->viewport()->repaint();
            QApplication::processEvents();
        },
        [&] { preparaEdicao(janela, ++vez); });
    imprimeLinha("validar movimento alterado", movimentos, validar, chao);

    // Stored balances cleared before each run, so every run writes all of them.
    const Tempo todas = medianas(Vezes, [&] { janela.GravaTodasLinhas(); }, [] {
        Ligacao().executa(QStringLiteral("UPDATE TabBancos1Det SET Saldo = 0"));
    });
    imprimeLinha("GravaTodasLinhas, todos os saldos mudados", movimentos, todas, chao);

    // The database already holds what the grid shows: nothing to write.
    janela.GravaTodasLinhas();
    const Tempo nenhuma = medianas(Vezes, [&] { janela.GravaTodasLinhas(); });
    imprimeLinha("GravaTodasLinhas, nada mudado", movimentos, nenhuma, chao);
}
