// The movement grid: an account's movements in date order, their running balance and colours.
// The open account keeps each movement's raw values (ContaAberta) and makes the texts and colours
// of the rows it shows on demand; balances are summed in exact cents.
#include "ledger/Razao.h"
#include "app/AvisoErroBaseDados.h"
#include "data/BaseDados.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "data/TabelaMovimentos.h"
#include "conta/ColunasGrelha.h"
#include "platform/CursorEspera.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/FlexGrid.h"
#include "platform/Medidas.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

using namespace ColunasGrelha;

const QColor Vermelho = corBgr(0x0000FF);

} // namespace

void Razao::CarregaMovimentos()
{
    if (!conta().escolhaNumerica()) {
        MostraGrelha(false);
        m_vista.Label2->hide();
        return;
    }
    m_vista.Lbl_NomeDoBanco->move(twips(120), twips(120));
    m_vista.Lbl_NomeDoBanco->show();
    m_vista.Mnu_GestBanco->setVisible(true);
    try {
        const CursorEspera ampulheta;
        conta().carrega(contexto().ligacao());
    } catch (...) {
        // Nothing of the account could be read: none of it is shown, none can be written back;
        // the start picture offers to open it again.
        EscondeRazao();
        m_vista.Mnu_Movimentos->menuAction()->setVisible(false);
        m_vista.Image1->show();
        throw;
    }
    MostraConta();
}

void Razao::MostraConta()
{
    if (conta().semMovimentos()) {
        MostraGrelha(false);
        for (QWidget *w : std::initializer_list<QWidget *>{
                 m_vista.Label2, m_vista.Label1_10, m_vista.Txt_SaldoFinal,
                 m_vista.Cmd_CriaNovaEntrada, m_vista.Cmd_CriaNovaEntradaDebito, m_vista.Label25_0})
            w->hide();
        Cmd_CriaNovaEntrada_Click();
        return;
    }

    for (QWidget *w : std::initializer_list<QWidget *>{
             m_vista.Label1_10, m_vista.Txt_SaldoFinal, m_vista.Cmd_CriaNovaEntrada,
             m_vista.Cmd_CriaNovaEntradaDebito, m_vista.Label25_0, m_vista.Label2})
        w->show();
    m_vista.Cmd_CriaNovaEntrada1->hide();
    m_vista.Mnu_Movimentos->menuAction()->setVisible(true);
    contexto().grelha->move(twips(120), twips(600));
    m_vista.Label2->move(twips(120), twips(6420));
    m_vista.Txt_SaldoFinal->move(twips(9520), twips(6480));
    m_vista.Label1_10->move(twips(7520), twips(6540));
    m_vista.Label25_0->move(twips(120), twips(7080));
    m_vista.Cmd_CriaNovaEntrada->move(twips(4560), twips(7080));
    m_vista.Cmd_CriaNovaEntradaDebito->move(twips(EsquerdaBotaoDebito), twips(7080));

    const CursorEspera ampulheta;
    FlexGrid &g = *contexto().grelha;
    g.setRedraw(false);
    MostraGrelha(true);
    g.setFocus(); // arrows and Enter work at once
    FormataGrelha();
}

void Razao::FormataGrelha()
{
    FlexGrid &g = *contexto().grelha;
    g.setRedraw(false);
    static const int larguras[NumColunas] = {1, 1, 1000, 1200, 5000, 300, 1200, 1200, 1300, 1, 1};
    for (int c = 0; c < g.Cols() && c < NumColunas; ++c)
        g.setColWidth(c, larguras[c]);
    // The designed date width fits the designed font; a larger screen font still shows the
    // whole date, taking the room from the description.
    const int larguraData = (g.fontMetrics().horizontalAdvance(QStringLiteral("00-00-0000")) + 12) * 15;
    if (larguraData > larguras[Data]) {
        g.setColWidth(Data, larguraData);
        g.setColWidth(Descricao, larguras[Descricao] - (larguraData - larguras[Data]));
    }
    g.setColAlignment(Data, Alinhamento::Centro);
    g.setColAlignment(S, Alinhamento::Centro);
    g.setRowHeightMin(280);

    // Running balance: annulled movements leave it unchanged but still show it. The rows make
    // their balance texts and colours from it when painted or read.
    conta().calculaSaldos(Relogio::hoje());
    MostraSaldoFinal();
    g.setRedraw(true);
}

void Razao::MostraSaldoFinal()
{
    if (conta().aLer()) {
        m_vista.Txt_SaldoFinal->clear();
        return;
    }
    const Dinheiro saldo = conta().saldoFinal();
    QPalette paleta = m_vista.Txt_SaldoFinal->palette();
    paleta.setColor(QPalette::Text, saldo.negativo() ? Vermelho : QColor(Qt::black));
    m_vista.Txt_SaldoFinal->setPalette(paleta);
    m_vista.Txt_SaldoFinal->setText(saldo.formataMoeda());
}

void Razao::LeituraFalhou(const ErroBaseDados &erro)
{
    // As when nothing of the account could be read: none of it is shown, the start picture
    // offers to open it again.
    EscondeRazao();
    m_vista.Mnu_Movimentos->menuAction()->setVisible(false);
    m_vista.Image1->show();
    MostraErroBaseDados(erro);
}
