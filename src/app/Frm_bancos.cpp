// Loading, start state, activation and end of the run of the main window, and the forwarders of
// the design's procedures to the subsystems that own them.
#include "app/Frm_bancos.h"
#include "admin/Administracao.h"
#include "app/AvisoErroBaseDados.h"
#include "app/ModuloArranque.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "ledger/Frame2.h"
#include "ledger/Razao.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/Ficheiros.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString CaminhoDesenvolvimento = QStringLiteral("D:\\VENTRIX\\QUORVEL");
}

Frm_bancos::Frm_bancos(QWidget *pai) : QMainWindow(pai)
{
    setObjectName(QStringLiteral("Frm_bancos"));
    CriaControlos();
    CriaMenus();
    RegistaSubsistemas();
    LigaControlos();
}

Frm_bancos::~Frm_bancos() = default;

int Frm_bancos::Form_Load()
{
    if (!VerificaFicheiroConfiguracao())
        return 1;
    if (!VerificaFicheiroBancos())
        return 1;
    adjustSize();
    CentraJanela(this);
    Label3->move(twips(120), twips(7200));
    GifView->move(twips(6960), twips(7080));
    setWindowTitle(QStringLiteral("Quorvel  versão 1.6 "));
    // The animated picture and its timer take their places here, before the connection opens.
    try {
        AbreLigacao(QStringLiteral("Access"));
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("Não foi possível abrir o ficheiro de Bancos (quorvel.mdb).\r"
                              "O ficheiro pode estar danificado ou não pertencer ao Quorvel;"
                              " não foi alterado.\r\r")
                   + erro.mensagem()
                   + QStringLiteral("\r\rConsulte o suporte técnico."),
               QMessageBox::Ok, Icone::Critico, QStringLiteral("AVISO"));
        return 2;
    }
    CarregaIcones();
    EstadoInicial();

    const bool desenvolvimento =
        QDir::toNativeSeparators(PastaAplicacao()).toUpper() == CaminhoDesenvolvimento;
    for (QWidget *w : {static_cast<QWidget *>(Txt_NumBanco),
                       static_cast<QWidget *>(Frame2->Txt_NumAuto),
                       static_cast<QWidget *>(Frame2->Txt_BotaoFrame2)})
        w->setVisible(desenvolvimento);
    Mnu_MestreEnviaEmails->setVisible(desenvolvimento);

    try {
        m_razao->CarregaMenuContas();
        m_razao->RestauraUltimaConta();
        m_administracao->LePasswordGeral();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
        return 3;
    }
    return 0;
}

bool Frm_bancos::VerificaFicheiroConfiguracao()
{
    if (Ficheiros::existe(PastaAplicacao(), QStringLiteral("Texto01.gif")))
        return true;
    MsgBox(QStringLiteral("Nota: O programa tem um ficheiro de configuração em falta... "
                          "consulte o apoio técnico!"),
           QMessageBox::Ok, Icone::Informacao, QStringLiteral("AVISO"));
    return false;
}

bool Frm_bancos::VerificaFicheiroBancos()
{
    if (Ficheiros::existe(PastaAplicacao(), Esquema::NomeFicheiro))
        return true;
    MsgBox(QStringLiteral("o ficheiro de Bancos não existe... consulte o suporte técnico"));
    return false;
}

void Frm_bancos::CarregaIcones()
{
    // Each subsystem puts the pictures on its own controls; a missing picture is skipped.
    const QString pasta = PastaAplicacao();
    for (Subsistema *s : m_subsistemas)
        s->CarregaIcones(pasta);
}

void Frm_bancos::EstadoInicial()
{
    Frame2->hide();
    for (Subsistema *s : m_subsistemas)
        s->EstadoInicial();
}

bool Frm_bancos::event(QEvent *e)
{
    const bool r = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate && LigacaoAberta())
        Form_Activate();
    return r;
}

void Frm_bancos::Form_Activate()
{
    for (Subsistema *s : m_subsistemas)
        s->Activacao();
}

void Frm_bancos::closeEvent(QCloseEvent *e)
{
    // The end of the run, in registration order: the ledger writes its changed rows and
    // remembers the open account first. A subsystem may keep the window open.
    for (Subsistema *s : m_subsistemas)
        if (!s->FimExecucao()) {
            e->ignore();
            return;
        }
    e->accept();
}

// ---- forwarders ----

void Frm_bancos::AbreConta() { m_razao->AbreConta(); }
void Frm_bancos::Mnu_Banco_Click(int n) { m_razao->Mnu_Banco_Click(n); }
void Frm_bancos::Image1_Click() { m_razao->Image1_Click(); }
void Frm_bancos::Cmd_CriaNovaEntrada_Click() { m_razao->Cmd_CriaNovaEntrada_Click(); }
void Frm_bancos::Cmd_CriaNovaEntradaDebito_Click() { m_razao->Cmd_CriaNovaEntradaDebito_Click(); }
void Frm_bancos::Mnu_MovCredito_Click() { m_razao->Cmd_CriaNovaEntrada_Click(); }
void Frm_bancos::Mnu_MovDebito_Click() { m_razao->Cmd_CriaNovaEntradaDebito_Click(); }
void Frm_bancos::TrataBotaoFrame2() { m_razao->TrataBotaoFrame2(); }
void Frm_bancos::GravaTodasLinhas() { m_razao->GravaTodasLinhas(); }

void Frm_bancos::Mnu_NovaConta_Click() { m_administracao->Mnu_NovaConta_Click(); }
void Frm_bancos::Mnu_GestBanco_Click() { m_administracao->Mnu_GestBanco_Click(); }
void Frm_bancos::MostraDadosConta() { m_administracao->MostraDadosConta(); }
void Frm_bancos::Mnu_PassGeral_Click() { m_administracao->Mnu_PassGeral_Click(); }
void Frm_bancos::Mnu_Categorias_Click() { m_administracao->Mnu_Categorias_Click(); }
