// Loading, start state, activation and end of the run of the main window.
#include "app/Frm_bancos.h"
#include "app/EstadoPrograma.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "data/TabelaEmpresa.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Ficheiros.h"
#include "platform/FlexGrid.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {
const QString CaminhoDesenvolvimento = QStringLiteral("D:\\VENTRIX\\QUORVEL");
}

Frm_bancos::Frm_bancos(QWidget *pai) : QMainWindow(pai)
{
    setObjectName(QStringLiteral("Frm_bancos"));
    CriaControlos();
    CriaMenus();
    LigaMovimentos();
    LigaAdministracao();
    RegistaSubsistemas();
}

Frm_bancos::~Frm_bancos() = default;

QWidget *Frm_bancos::Controlo(const QString &nome) const
{
    return findChild<QWidget *>(nome);
}

int Frm_bancos::NumBancoActual() const
{
    bool ok = false;
    const int n = Txt_NumBanco->text().trimmed().toInt(&ok);
    return ok ? n : 0;
}

void Frm_bancos::MostraErroBaseDados(const ErroBaseDados &erro) const
{
    MsgBox(QStringLiteral("Ocorreu um erro ao trabalhar com a base de dados:\r")
               + erro.mensagem()
               + QStringLiteral("\r\rOs dados já gravados não foram alterados."),
           QMessageBox::Ok, Icone::Critico);
}

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
    for (const char *nome : {"Txt_NumBanco", "Txt_NumAuto", "Txt_BotaoFrame2"})
        if (QWidget *w = Controlo(QString::fromLatin1(nome)))
            w->setVisible(desenvolvimento);
    Mnu_MestreEnviaEmails->setVisible(desenvolvimento);

    try {
        CarregaMenuContas();
        RestauraUltimaConta();
        LePasswordGeral();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
        return 3;
    }
    Estado().DicasMostradas = false;
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
    // Controls of frames that live in other subsystems are found by name; a missing control
    // or picture is skipped without a word.
    static const struct { const char *controlo, *ficheiro; } icones[] = {
        {"Cmd_Validar", "ok.ico"},          {"Cmd_FechaFrame2", "cancelar.ico"},
        {"Cmd_ApagaMovimento", "lixo.ico"}, {"Cmd_Fechar1", "exit.gif"},
        {"Cmd_Cancelar1", "cancelar.ico"},  {"Cmd_ApagarTudo", "lixo.ico"},
        {"Cmd_Consultar", "ok.ico"},        {"Cmd_CancelaConsulta", "cancelar.ico"},
    };
    const QString pasta = PastaAplicacao();
    for (const auto &i : icones) {
        if (auto *botao = qobject_cast<QAbstractButton *>(Controlo(QString::fromLatin1(i.controlo))))
            botao->setIcon(Imagens::icone(pasta, QString::fromLatin1(i.ficheiro)));
    }
    const QPixmap inicio = Imagens::carrega(pasta, QStringLiteral("quorvel.bmp"));
    if (!inicio.isNull())
        Image1->setPixmap(inicio.scaled(Image1->size(), Qt::KeepAspectRatio,
                                        Qt::SmoothTransformation));
    for (int i = 0; i <= 3; ++i)
        if (auto *informacao =
                qobject_cast<EtiquetaInformacao *>(Controlo(QStringLiteral("Label25(%1)").arg(i))))
            informacao->carregaIcone(pasta);
    for (Subsistema *s : m_subsistemas)
        s->CarregaIcones(pasta);
}

void Frm_bancos::EscondeRazao()
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             MSHFlexGrid1, Label2, Lbl_NomeDoBanco, Cmd_CriaNovaEntrada,
             Cmd_CriaNovaEntradaDebito, Cmd_CriaNovaEntrada1, Label25_0, Txt_SaldoFinal,
             Label1_10})
        w->hide();
}

void Frm_bancos::EstadoInicial()
{
    EscondeRazao();
    for (const char *frame : {"Frame2", "Frm_GestaoBancos", "Frm_Pesquisas"})
        if (QWidget *w = Controlo(QString::fromLatin1(frame)))
            w->hide();
    Mnu_GestBanco->setVisible(false);
    Mnu_Movimentos->menuAction()->setVisible(false);
    Image1->show();
    Image1->setFocus();
    for (Subsistema *s : m_subsistemas)
        s->EstadoInicial();
}

void Frm_bancos::LePasswordGeral()
{
    Estado().PasswordGeral = TabelaEmpresa::lePasswordGeral(Ligacao());
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
    CalculaDiasSemBackup();
    VerificaAvisoBackup();
    if (!Estado().DicasMostradas) {
        if (MostraDicaDoDia()) {
            Estado().DicasMostradas = true;
            Mnu_DicasEntrada->setChecked(true);
        } else {
            Mnu_DicasEntrada->setChecked(false);
        }
    }
}

void Frm_bancos::closeEvent(QCloseEvent *e)
{
    // The end of the run: rows still marked changed are written, then the open account is
    // remembered. A database error is told and the program still closes.
    if (LigacaoAberta()) {
        try {
            GravaLinhasAlteradas();
        } catch (const ErroBaseDados &erro) {
            MostraErroBaseDados(erro);
        }
        try {
            GuardaEstadoConta();
        } catch (const ErroBaseDados &erro) {
            MostraErroBaseDados(erro);
        }
    }
    for (Subsistema *s : m_subsistemas)
        if (!s->FimExecucao()) {
            e->ignore();
            return;
        }
    e->accept();
}
