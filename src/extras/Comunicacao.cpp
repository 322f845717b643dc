#include "extras/Comunicacao.h"
#include "app/ModuloArranque.h"
#include "data/ErroBaseDados.h"
#include "extras/Frm_ConfiguraCorreio.h"
#include "extras/Frm_Email.h"
#include "extras/Frm_EnviaEmailNovaVersao.h"
#include "extras/ListaClientes.h"
#include "extras/TextoActualizacao.h"
#include "platform/CursorEspera.h"
#include "platform/Ficheiros.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

Comunicacao::Comunicacao(const ContextoJanela &contexto, QAction *Mnu_EnviarEmail,
                         QAction *Mnu_Actualizacao, QAction *Mnu_MestreEnviaEmails,
                         QAction *Mnu_ConfigurarCorreio, QObject *pai)
    : Subsistema(contexto, pai)
{
    m_frame = new Frm_EnviaEmailNovaVersao(contexto.area);
    connect(m_frame->CommandButton1, &QPushButton::clicked, this,
            &Comunicacao::EnviaEmailsClientes);
    connect(Mnu_EnviarEmail, &QAction::triggered, this, &Comunicacao::Mnu_EnviarEmail_Click);
    connect(Mnu_Actualizacao, &QAction::triggered, this, &Comunicacao::Mnu_Actualizacao_Click);
    connect(Mnu_MestreEnviaEmails, &QAction::triggered, this,
            &Comunicacao::Mnu_MestreEnviaEmails_Click);
    connect(Mnu_ConfigurarCorreio, &QAction::triggered, this,
            &Comunicacao::Mnu_ConfigurarCorreio_Click);
}

void Comunicacao::EstadoInicial()
{
    m_frame->hide();
}

void Comunicacao::Mnu_EnviarEmail_Click()
{
    Frm_Email janela(contexto().janela);
    janela.exec();
}

void Comunicacao::Mnu_ConfigurarCorreio_Click()
{
    Frm_ConfiguraCorreio janela(contexto().janela);
    janela.exec();
}

void Comunicacao::Mnu_Actualizacao_Click()
{
    ActualizaPrograma();
}

void Comunicacao::Mnu_MestreEnviaEmails_Click()
{
    m_frame->Mostra();
}

void Comunicacao::ActualizaPrograma()
{
    const QString pasta = TextoActualizacao::pastaPrograma();
    const bool instalada = TextoActualizacao::instalada(pasta);
    const QString deb = TextoActualizacao::enderecoDeb(QSettings());
    const QString texto =
        instalada ? TextoActualizacao::constroiInstalada(
                        pasta, deb, QDir::toNativeSeparators(PastaAplicacao()))
                  : TextoActualizacao::constroi(pasta);
    if (MsgBox(texto, QMessageBox::Ok | QMessageBox::Cancel, Icone::Nenhum,
               TextoActualizacao::Titulo)
        != QMessageBox::Ok)
        return;
    // Changed rows are written before anything else: when that fails the update does not start,
    // so the program never ends with movements unsaved.
    try {
        CursorEspera espera;
        if (contexto().gravaTodasLinhas)
            contexto().gravaTodasLinhas();
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("A actualização não foi iniciada: não foi possível gravar os "
                              "movimentos alterados.\r")
                   + erro.mensagem()
                   + QStringLiteral("\r\rO programa continua aberto e os dados já gravados não "
                                    "foram alterados."),
               QMessageBox::Ok, Icone::Critico, TextoActualizacao::Titulo);
        return;
    }
    QDesktopServices::openUrl(QUrl(TextoActualizacao::endereco(instalada, deb)));
    // The run ends here, but as closing the window ends it: the open account is remembered.
    contexto().terminaPrograma();
    if (!contexto().janela || !contexto().janela->isVisible())
        QCoreApplication::quit();
}

ResultadoEnvio Comunicacao::EnviaAvisoNovaVersao(const QString &endereco)
{
    const QString pasta = PastaAplicacao();
    QString anexo = Ficheiros::encontra(pasta, NomeAnexoEmail);
    if (anexo.isEmpty())
        anexo = QDir(pasta).filePath(NomeAnexoEmail);
    const MensagemEmail mensagem = MensagemEmail::compoe(
        endereco, QStringLiteral("QUORVEL - nova actualização do programa."),
        m_frame->Txt_TextoEmail->toPlainText(), anexo);
    CursorEspera espera;
    return EnvioEmail::enviaSemBloquear(mensagem, ConfiguracaoEmail::doUtilizador());
}

void Comunicacao::EnviaEmailsClientes()
{
    // One notice per entry, in list order, without a word between them. Whoever could not be
    // reached is named once at the end, so a failure is never taken for a notice sent.
    // A server that cannot be reached stops the round at once instead of making the maker wait
    // out the time limit once per customer.
    const QStringList lista = ListaClientes::enderecos();
    QStringList falhas;
    {
        CursorEspera espera;
        for (qsizetype i = 0; i < lista.size(); ++i) {
            const ResultadoEnvio r = EnviaAvisoNovaVersao(lista[i]);
            if (r.enviado)
                continue;
            if (r.servidorIndisponivel) {
                falhas << QStringLiteral("%1 endereços ficaram por avisar:\r%2")
                              .arg(lista.size() - i)
                              .arg(r.erro);
                break;
            }
            falhas << lista[i] + QStringLiteral(": ") + r.erro;
        }
    }
    if (!falhas.isEmpty())
        MsgBox(QStringLiteral("Nem todos os avisos foram enviados.\r\r")
                   + falhas.join(QStringLiteral("\r")),
               QMessageBox::Ok, Icone::Critico);
}
