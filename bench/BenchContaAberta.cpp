#include "BenchContaAberta.h"
#include "Medicao.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "ledger/Frame2.h"
#include "ledger/Razao.h"
#include "platform/FlexGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdio>
#include <vector>

namespace {

constexpr int Vezes = 5;

Razao &razao(Frm_bancos &janela) { return *janela.findChild<Razao *>(); }

void pinta(Frm_bancos &janela)
{
    janela.MSHFlexGrid1->viewport()->repaint();
    QApplication::processEvents();
}

// Grid row `linha` opened for a change as a double click opens it, with the description and
// amount changed as the editor would hand them back, and "Validar" pressed.
void preparaEdicao(Frm_bancos &janela, int linha, int vez)
{
    razao(janela).PreparaAlteracao(linha);
    Frame2 &f = *janela.Frame2;
    f.setCampo(2, QStringLiteral("Alterado no ensaio %1").arg(vez));
    f.setCampo(3, QStringLiteral("1.%1,50").arg(100 + vez));
    f.setCampo(4, QString());
    f.Cmb_TipoMovimento->setCurrentText(QStringLiteral("Débito"));
    f.Cmb_Categoria->setCurrentText(QStringLiteral("Renda"));
    f.Cmb_Categoria1->setCurrentText(QString());
    f.setResultado(ResultadoEditor::Validar);
}

// A credit dated today, as the creation button and the editor hand it over.
void preparaCriacao(Frm_bancos &janela, int vez)
{
    Frame2 &f = *janela.Frame2;
    f.Cmb_TipoMovimento->setCurrentText(QStringLiteral("Crédito"));
    razao(janela).PreencheNovoMovimento();
    f.setCampo(2, QStringLiteral("Criado no ensaio %1").arg(vez));
    f.setCampo(3, QStringLiteral("%1,25").arg(10 + vez));
    f.setResultado(ResultadoEditor::Validar);
}

// Every movement's balance written by one prepared statement in one transaction: the least any
// write-back of every balance can cost.
Tempo updateNu(int vezes)
{
    std::vector<qint64> chaves;
    {
        Comando c = Ligacao().prepara(
            QStringLiteral("SELECT NumAutomatico FROM TabBancos1Det WHERE NumBanco = 1"));
        while (c.avanca())
            chaves.push_back(c.inteiro(0));
    }
    int vez = 0;
    return medianas(vezes, [&] {
        ++vez;
        Transaccao t(Ligacao());
        Comando u = Ligacao().prepara(
            QStringLiteral("UPDATE TabBancos1Det SET Saldo = ? WHERE NumAutomatico = ?"));
        for (const qint64 k : chaves) {
            u.liga(1, k * 7 + vez);
            u.liga(2, k);
            while (u.avanca()) {
            }
            u.reinicia();
        }
    });
}

void tecla(QWidget *w, int k, Qt::KeyboardModifiers m)
{
    QKeyEvent e(QEvent::KeyPress, k, m);
    QApplication::sendEvent(w, &e);
}

} // namespace

void medeContaAberta(Frm_bancos &janela, int movimentos, Tempo chao)
{
    FlexGrid &g = *janela.MSHFlexGrid1;
    int vez = 0;
    const Tempo validar = medianas(
        Vezes, [&] { janela.TrataBotaoFrame2(); pinta(janela); },
        [&] { preparaEdicao(janela, g.Rows() / 2, ++vez); });
    imprimeLinha("validar movimento alterado a meio", movimentos, validar, chao);

    const Tempo criar = medianas(
        Vezes, [&] { janela.TrataBotaoFrame2(); pinta(janela); },
        [&] { preparaCriacao(janela, ++vez); });
    imprimeLinha("criar movimento com a data de hoje", movimentos, criar, chao);

    // The database already holds what the grid shows: nothing to write.
    janela.GravaTodasLinhas();
    const Tempo nenhuma = medianas(Vezes, [&] { janela.GravaTodasLinhas(); });
    imprimeLinha("GravaTodasLinhas, nada mudado", movimentos, nenhuma, chao);

    // The first movement's amount changed before each run: every balance after it changes.
    const Tempo nu = updateNu(Vezes);
    imprimeLinha("UPDATE nu dos saldos (referência)", movimentos, nu, chao);
    const Tempo todas = medianas(Vezes, [&] { janela.GravaTodasLinhas(); }, [&] {
        preparaEdicao(janela, 1, ++vez);
        janela.TrataBotaoFrame2();
    });
    imprimeLinha("GravaTodasLinhas, todos os saldos mudados", movimentos, todas, chao);
    std::printf("%-44s %10s %9.2f\n", "  razão ao UPDATE nu", "", todas.parede / nu.parede);

    int alvo = 0;
    const Tempo saltar = medianas(
        Vezes, [&] { g.setTopRow(alvo); pinta(janela); },
        [&] { alvo = (++vez * 7919) % (g.Rows() - 100) + 1; });
    imprimeLinha("saltar para uma linha", movimentos, saltar, chao);

    const Tempo fim = medianas(
        Vezes, [&] { tecla(&g, Qt::Key_End, Qt::ControlModifier); pinta(janela); },
        [&] { tecla(&g, Qt::Key_Home, Qt::ControlModifier); pinta(janela); });
    imprimeLinha("ir para o fim (Ctrl+End)", movimentos, fim, chao);
    std::printf("%-44s %10d %9s %7s %9s %7s %13.1f\n", "pico de memória com a conta aberta",
                movimentos, "", "", "", "", picoMemoriaMB());
}
