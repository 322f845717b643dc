#include "app/Frm_Password.h"
#include "app/ModuloArranque.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Frm_Password::Frm_Password(QWidget *dono) : QDialog(dono)
{
    setObjectName(QStringLiteral("Frm_Password"));
    setWindowTitle(QStringLiteral("Password"));
    // No close box: the prompt is left only through its buttons or Enter.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(twips(4200), twips(1800));

    auto *rotulo = new QLabel(QStringLiteral("Código de acesso"), this);
    rotulo->setObjectName(QStringLiteral("Label1"));
    rotulo->setGeometry(rectTwips(240, 240, 3600, 300));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*" per character
    Text1->setGeometry(rectTwips(240, 600, 3600, 360));

    Cmd_Entrar = new QPushButton(QStringLiteral("Validar"), this);
    Cmd_Entrar->setObjectName(QStringLiteral("Cmd_Entrar"));
    Cmd_Entrar->setGeometry(rectTwips(240, 1140, 1700, 450));
    Cmd_Entrar->setAutoDefault(false);
    Cmd_Sair = new QPushButton(QStringLiteral("Sair"), this);
    Cmd_Sair->setObjectName(QStringLiteral("Cmd_Sair"));
    Cmd_Sair->setGeometry(rectTwips(2140, 1140, 1700, 450));
    Cmd_Sair->setAutoDefault(false);

    Cmd_Entrar->setIcon(Imagens::icone(PastaAplicacao(), QStringLiteral("ok.ico")));
    Cmd_Sair->setIcon(Imagens::icone(PastaAplicacao(), QStringLiteral("cancelar.ico")));

    connect(Cmd_Entrar, &QPushButton::clicked, this, &Frm_Password::Submete);
    connect(Cmd_Sair, &QPushButton::clicked, this, &Frm_Password::Submete);
    connect(Text1, &QLineEdit::returnPressed, this, &Frm_Password::Submete);

    if (dono) {
        const QPoint canto = dono->geometry().topLeft();
        move(canto.x() + twips(3500), canto.y() + twips(2000));
    }
    Text1->setFocus();
}

QString Frm_Password::Pede(QWidget *dono)
{
    Frm_Password prompt(dono);
    prompt.exec();
    return prompt.Digitada();
}

void Frm_Password::Submete()
{
    m_digitada = Text1->text().trimmed();
    m_submetido = true;
    accept();
}

void Frm_Password::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept(); // Escape is not a way out of the prompt
        return;
    }
    QDialog::keyPressEvent(e);
}

void Frm_Password::closeEvent(QCloseEvent *e)
{
    // Should the window manager close it anyway, it submits like its buttons.
    if (!m_submetido)
        m_digitada = Text1->text().trimmed();
    QDialog::closeEvent(e);
}
