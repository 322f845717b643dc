#include "admin/Frm_Categoria.h"
#include "app/ModuloArranque.h"
#include "data/ErroBaseDados.h"
#include "data/TabelaCategorias.h"
#include "platform/BotaoQuebraTexto.h"
#include "platform/CaixaValor.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Frm_Categoria::Frm_Categoria(QWidget *dono, BaseDados &bd, const QString &nome)
    : QDialog(dono), m_bd(bd)
{
    setObjectName(QStringLiteral("Frm_Categoria"));
    setWindowTitle(QStringLiteral("Criação de nova Categoria"));
    // No close box. Escape or a close by the window manager reject the dialog, which stores
    // nothing, exactly like "Cancelar".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(twips(7170), twips(2745));

    Label1[0] = new QLabel(QStringLiteral("Identificação da Nova Categoria"), this);
    Label1[0]->setObjectName(QStringLiteral("Label1(0)"));
    Label1[0]->setGeometry(rectTwips(240, 360, 3015, 255));
    Txt_Categoria = new QLineEdit(this);
    Txt_Categoria->setObjectName(QStringLiteral("Txt_Categoria"));
    Txt_Categoria->setGeometry(rectTwips(240, 600, 4575, 375));

    Label1[1] = new QLabel(QStringLiteral("Valor por defeito"), this);
    Label1[1]->setObjectName(QStringLiteral("Label1(1)"));
    Label1[1]->setGeometry(rectTwips(5040, 360, 1815, 255));
    Txt_ValorCateg = new QLineEdit(this);
    Txt_ValorCateg->setObjectName(QStringLiteral("Txt_ValorCateg"));
    Txt_ValorCateg->setGeometry(rectTwips(5040, 600, 1935, 375));
    Txt_ValorCateg->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CaixaValor::instalaFiltro(Txt_ValorCateg);

    Label25_0 = new EtiquetaInformacao(
        QStringLiteral("    Poderá atribuir um valor por defeito à categoria, para que apareça "
                       "automaticamente esse valor na futura selecção."),
        this);
    Label25_0->setObjectName(QStringLiteral("Label25(0)"));
    Label25_0->setGeometry(rectTwips(120, 1560, 4215, 855));

    // Picture buttons: the picture above the caption, as designed; beside it "Cancelar" had
    // no room.
    Cmd_Cancelar = new BotaoQuebraTexto(QStringLiteral("Cancelar"), this);
    Cmd_Cancelar->setObjectName(QStringLiteral("Cmd_Cancelar"));
    Cmd_Cancelar->setGeometry(rectTwips(4440, 1560, 1215, 855));
    Cmd_Validar = new BotaoQuebraTexto(QStringLiteral("Ok"), this);
    Cmd_Validar->setObjectName(QStringLiteral("Cmd_Validar"));
    Cmd_Validar->setGeometry(rectTwips(5760, 1560, 1215, 855));
    for (QPushButton *b : {Cmd_Cancelar, Cmd_Validar})
        b->setIconSize(QSize(32, 32));

    setTabOrder(Txt_Categoria, Cmd_Cancelar);
    setTabOrder(Cmd_Cancelar, Cmd_Validar);
    setTabOrder(Cmd_Validar, Txt_ValorCateg);

    connect(Cmd_Validar, &QPushButton::clicked, this, &Frm_Categoria::Cmd_Validar_Click);
    connect(Cmd_Cancelar, &QPushButton::clicked, this, &QDialog::reject);
    Txt_Categoria->installEventFilter(this);
    Txt_ValorCateg->installEventFilter(this);

    // Opening.
    if (dono) {
        const QPoint canto = dono->pos();
        move(canto.x() + twips(600), canto.y() + twips(600));
    }
    Txt_Categoria->setText(nome);
    CarregaIcones();
    Txt_Categoria->setFocus();
}

std::optional<QString> Frm_Categoria::Cria(QWidget *dono, BaseDados &bd, const QString &nome)
{
    Frm_Categoria dialogo(dono, bd, nome);
    dialogo.exec();
    return dialogo.NomeGravado();
}

void Frm_Categoria::CarregaIcones()
{
    const QString pasta = PastaAplicacao();
    Cmd_Validar->setIcon(Imagens::icone(pasta, QStringLiteral("ok.ico")));
    Cmd_Cancelar->setIcon(Imagens::icone(pasta, QStringLiteral("cancelar.ico")));
    Label25_0->carregaIcone(pasta);
}

bool Frm_Categoria::eventFilter(QObject *alvo, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            (alvo == Txt_Categoria ? static_cast<QWidget *>(Txt_ValorCateg)
                                   : static_cast<QWidget *>(Cmd_Validar))
                ->setFocus(Qt::TabFocusReason);
            return true;
        }
    } else if (e->type() == QEvent::FocusOut && alvo == Txt_ValorCateg) {
        Txt_ValorCateg_LostFocus();
    }
    return false;
}

void Frm_Categoria::Txt_ValorCateg_LostFocus()
{
    // What is not an amount (pasted text, an amount beyond what a field holds) is cleared, so
    // what the box shows is what "Ok" stores.
    Txt_ValorCateg->setText(CaixaValor::reformata(Txt_ValorCateg->text()).value_or(QString()));
}

bool Frm_Categoria::GravaCategoria()
{
    const QString nome = Txt_Categoria->text();
    const Dinheiro valor = Dinheiro::interpreta(Txt_ValorCateg->text()).value_or(Dinheiro());
    try {
        TabelaCategorias::insere(m_bd, nome, valor);
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("Não foi possível gravar a nova categoria:\r") + erro.mensagem()
                   + QStringLiteral("\r\rPode tentar de novo ou cancelar."),
               QMessageBox::Ok, Icone::Critico);
        return false;
    }
    m_nomeGravado = nome;
    return true;
}

void Frm_Categoria::Cmd_Validar_Click()
{
    // The amount box may still hold unformatted text when "Ok" is pressed from the keyboard.
    Txt_ValorCateg_LostFocus();
    if (GravaCategoria())
        accept();
}
