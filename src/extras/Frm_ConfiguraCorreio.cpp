#include "extras/Frm_ConfiguraCorreio.h"
#include "extras/CofreSenhas.h"
#include "extras/EnvioEmail.h"
#include "platform/CursorEspera.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace {

const QString TituloJanela = QStringLiteral("Configurar correio");
const SegurancaEmail Opcoes[] = {SegurancaEmail::StartTls, SegurancaEmail::Tls,
                                 SegurancaEmail::Nenhuma};

template <class W> W *controlo(QWidget *pai, const char *nome, QRect onde)
{
    auto *w = new W(pai);
    w->setObjectName(QString::fromLatin1(nome));
    w->setGeometry(onde);
    return w;
}

QLabel *rotulo(QWidget *pai, const char *nome, const QString &texto, int topo, QWidget *campo)
{
    auto *l = controlo<QLabel>(pai, nome, rectTwips(120, topo + 30, 1500, 300));
    l->setText(texto);
    l->setBuddy(campo);
    return l;
}

} // namespace

Frm_ConfiguraCorreio::Frm_ConfiguraCorreio(QWidget *dono) : QDialog(dono)
{
    setObjectName(QStringLiteral("Frm_ConfiguraCorreio"));
    setWindowTitle(TituloJanela);
    setModal(true);
    setFixedSize(twips(6600), twips(4560));

    const int campo = 1680, largura = 4800;
    Txt_Servidor = controlo<QLineEdit>(this, "Txt_Servidor", rectTwips(campo, 120, largura, 330));
    Txt_Porta = controlo<QLineEdit>(this, "Txt_Porta", rectTwips(campo, 540, 1000, 330));
    Txt_Porta->setValidator(new QIntValidator(1, 65535, Txt_Porta));
    Cmb_Seguranca = controlo<QComboBox>(this, "Cmb_Seguranca", rectTwips(campo, 960, 2000, 330));
    for (SegurancaEmail s : Opcoes)
        Cmb_Seguranca->addItem(ConfiguracaoEmail::nomeSeguranca(s));
    Txt_Utilizador =
        controlo<QLineEdit>(this, "Txt_Utilizador", rectTwips(campo, 1380, largura, 330));
    Txt_Password = controlo<QLineEdit>(this, "Txt_Password", rectTwips(campo, 1800, largura, 330));
    Txt_Password->setEchoMode(QLineEdit::Password);
    Txt_Remetente =
        controlo<QLineEdit>(this, "Txt_Remetente", rectTwips(campo, 2220, largura, 330));

    Lbl_Servidor = rotulo(this, "Lbl_Servidor", QStringLiteral("Servidor:"), 120, Txt_Servidor);
    Lbl_Porta = rotulo(this, "Lbl_Porta", QStringLiteral("Porta:"), 540, Txt_Porta);
    Lbl_Seguranca =
        rotulo(this, "Lbl_Seguranca", QStringLiteral("Segurança:"), 960, Cmb_Seguranca);
    Lbl_Utilizador =
        rotulo(this, "Lbl_Utilizador", QStringLiteral("Utilizador:"), 1380, Txt_Utilizador);
    Lbl_Password = rotulo(this, "Lbl_Password", QStringLiteral("Password:"), 1800, Txt_Password);
    Lbl_Remetente =
        rotulo(this, "Lbl_Remetente", QStringLiteral("Remetente:"), 2220, Txt_Remetente);

    Lbl_Nota = controlo<QLabel>(this, "Lbl_Nota", rectTwips(120, 2700, 6360, 1020));
    Lbl_Nota->setWordWrap(true);
    Lbl_Nota->setText(QStringLiteral(
        "A password só é enviada ao servidor por uma ligação segura (STARTTLS ou TLS). Fica "
        "guardada no cofre de senhas do ambiente de trabalho ou, se não houver nenhum, no "
        "ficheiro de definições, que só o seu utilizador pode ler. A mensagem de teste é "
        "enviada para o endereço do remetente."));

    Cmd_EnviarTeste =
        controlo<QPushButton>(this, "Cmd_EnviarTeste", rectTwips(120, 3900, 2700, 420));
    Cmd_EnviarTeste->setText(QStringLiteral("Enviar mensagem de teste"));
    Cmd_Guardar = controlo<QPushButton>(this, "Cmd_Guardar", rectTwips(3600, 3900, 1380, 420));
    Cmd_Guardar->setText(QStringLiteral("Guardar"));
    Cmd_Guardar->setDefault(true);
    Cmd_Cancelar = controlo<QPushButton>(this, "Cmd_Cancelar", rectTwips(5100, 3900, 1380, 420));
    Cmd_Cancelar->setText(QStringLiteral("Cancelar"));
    connect(Cmd_EnviarTeste, &QPushButton::clicked, this,
            &Frm_ConfiguraCorreio::Cmd_EnviarTeste_Click);
    connect(Cmd_Guardar, &QPushButton::clicked, this, &Frm_ConfiguraCorreio::Cmd_Guardar_Click);
    connect(Cmd_Cancelar, &QPushButton::clicked, this, &QDialog::reject);

    // What the settings hold now (the environment variable, a test aid, is not shown).
    const QSettings definicoes;
    const ConfiguracaoEmail c = ConfiguracaoEmail::de(definicoes, QString());
    const bool semServidor = definicoes.value(ChavesEmail::Servidor).toString().trimmed().isEmpty();
    if (!semServidor) {
        Txt_Servidor->setText(c.servidor);
        Txt_Porta->setText(QString::number(c.porta));
    } else {
        Txt_Porta->setText(QString::number(ConfiguracaoEmail::portaPorOmissao(
            SegurancaEmail::StartTls)));
    }
    const SegurancaEmail s =
        c.seguranca == SegurancaEmail::Oportunista && !semServidor ? SegurancaEmail::StartTls
                                                                   : c.seguranca;
    for (int i = 0; i < int(std::size(Opcoes)); ++i)
        if (Opcoes[i] == s)
            Cmb_Seguranca->setCurrentIndex(i);
    Txt_Utilizador->setText(c.utilizador);
    Txt_Remetente->setText(c.remetente);
    m_temPassword = ConfiguracaoEmail::temPassword(definicoes);
    m_passwordFicheiro = c.password;
    if (m_temPassword)
        Txt_Password->setPlaceholderText(QStringLiteral("(password guardada)"));
    // The usual port follows the security chosen, unless the user typed another.
    connect(Cmb_Seguranca, &QComboBox::activated, this, &Frm_ConfiguraCorreio::Cmb_Seguranca_Click);
    Txt_Servidor->setFocus();
}

void Frm_ConfiguraCorreio::Cmb_Seguranca_Click()
{
    bool usual = Txt_Porta->text().trimmed().isEmpty();
    for (SegurancaEmail s : Opcoes)
        usual = usual || Txt_Porta->text().trimmed()
                             == QString::number(ConfiguracaoEmail::portaPorOmissao(s));
    if (usual)
        Txt_Porta->setText(QString::number(
            ConfiguracaoEmail::portaPorOmissao(Opcoes[Cmb_Seguranca->currentIndex()])));
}

ConfiguracaoEmail Frm_ConfiguraCorreio::Escolhida() const
{
    const int i = std::max(0, Cmb_Seguranca->currentIndex());
    ConfiguracaoEmail c = ConfiguracaoEmail::servidorEscolhido(
        Txt_Servidor->text(), Txt_Porta->text().trimmed().toInt(), Opcoes[i]);
    c.utilizador = Txt_Utilizador->text().trimmed();
    c.remetente = Txt_Remetente->text().trimmed();
    c.password = Txt_Password->text().isEmpty() ? m_passwordFicheiro : Txt_Password->text();
    return c;
}

bool Frm_ConfiguraCorreio::Valida(const ConfiguracaoEmail &c)
{
    const QString problema = c.verifica();
    if (problema.isEmpty())
        return true;
    MsgBox(problema, QMessageBox::Ok, Icone::Exclamacao, TituloJanela);
    return false;
}

void Frm_ConfiguraCorreio::Cmd_EnviarTeste_Click()
{
    ConfiguracaoEmail c = Escolhida();
    if (!Valida(c))
        return;
    const QString destino = c.remetenteEfectivo();
    if (!enderecoValido(destino)) {
        MsgBox(QStringLiteral("Indique o remetente: a mensagem de teste é enviada para esse "
                              "endereço."),
               QMessageBox::Ok, Icone::Exclamacao, TituloJanela);
        Txt_Remetente->setFocus();
        return;
    }
    ResultadoEnvio r;
    {
        CursorEspera espera;
        if (Txt_Password->text().isEmpty() && c.password.isEmpty() && m_temPassword
            && !c.utilizador.isEmpty())
            c.password = ConfiguracaoEmail::doUtilizador().password; // kept in the store
        const MensagemEmail m = MensagemEmail::compoe(
            destino, QStringLiteral("Quorvel - mensagem de teste"),
            QStringLiteral("Esta mensagem foi enviada pelo Quorvel para verificar a "
                           "configuração do correio."),
            QString());
        r = EnvioEmail::enviaSemBloquear(m, c);
    }
    if (!r.enviado) {
        MsgBox(r.erro, QMessageBox::Ok, Icone::Critico, TituloJanela);
        return;
    }
    MsgBox(QStringLiteral("O servidor aceitou a mensagem de teste para %1.").arg(destino)
               + (r.resposta.isEmpty() ? QString()
                                       : QStringLiteral("\r\rResposta do servidor: ") + r.resposta),
           QMessageBox::Ok, Icone::Informacao, TituloJanela);
}

void Frm_ConfiguraCorreio::Cmd_Guardar_Click()
{
    const ConfiguracaoEmail c = Escolhida();
    if (!Valida(c))
        return;
    QSettings definicoes;
    QString falha;
    {
        CursorEspera espera; // the store may take a moment
        falha = c.grava(definicoes, CofreSenhas::actual(), !Txt_Password->text().isEmpty());
    }
    if (!falha.isEmpty()) {
        MsgBox(QStringLiteral("As definições do correio não foram guardadas: ") + falha,
               QMessageBox::Ok, Icone::Critico, TituloJanela);
        return;
    }
    accept();
}
