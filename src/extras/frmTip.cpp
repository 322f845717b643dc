#include "extras/frmTip.h"
#include "app/ModuloArranque.h"
#include "extras/DefinicaoDicas.h"
#include "extras/FicheiroDicas.h"
#include "platform/Ficheiros.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

frmTip::frmTip(QWidget *principal, QAction *Mnu_DicasEntrada)
    : QDialog(principal), m_principal(principal), m_menu(Mnu_DicasEntrada)
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Quorvel - Dica do Dia "));
    setFixedSize(twips(6900), twips(3660));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(rectTwips(180, 180, 540, 540));
    Picture1->setPixmap(Imagens::carrega(PastaAplicacao(), QStringLiteral("inf.ico")));
    Picture1->setScaledContents(true);

    Label1 = new QLabel(QStringLiteral("Sabia que..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(rectTwips(900, 240, 4000, 360));
    QFont negrito = Label1->font();
    negrito.setBold(true);
    negrito.setPointSizeF(negrito.pointSizeF() * 1.4);
    Label1->setFont(negrito);

    lblTipText = new QLabel(this);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setGeometry(rectTwips(900, 720, 5820, 2040));
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setAutoFillBackground(true);
    lblTipText->setBackgroundRole(QPalette::Base);
    lblTipText->setMargin(6);

    chkLoadTipsAtStartup =
        new QCheckBox(QStringLiteral("&Mostra dicas no Início do programa"), this);
    chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    chkLoadTipsAtStartup->setGeometry(rectTwips(180, 3000, 3600, 360));

    cmdNextTip = new QPushButton(QStringLiteral("Proxima dica"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    cmdNextTip->setGeometry(rectTwips(3960, 2940, 1320, 420));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(rectTwips(5400, 2940, 1320, 420));
    cmdOK->setDefault(true);

    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::ShowRandomTip);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // A click (mouse or space bar) saves the switch, not a change made by the
    // loading.
    connect(chkLoadTipsAtStartup, &QCheckBox::clicked, this, &frmTip::chkLoadTipsAtStartup_Click);
}

bool frmTip::Mostra(QWidget *principal, QAction *Mnu_DicasEntrada)
{
    frmTip janela(principal, Mnu_DicasEntrada);
    if (!janela.Form_Load())
        return false;
    janela.exec();
    return true;
}

bool frmTip::Form_Load()
{
    if (m_principal)
        move(m_principal->pos() + QPoint(twips(2800), twips(2000)));
    if (!DefinicaoDicas::mostraDicas())
        return false;
    chkLoadTipsAtStartup->setChecked(true);
    const QString nome = FicheiroDicas::NomeFicheiro;
    QString caminho = Ficheiros::encontra(PastaAplicacao(), nome);
    if (caminho.isEmpty())
        caminho = QDir(PastaAplicacao()).filePath(nome);
    if (!LoadTips(caminho))
        lblTipText->setText(
            QStringLiteral("That the ") + nome
            + QStringLiteral(" file was not found? \r\n\r\nCreate a text file named ") + nome
            + QStringLiteral(" using NotePad with 1 tip per line. Then place it in "
                             "the same directory as the application. "));
    return true;
}

bool frmTip::LoadTips(const QString &sFile)
{
    const auto dicas = FicheiroDicas::le(sFile);
    if (!dicas)
        return false;
    TipList = *dicas;
    ShowRandomTip();
    return true;
}

void frmTip::ShowRandomTip()
{
    TipIndex = int(TipList.size() * QRandomGenerator::global()->generateDouble()) + 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    if (TipList.size() > 0 && TipIndex >= 1 && TipIndex <= TipList.size())
        lblTipText->setText(TipList.at(TipIndex - 1));
}

void frmTip::chkLoadTipsAtStartup_Click()
{
    const bool mostrar = chkLoadTipsAtStartup->isChecked();
    DefinicaoDicas::defineMostraDicas(mostrar);
    if (m_menu)
        m_menu->setChecked(mostrar);
}
