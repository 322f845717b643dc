#include "extras/Frm_Email.h"
#include "app/ModuloArranque.h"
#include "extras/EnvioEmail.h"
#include "extras/ListaClientes.h"
#include "platform/CursorEspera.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Ficheiros.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QPushButton *etiquetaClicavel(const QString &texto, const char *nome, QWidget *pai)
{
    // A flat button: a caption with a picture beside it that takes clicks, Enter and Space.
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setFlat(true);
    b->setAutoDefault(true);
    b->setDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    b->setIconSize(QSize(24, 24));
    return b;
}

} // namespace

Frm_Email::Frm_Email(QWidget *dono) : QDialog(dono)
{
    setObjectName(QStringLiteral("Frm_Email"));
    setWindowTitle(QStringLiteral("Envio de Email"));
    setModal(true);
    setFixedSize(twips(7800), twips(6180));

    Label1 = new QLabel(QStringLiteral("Envio de Email"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bookman(QStringLiteral("Bookman Old Style"));
    bookman.setPointSize(16);
    bookman.setBold(true);
    Label1->setFont(bookman);
    Label1->setGeometry(rectTwips(120, 120, 5000, 500));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rectTwips(5400, 120, 2220, 780));
    Image1->setAlignment(Qt::AlignCenter);

    static const char *const rotulos[] = {"Email:", "Assunto:", "Texto de envio"};
    static const int topos[] = {1080, 1500, 1920};
    for (int i = 0; i < 3; ++i) {
        Label50[i] = new QLabel(QString::fromUtf8(rotulos[i]), this);
        Label50[i]->setObjectName(QStringLiteral("Label50(%1)").arg(i));
        Label50[i]->setGeometry(rectTwips(120, topos[i], i == 2 ? 3000 : 1200, 300));
    }
    Txt_Email = new QLineEdit(this);
    Txt_Email->setObjectName(QStringLiteral("Txt_Email"));
    Txt_Email->setGeometry(rectTwips(1380, 1050, 6240, 330));
    Txt_Assunto = new QLineEdit(this);
    Txt_Assunto->setObjectName(QStringLiteral("Txt_Assunto"));
    Txt_Assunto->setGeometry(rectTwips(1380, 1470, 6240, 330));
    Txt_TextoEmail = new QPlainTextEdit(this);
    Txt_TextoEmail->setObjectName(QStringLiteral("Txt_TextoEmail"));
    Txt_TextoEmail->setGeometry(rectTwips(120, 2220, 7500, 1800));
    Txt_TextoEmail->setTabChangesFocus(true);
    Label50[0]->setBuddy(Txt_Email);
    Label50[1]->setBuddy(Txt_Assunto);
    Label50[2]->setBuddy(Txt_TextoEmail);
    Txt_Email->installEventFilter(this);
    Txt_Assunto->installEventFilter(this);

    Label25 = new EtiquetaInformacao(
        QStringLiteral("Preencha o assunto e o texto e de seguida faça Enviar Email.\r"
                       "Caso deseje ser alertado para quando saiam novas versões, faça apenas "
                       "clique no botão respectivo, sem ter que preencher nada!\r"
                       "Nota: O email é enviado pelo servidor de correio indicado em Opções, "
                       "Configurar correio...")
            .replace(QLatin1Char('\r'), QLatin1Char('\n')),
        this);
    Label25->setObjectName(QStringLiteral("Label25(0)"));
    Label25->setGeometry(rectTwips(120, 4140, 7500, 1150));

    Label2 = etiquetaClicavel(QStringLiteral("Enviar Email / sugestão"), "Label2", this);
    Label2->setGeometry(rectTwips(120, 5460, 2700, 480));
    Label4 =
        etiquetaClicavel(QStringLiteral("Quero ser avisado das novas versões"), "Label4", this);
    Label4->setGeometry(rectTwips(2880, 5460, 3300, 480));
    Label3 = etiquetaClicavel(QStringLiteral("Sair"), "Label3", this);
    Label3->setGeometry(rectTwips(6300, 5460, 1320, 480));
    connect(Label2, &QPushButton::clicked, this, &Frm_Email::Label2_Click);
    connect(Label4, &QPushButton::clicked, this, &Frm_Email::Label4_Click);
    connect(Label3, &QPushButton::clicked, this, &Frm_Email::Label3_Click);

    if (dono) {
        const QPoint canto = dono->geometry().topLeft();
        move(canto.x() + twips(1200), canto.y() + twips(1150));
    }
    Txt_Email->setText(ListaClientes::CaixaProduto);
    CarregaIcones();
    Txt_Email->setFocus();
}

void Frm_Email::CarregaIcones()
{
    const QString pasta = PastaAplicacao();
    Label2->setIcon(Imagens::icone(pasta, QStringLiteral("EMAIL.ico")));
    Label3->setIcon(Imagens::icone(pasta, QStringLiteral("cancelar.ico")));
    Label25->carregaIcone(pasta);
    const QPixmap imagem = Imagens::carrega(pasta, QStringLiteral("EMAIL.ico"));
    if (!imagem.isNull())
        Image1->setPixmap(imagem.scaled(Image1->size(), Qt::KeepAspectRatio,
                                        Qt::SmoothTransformation));
}

bool Frm_Email::eventFilter(QObject *objecto, QEvent *e)
{
    // Enter moves on from the address to the subject and from the subject to the text.
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            if (objecto == Txt_Email) {
                Txt_Assunto->setFocus();
                return true;
            }
            if (objecto == Txt_Assunto) {
                Txt_TextoEmail->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(objecto, e);
}

bool Frm_Email::EnderecoPreenchido()
{
    if (!Txt_Email->text().trimmed().isEmpty())
        return true;
    MsgBox(QStringLiteral("O campo email tel que ser um campo válido..."));
    Txt_Email->setFocus();
    return false;
}

void Frm_Email::Label2_Click()
{
    if (EnderecoPreenchido())
        EnviaEmail();
}

void Frm_Email::Label4_Click()
{
    Txt_Assunto->setText(QStringLiteral("QUORVEL - Alerta de novas versões"));
    Txt_TextoEmail->setPlainText(
        QStringLiteral("Desejo ser avisado das novas versões do programa QUORVEL"));
    EnviaEmail();
}

void Frm_Email::Label3_Click()
{
    reject();
}

void Frm_Email::EnviaEmail()
{
    if (!EnderecoPreenchido())
        return;
    const QString pasta = PastaAplicacao();
    QString anexo = Ficheiros::encontra(pasta, NomeAnexoEmail);
    if (anexo.isEmpty())
        anexo = QDir(pasta).filePath(NomeAnexoEmail);
    const MensagemEmail mensagem = MensagemEmail::compoe(
        Txt_Email->text(), Txt_Assunto->text(), Txt_TextoEmail->toPlainText(), anexo);
    ResultadoEnvio r;
    {
        CursorEspera espera;
        r = EnvioEmail::enviaSemBloquear(mensagem, ConfiguracaoEmail::doUtilizador());
    }
    if (!r.enviado) {
        // Nothing is lost: the window stays open with everything typed.
        MsgBox(r.erro, QMessageBox::Ok, Icone::Critico);
        return;
    }
    MsgBox(QStringLiteral("O email foi enviado com sucesso..."));
    accept();
}
