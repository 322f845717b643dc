// Account administration reached from the main window: "Nova Conta", the settings frame of the
// chosen account, the deletion of an account with its movements, and the two option windows
// (general password, category table).
#include "admin/Frm_GestaoBancos.h"
#include "admin/Frm_PassGeral.h"
#include "admin/Frm_Tabelas.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/TabelaContas.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString TituloCriacao = QStringLiteral("CRIAÇÃO DE NOVA CONTA / BANCO");

QString legendaMenu(QString nome) { return nome.replace(QLatin1Char('&'), QStringLiteral("&&")); }

} // namespace

void Frm_bancos::LigaAdministracao()
{
    Frm_GestaoBancos = new ::Frm_GestaoBancos(centralWidget());
    Frm_GestaoBancos->hide();

    connect(Mnu_NovaConta, &QAction::triggered, this, &Frm_bancos::Mnu_NovaConta_Click);
    connect(Mnu_GestBanco, &QAction::triggered, this, &Frm_bancos::Mnu_GestBanco_Click);
    connect(Mnu_PassGeral, &QAction::triggered, this, &Frm_bancos::Mnu_PassGeral_Click);
    connect(Mnu_Categorias, &QAction::triggered, this, &Frm_bancos::Mnu_Categorias_Click);
    connect(Frm_GestaoBancos->Cmd_Fechar1, &QPushButton::clicked, this,
            &Frm_bancos::Cmd_Fechar1_Click);
    connect(Frm_GestaoBancos->Cmd_Cancelar1, &QPushButton::clicked, this,
            &Frm_bancos::Cmd_Cancelar1_Click);
    connect(Frm_GestaoBancos->Cmd_ApagarTudo, &QPushButton::clicked, this,
            &Frm_bancos::Cmd_ApagarTudo_Click);
    connect(Txt_NumBanco, &QLineEdit::textChanged, this, &Frm_bancos::ContaEscolhidaMudou);
}

bool Frm_bancos::VerificaContaSeleccionada()
{
    ContaSeleccionada = MSHFlexGrid1->isVisibleTo(this);
    if (!ContaSeleccionada)
        MsgBox(QStringLiteral("Não está nenhum banco seleccionado....\r\r"
                              "Seleccione no Menu Bancos o banco desejado."),
               QMessageBox::Ok, Icone::Nenhum, QStringLiteral("Sem Banco Seleccionado."));
    return ContaSeleccionada;
}

void Frm_bancos::Mnu_GestBanco_Click()
{
    if (!VerificaContaSeleccionada())
        return;
    MostraDadosConta();
    Frm_GestaoBancos->Cmd_ApagarTudo->setVisible(true);
}

void Frm_bancos::MostraDadosConta()
{
    CarregaDadosConta();
}

bool Frm_bancos::CarregaDadosConta()
{
    Frm_GestaoBancos->move(twips(120), twips(600));
    Frm_GestaoBancos->show();
    Frm_GestaoBancos->raise();
    const int n = NumBancoActual();
    m_numBancoGestao = n;
    std::optional<Conta> conta;
    try {
        conta = TabelaContas::le(Ligacao(), n);
    } catch (const ErroBaseDados &erro) {
        Frm_GestaoBancos->hide();
        MostraErroBaseDados(erro);
        return false;
    }
    if (!conta)
        return true; // no row for the slot: the boxes keep what they held
    const QString valores[] = {conta->banco,  conta->dependencia, conta->numconta,
                               conta->nib,    conta->gestor,      conta->password,
                               conta->observacoes};
    for (int i = ::Frm_GestaoBancos::Primeiro; i <= ::Frm_GestaoBancos::Ultimo; ++i)
        Frm_GestaoBancos->setCampo(i, valores[i - ::Frm_GestaoBancos::Primeiro]);
    Frm_GestaoBancos->TxtCampo(::Frm_GestaoBancos::Primeiro)->setFocus();
    return true;
}

void Frm_bancos::Mnu_NovaConta_Click()
{
    EstadoInicial();
    int livre = 0;
    for (int n = 1; n <= 9 && !livre; ++n)
        if (!Mnu_Banco[size_t(n)]->isVisible())
            livre = n;
    if (!livre)
        return; // nine accounts in use: nothing to create, nothing said
    CriandoConta = true;
    Txt_NumBanco->setText(QString::number(livre));
    Mnu_Banco[size_t(livre)]->setVisible(true);
    PreparaNovaConta();
}

void Frm_bancos::PreparaNovaConta()
{
    if (!CarregaDadosConta()) {
        // The slot could not be read: give it back, as a cancel would.
        CriandoConta = false;
        Mnu_Banco[size_t(NumBancoActual())]->setVisible(false);
        return;
    }
    Lbl_NomeDoBanco->setText(TituloCriacao);
    Lbl_NomeDoBanco->show();
    Frm_GestaoBancos->Cmd_ApagarTudo->hide();
}

void Frm_bancos::Cmd_Fechar1_Click()
{
    if (Frm_GestaoBancos->Campo(::Frm_GestaoBancos::Primeiro).trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Terá que introduzir um Nome para a Conta/Banco"));
        Frm_GestaoBancos->TxtCampo(::Frm_GestaoBancos::Primeiro)->setFocus();
        return;
    }
    Frm_GestaoBancos->hide();
    try {
        GravaDadosConta();
    } catch (const ErroBaseDados &erro) {
        // Nothing was written: the frame comes back with what the user typed.
        MostraErroBaseDados(erro);
        Frm_GestaoBancos->show();
        Frm_GestaoBancos->raise();
    }
}

void Frm_bancos::GravaDadosConta()
{
    const int n = NumBancoActual();
    Conta dados;
    dados.numBanco = n;
    dados.banco = Frm_GestaoBancos->Campo(5);
    dados.dependencia = Frm_GestaoBancos->Campo(6);
    dados.numconta = Frm_GestaoBancos->Campo(7);
    dados.nib = Frm_GestaoBancos->Campo(8);
    dados.gestor = Frm_GestaoBancos->Campo(9);
    dados.password = Frm_GestaoBancos->Campo(10);
    dados.observacoes = Frm_GestaoBancos->Campo(11);
    if (!TabelaContas::gravaDados(Ligacao(), dados))
        return; // the slot has no row: nothing written, nothing said

    Lbl_NomeDoBanco->setText(dados.banco);
    if (n >= 1 && n <= 9)
        Mnu_Banco[size_t(n)]->setText(legendaMenu(dados.banco));
    if (CriandoConta) {
        MsgBox(QStringLiteral("Criação da conta com sucesso!, volte novamente ao Menu Contas e "
                              "seleccione a Conta Criada."));
        CriandoConta = false;
        // The new account is not opened: the window goes back to its start state with the menu
        // read again, and the user opens the account from it.
        EstadoInicial();
        CarregaMenuContas();
    }
}

void Frm_bancos::Cmd_Cancelar1_Click()
{
    EstadoInicial();
    CriandoConta = false;
    try {
        CarregaMenuContas();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
}

void Frm_bancos::ContaEscolhidaMudou()
{
    // Another account was chosen while the frame was open: its boxes belong to the slot they were
    // loaded from, so they must not be saved over the new one. The frame closes as on "Cancelar".
    if (!Frm_GestaoBancos->isVisibleTo(this) || NumBancoActual() == m_numBancoGestao)
        return;
    Frm_GestaoBancos->hide();
    if (CriandoConta) {
        CriandoConta = false;
        try {
            CarregaMenuContas();
        } catch (const ErroBaseDados &erro) {
            MostraErroBaseDados(erro);
        }
    }
}

void Frm_bancos::Cmd_ApagarTudo_Click()
{
    const auto resposta =
        MsgBox(QStringLiteral("\r\nDeseja mesmo apagar a Conta/Banco e todos os seus movimentos?"),
               QMessageBox::Yes | QMessageBox::No, Icone::Nenhum,
               QStringLiteral("Destruição de Movimentos"));
    if (resposta != QMessageBox::Yes) {
        MsgBox(QStringLiteral("Os movimentos, não foram destruidos!"));
        return;
    }
    try {
        ApagaConta();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
}

void Frm_bancos::ApagaConta()
{
    TabelaContas::apaga(Ligacao(), NumBancoActual());
    // The grid still holds the deleted movements: drop them, so that nothing of the account can
    // be written back at the end of the run.
    MSHFlexGrid1->setRows(FlexGrid::FixedRows);
    m_valoresLinhas.clear();
    m_saldoFinal = Dinheiro();
    MsgBox(QStringLiteral("A conta e seus movimentos, foram apagados!"));
    CarregaMenuContas();
    EstadoInicial();
}

void Frm_bancos::Mnu_PassGeral_Click()
{
    Frm_PassGeral janela(this);
    janela.exec();
}

void Frm_bancos::Mnu_Categorias_Click()
{
    Frm_Tabelas janela(this);
    try {
        janela.Form_Load();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
        return;
    }
    janela.exec();
}
