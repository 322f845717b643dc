#include "admin/Frm_PassGeral.h"
#include "app/ModuloArranque.h"
#include "data/ErroBaseDados.h"
#include "data/TabelaEmpresa.h"
#include "data/Texto.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Frm_PassGeral::Frm_PassGeral(QWidget *dono, BaseDados &bd, QString &passwordGeral)
    : QDialog(dono), m_bd(bd), m_passwordGeral(passwordGeral)
{
    setObjectName(QStringLiteral("Frm_PassGeral"));
    setWindowTitle(QStringLiteral("Password Geral de Acesso (supervisor)"));
    setModal(true);
    setFixedSize(twips(7200), twips(3600));

    static const char *const rotulos[] = {"Palavra Pass Antiga:", "Nova Password:",
                                          "Volte a introduzir a Nova Password: "};
    for (int i = 0; i < 3; ++i) {
        const int topo = 840 + 480 * i;
        auto *rotulo = new QLabel(QString::fromUtf8(rotulos[i]), this);
        rotulo->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        rotulo->setGeometry(rectTwips(240, topo, 3300, 315));
        rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *caixa = new QLineEdit(this);
        caixa->setObjectName(QStringLiteral("Txt_Var(%1)").arg(i));
        caixa->setGeometry(rectTwips(3660, topo, 3300, 315));
        caixa->installEventFilter(this);
        rotulo->setBuddy(caixa);
        Txt_Var[size_t(i)] = caixa;
    }

    Label25 = new EtiquetaInformacao(QStringLiteral("    Esta a password de supervisor, com esta password voçe "
                                    "poderá entrar em todos os bancos... não a esqueça!..."), this);
    Label25->setObjectName(QStringLiteral("Label25"));
    Label25->setGeometry(rectTwips(120, 120, 6960, 600));

    Cmd_ValPassGer = new QPushButton(QStringLiteral("Validar"), this);
    Cmd_ValPassGer->setObjectName(QStringLiteral("Cmd_ValPassGer"));
    Cmd_ValPassGer->setGeometry(rectTwips(3660, 2400, 1600, 450));
    Cmd_CancelarPass = new QPushButton(QStringLiteral("Cancelar"), this);
    Cmd_CancelarPass->setObjectName(QStringLiteral("Cmd_CancelarPass"));
    Cmd_CancelarPass->setGeometry(rectTwips(5360, 2400, 1600, 450));
    // Enter in a box never confirms: it walks the boxes and stops on "Validar"; a further Enter
    // presses the button that has the focus. Auto-default buttons take Enter when focused, and
    // the boxes swallow their own Enter, so the dialog never picks a default on its own.
    for (QPushButton *b : {Cmd_ValPassGer, Cmd_CancelarPass}) {
        b->setAutoDefault(true);
        b->setDefault(false);
    }
    connect(Cmd_ValPassGer, &QPushButton::clicked, this, &Frm_PassGeral::Cmd_ValPassGer_Click);
    connect(Cmd_CancelarPass, &QPushButton::clicked, this,
            &Frm_PassGeral::Cmd_CancelarPass_Click);

    if (dono) {
        const QPoint canto = dono->geometry().topLeft();
        move(canto.x() + twips(1000), canto.y() + twips(2000));
    }
    CarregaIcones();
    Txt_Var[0]->setFocus();
}

void Frm_PassGeral::CarregaIcones()
{
    const QString pasta = PastaAplicacao();
    Cmd_ValPassGer->setIcon(Imagens::icone(pasta, QStringLiteral("ok.ico")));
    Cmd_CancelarPass->setIcon(Imagens::icone(pasta, QStringLiteral("cancelar.ico")));
    Label25->carregaIcone(pasta);
}

bool Frm_PassGeral::eventFilter(QObject *objecto, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            if (objecto == Txt_Var[0])
                Txt_Var[1]->setFocus();
            else if (objecto == Txt_Var[1])
                Txt_Var[2]->setFocus();
            else if (objecto == Txt_Var[2])
                Cmd_ValPassGer->setFocus();
            else
                return QDialog::eventFilter(objecto, e);
            return true;
        }
    }
    return QDialog::eventFilter(objecto, e);
}

void Frm_PassGeral::Cmd_ValPassGer_Click()
{
    if (!Texto::mesmaPassword(Txt_Var[0]->text(), m_passwordGeral)) {
        MsgBox(QStringLiteral("A Password antiga está incorrecta!..."));
        Txt_Var[0]->setFocus();
        return;
    }
    // The password prompt trims what is typed, so blanks around a new password could never be
    // typed back: they are not part of it.
    if (!Texto::mesmaPassword(Txt_Var[1]->text().trimmed(), Txt_Var[2]->text().trimmed())) {
        MsgBox(QStringLiteral("A nova password não coincide com a verificação!.."));
        Txt_Var[1]->setFocus();
        return;
    }
    try {
        GravaPasswordGeral();
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("Não foi possível gravar a nova password:\r") + erro.mensagem()
                   + QStringLiteral("\r\rA password geral não foi alterada."),
               QMessageBox::Ok, Icone::Critico);
        return;
    }
    accept();
}

void Frm_PassGeral::Cmd_CancelarPass_Click()
{
    reject();
}

void Frm_PassGeral::GravaPasswordGeral()
{
    const QString nova = Txt_Var[1]->text().trimmed().toUpper();
    if (!TabelaEmpresa::gravaPasswordGeral(m_bd, nova))
        return; // no settings row: nothing stored, nothing said
    m_passwordGeral = nova;
    MsgBox(QStringLiteral("A password foi alterada com sucesso!..."));
}
