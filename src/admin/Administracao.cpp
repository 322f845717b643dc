// Account administration reached from the main window: "Nova Conta", the settings frame of the
// chosen account, the deletion of an account with its movements, and the two option windows
// (general password, category table).
#include "admin/Administracao.h"
#include "admin/Frm_GestaoBancos.h"
#include "admin/Frm_PassGeral.h"
#include "admin/Frm_Tabelas.h"
#include "app/AvisoErroBaseDados.h"
#include "data/TabelaEmpresa.h"
#include "data/ErroBaseDados.h"
#include "data/TabelaContas.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/FlexGrid.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString TituloCriacao = QStringLiteral("CRIAÇÃO DE NOVA CONTA / BANCO");

QString legendaMenu(QString nome) { return nome.replace(QLatin1Char('&'), QStringLiteral("&&")); }

} // namespace

Administracao::Administracao(const ContextoJanela &contexto, const VistaAdministracao &vista,
                             QObject *pai)
    : Subsistema(contexto, pai), m_vista(vista)
{
    setObjectName(QStringLiteral("Administracao"));
    ::Frm_GestaoBancos *quadro = m_vista.Frm_GestaoBancos;
    connect(quadro->Cmd_Fechar1, &QPushButton::clicked, this, &Administracao::Cmd_Fechar1_Click);
    connect(quadro->Cmd_Cancelar1, &QPushButton::clicked, this,
            &Administracao::Cmd_Cancelar1_Click);
    connect(quadro->Cmd_ApagarTudo, &QPushButton::clicked, this,
            &Administracao::Cmd_ApagarTudo_Click);
    connect(contexto.numBanco, &QLineEdit::textChanged, this,
            &Administracao::ContaEscolhidaMudou);
}

void Administracao::EstadoInicial()
{
    m_vista.Frm_GestaoBancos->hide();
    m_criandoConta = false;
}

void Administracao::CarregaIcones(const QString &pasta)
{
    ::Frm_GestaoBancos *quadro = m_vista.Frm_GestaoBancos;
    quadro->Cmd_Fechar1->setIcon(Imagens::icone(pasta, QStringLiteral("exit.gif")));
    quadro->Cmd_Cancelar1->setIcon(Imagens::icone(pasta, QStringLiteral("cancelar.ico")));
    quadro->Cmd_ApagarTudo->setIcon(Imagens::icone(pasta, QStringLiteral("lixo.ico")));
    quadro->Label25_2->carregaIcone(pasta);
}

void Administracao::LePasswordGeral()
{
    m_passwordGeral = TabelaEmpresa::lePasswordGeral(contexto().ligacao());
}

bool Administracao::VerificaContaSeleccionada()
{
    const bool seleccionada = contexto().contaAberta();
    if (!seleccionada)
        MsgBox(QStringLiteral("Não está nenhum banco seleccionado....\r\r"
                              "Seleccione no Menu Bancos o banco desejado."),
               QMessageBox::Ok, Icone::Nenhum, QStringLiteral("Sem Banco Seleccionado."));
    return seleccionada;
}

void Administracao::Mnu_GestBanco_Click()
{
    if (!VerificaContaSeleccionada())
        return;
    MostraDadosConta();
    m_vista.Frm_GestaoBancos->Cmd_ApagarTudo->setVisible(true);
}

void Administracao::MostraDadosConta()
{
    CarregaDadosConta();
}

bool Administracao::CarregaDadosConta()
{
    m_vista.Frm_GestaoBancos->move(twips(120), twips(600));
    m_vista.Frm_GestaoBancos->show();
    m_vista.Frm_GestaoBancos->raise();
    const int n = contexto().numBancoActual();
    m_numBancoGestao = n;
    std::optional<Conta> conta;
    try {
        conta = TabelaContas::le(contexto().ligacao(), n);
    } catch (const ErroBaseDados &erro) {
        m_vista.Frm_GestaoBancos->hide();
        MostraErroBaseDados(erro);
        return false;
    }
    if (!conta)
        return true; // no row for the slot: the boxes keep what they held
    const QString valores[] = {conta->banco,  conta->dependencia, conta->numconta,
                               conta->nib,    conta->gestor,      conta->password,
                               conta->observacoes};
    for (int i = ::Frm_GestaoBancos::Primeiro; i <= ::Frm_GestaoBancos::Ultimo; ++i)
        m_vista.Frm_GestaoBancos->setCampo(i, valores[i - ::Frm_GestaoBancos::Primeiro]);
    m_vista.Frm_GestaoBancos->TxtCampo(::Frm_GestaoBancos::Primeiro)->setFocus();
    return true;
}

void Administracao::Mnu_NovaConta_Click()
{
    contexto().estadoInicial();
    int livre = 0;
    for (int n = 1; n <= 9 && !livre; ++n)
        if (!m_vista.Mnu_Banco[size_t(n)]->isVisible())
            livre = n;
    if (!livre)
        return; // nine accounts in use: nothing to create, nothing said
    m_criandoConta = true;
    contexto().numBanco->setText(QString::number(livre));
    m_vista.Mnu_Banco[size_t(livre)]->setVisible(true);
    PreparaNovaConta();
}

void Administracao::PreparaNovaConta()
{
    if (!CarregaDadosConta()) {
        // The slot could not be read: give it back, as a cancel would.
        m_criandoConta = false;
        m_vista.Mnu_Banco[size_t(contexto().numBancoActual())]->setVisible(false);
        return;
    }
    m_vista.Lbl_NomeDoBanco->setText(TituloCriacao);
    m_vista.Lbl_NomeDoBanco->show();
    m_vista.Frm_GestaoBancos->Cmd_ApagarTudo->hide();
}

void Administracao::Cmd_Fechar1_Click()
{
    if (m_vista.Frm_GestaoBancos->Campo(::Frm_GestaoBancos::Primeiro).trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Terá que introduzir um Nome para a Conta/Banco"));
        m_vista.Frm_GestaoBancos->TxtCampo(::Frm_GestaoBancos::Primeiro)->setFocus();
        return;
    }
    m_vista.Frm_GestaoBancos->hide();
    try {
        GravaDadosConta();
    } catch (const ErroBaseDados &erro) {
        // Nothing was written: the frame comes back with what the user typed.
        MostraErroBaseDados(erro);
        m_vista.Frm_GestaoBancos->show();
        m_vista.Frm_GestaoBancos->raise();
    }
}

void Administracao::GravaDadosConta()
{
    const int n = contexto().numBancoActual();
    Conta dados;
    dados.numBanco = n;
    dados.banco = m_vista.Frm_GestaoBancos->Campo(5);
    dados.dependencia = m_vista.Frm_GestaoBancos->Campo(6);
    dados.numconta = m_vista.Frm_GestaoBancos->Campo(7);
    dados.nib = m_vista.Frm_GestaoBancos->Campo(8);
    dados.gestor = m_vista.Frm_GestaoBancos->Campo(9);
    dados.password = m_vista.Frm_GestaoBancos->Campo(10);
    dados.observacoes = m_vista.Frm_GestaoBancos->Campo(11);
    if (!TabelaContas::gravaDados(contexto().ligacao(), dados))
        return; // the slot has no row: nothing written, nothing said

    m_vista.Lbl_NomeDoBanco->setText(dados.banco);
    if (n >= 1 && n <= 9)
        m_vista.Mnu_Banco[size_t(n)]->setText(legendaMenu(dados.banco));
    if (m_criandoConta) {
        MsgBox(QStringLiteral("Criação da conta com sucesso!, volte novamente ao Menu Contas e "
                              "seleccione a Conta Criada."));
        m_criandoConta = false;
        // The new account is not opened: the window goes back to its start state with the menu
        // read again, and the user opens the account from it.
        contexto().estadoInicial();
        emit contasMudaram();
    }
}

void Administracao::Cmd_Cancelar1_Click()
{
    contexto().estadoInicial();
    m_criandoConta = false;
    emit contasMudaram();
}

void Administracao::ContaEscolhidaMudou()
{
    // Another account was chosen while the frame was open: its boxes belong to the slot they were
    // loaded from, so they must not be saved over the new one. The frame closes as on "Cancelar".
    if (!m_vista.Frm_GestaoBancos->isVisibleTo(contexto().janela) ||
        contexto().numBancoActual() == m_numBancoGestao)
        return;
    m_vista.Frm_GestaoBancos->hide();
    if (m_criandoConta) {
        m_criandoConta = false;
        emit contasMudaram();
    }
}

void Administracao::Cmd_ApagarTudo_Click()
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

void Administracao::ApagaConta()
{
    const int n = contexto().numBancoActual();
    TabelaContas::apaga(contexto().ligacao(), n);
    // The grid still holds the deleted movements: the ledger drops them, so that nothing of the
    // account can be written back at the end of the run.
    emit contaApagada(n);
    MsgBox(QStringLiteral("A conta e seus movimentos, foram apagados!"));
    emit contasMudaram();
    contexto().estadoInicial();
}

void Administracao::Mnu_PassGeral_Click()
{
    Frm_PassGeral janela(contexto().janela, contexto().ligacao(), m_passwordGeral);
    janela.exec();
}

void Administracao::Mnu_Categorias_Click()
{
    Frm_Tabelas janela(contexto().janela, contexto().ligacao());
    connect(&janela, &Frm_Tabelas::Lbl_TituloModulo_DblClick, this,
            &Administracao::tituloCategoriasDuploClique);
    try {
        janela.Form_Load();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
        return;
    }
    janela.exec();
}
