#include "backup/Frm_Backups.h"
#include "app/ModuloArranque.h"
#include "backup/DialogoBackup.h"
#include "data/ErroBaseDados.h"
#include "platform/BotaoQuebraTexto.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QLabel>

namespace {

constexpr int Largura = 9900, Altura = 6000;

QLabel *etiqueta(const char *nome, const QString &texto, const QRect &posicao, QWidget *pai)
{
    auto *l = new QLabel(texto, pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setGeometry(posicao);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    return l;
}

BotaoQuebraTexto *botao(const char *nome, const QString &legenda, const QRect &posicao,
                        QWidget *pai)
{
    auto *b = new BotaoQuebraTexto(legenda, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(posicao);
    b->setIconSize(QSize(32, 32));
    b->setAutoDefault(true);
    return b;
}

} // namespace

Frm_Backups::Frm_Backups(std::function<BaseDados &()> ligacao, int diasSemBackup, QWidget *dono)
    : QDialog(dono), m_ligacao(std::move(ligacao)), m_diasSemBackup(diasSemBackup)
{
    setObjectName(QStringLiteral("Frm_Backups"));
    setWindowTitle(QStringLiteral("Backups (cópias de segurança do programa)"));
    setModal(true);
    setFixedSize(twips(Largura), twips(Altura));

    // The background picture first, so everything else is drawn over it.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rectTwips(0, 0, Largura, Altura));

    Label1 = etiqueta("Label1", QStringLiteral("BACKUPS (Cópias de Segurança)"),
                      rectTwips(240, 240, 9420, 600), this);
    QFont titulo(QStringLiteral("Book Antiqua"));
    titulo.setPointSize(18);
    titulo.setBold(true);
    Label1->setFont(titulo);

    Label2 = etiqueta("Label2", QStringLiteral("Sabia que já não faz"),
                      rectTwips(240, 1020, 9420, 1380), this);
    QFont aviso = Label2->font();
    aviso.setPointSize(12);
    aviso.setBold(true);
    Label2->setFont(aviso);
    QPalette vermelho = Label2->palette();
    vermelho.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    Label2->setPalette(vermelho);

    Label25 = new EtiquetaInformacao(
        QStringLiteral("Aproveite e faça já as cópias de segurança... "
                       "Faça regularmente os seus backups..."),
        this);
    Label25->setObjectName(QStringLiteral("Label25"));
    Label25->setGeometry(rectTwips(840, 2580, 8220, 720));

    CommandButton2 = botao("CommandButton2", QStringLiteral("Fazer agora as cópias de segurança"),
                           rectTwips(1560, 3780, 3240, 1260), this);
    CommandButton1 = botao("CommandButton1", QStringLiteral("Fechar"),
                           rectTwips(5100, 3780, 3240, 1260), this);
    connect(CommandButton2, &QPushButton::clicked, this, &Frm_Backups::CommandButton2_Click);
    connect(CommandButton1, &QPushButton::clicked, this, &Frm_Backups::CommandButton1_Click);

    Form_Load();
    CommandButton2->setFocus();
}

QString Frm_Backups::TextoDiasSemBackup(int dias)
{
    return QStringLiteral("ATENÇÃO: JÁ NÃO FAZ COPIAS DE SEGURANÇA À  \r\r")
           + (dias >= 0 ? QStringLiteral(" ") : QString()) + QString::number(dias)
           + QStringLiteral(" DIAS!...");
}

void Frm_Backups::Form_Load()
{
    CarregaIcones();
    // A carriage return in the text is a line break on screen.
    Label2->setText(TextoDiasSemBackup(m_diasSemBackup).replace(QLatin1Char('\r'),
                                                                QLatin1Char('\n')));
}

void Frm_Backups::CarregaIcones()
{
    const QString pasta = PastaAplicacao();
    Label25->carregaIcone(pasta);
    CommandButton1->setIcon(Imagens::icone(pasta, QStringLiteral("exit.gif")));
    CommandButton2->setIcon(Imagens::icone(pasta, QStringLiteral("backup1.ico")));
    const QPixmap fundo = Imagens::carrega(pasta, QStringLiteral("fundoveiculos.jpg"));
    if (!fundo.isNull())
        Image1->setPixmap(fundo.scaled(Image1->size(), Qt::IgnoreAspectRatio,
                                       Qt::SmoothTransformation));
}

void Frm_Backups::CommandButton2_Click()
{
    BaseDados *bd = nullptr;
    try {
        bd = &m_ligacao();
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("Não foi possível fazer a cópia de segurança:\r") + erro.mensagem(),
               QMessageBox::Ok, Icone::Critico);
        return;
    }
    if (DialogoBackup(this, *bd).EfectuaBackup())
        accept();
}

void Frm_Backups::CommandButton1_Click()
{
    reject();
}
