// The main window's controls and menus, as designed: names, captions and positions in twips; and
// their wiring to the procedures they start.
#include "app/Frm_bancos.h"
#include "conta/ContaAberta.h"
#include "admin/Frm_GestaoBancos.h"
#include "ledger/Frame2.h"
#include "ledger/Razao.h"
#include "platform/BotaoQuebraTexto.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/FlexGrid.h"
#include "platform/Medidas.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

template <class T>
T *nomeia(T *w, const char *nome)
{
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}

QAction *item(QMenu *menu, const QString &nome, const QString &texto)
{
    auto *a = menu->addAction(texto);
    a->setObjectName(nome);
    return a;
}

void separador(QMenu *menu, const char *nome)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(nome));
}

} // namespace

void Frm_bancos::CriaControlos()
{
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("AreaCliente"));
    area->setFixedSize(twips(11850), twips(7830));
    setCentralWidget(area);

    Image1 = nomeia(new EtiquetaClicavel(area), "Image1");
    Image1->setGeometry(rectTwips(120, 600, 11610, 5760));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setFocusPolicy(Qt::StrongFocus); // Enter on the start picture opens the account

    Lbl_NomeDoBanco = nomeia(new EtiquetaClicavel(QStringLiteral("Nome do Banco"), area),
                             "Lbl_NomeDoBanco");
    QFont antiqua(QStringLiteral("Book Antiqua"));
    antiqua.setPointSize(14);
    antiqua.setBold(true);
    Lbl_NomeDoBanco->setFont(antiqua);
    Lbl_NomeDoBanco->setGeometry(rectTwips(120, 120, 9000, 420));

    Txt_NumBanco = nomeia(new QLineEdit(area), "Txt_NumBanco");
    Txt_NumBanco->setGeometry(rectTwips(9600, 120, 600, 300));

    MSHFlexGrid1 = nomeia(new FlexGrid(area), "MSHFlexGrid1");
    MSHFlexGrid1->setGeometry(rectTwips(120, 600, 11610, 5760));
    m_conta = new ContaAberta(this);
    MSHFlexGrid1->usaModelo(m_conta);

    Label2 = nomeia(new QLabel(area), "Label2");
    Label2->setGeometry(rectTwips(120, 6420, 7300, 600));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1_10 = nomeia(new QLabel(QStringLiteral("Saldo da Conta:"), area), "Label1(10)");
    Label1_10->setGeometry(rectTwips(7520, 6540, 1950, 300));
    Label1_10->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Txt_SaldoFinal = nomeia(new QLineEdit(area), "Txt_SaldoFinal");
    Txt_SaldoFinal->setGeometry(rectTwips(9520, 6480, 2210, 360));
    Txt_SaldoFinal->setReadOnly(true);
    Txt_SaldoFinal->setAlignment(Qt::AlignRight);
    Txt_SaldoFinal->setFocusPolicy(Qt::NoFocus);

    Label25_0 = nomeia(new EtiquetaInformacao(
                           QStringLiteral("Faça duplo clique no movimento que deseja alterar."), area),
                       "Label25(0)");
    Label25_0->setGeometry(rectTwips(120, 7080, 4380, 660));

    Cmd_CriaNovaEntrada =
        nomeia(new BotaoQuebraTexto(QStringLiteral("Criar Novo Movimento a Crédito"), area),
               "Cmd_CriaNovaEntrada");
    // 1050 twips rather than the design's 810: at 96 dpi the word "Movimento" needs the room.
    Cmd_CriaNovaEntrada->setGeometry(rectTwips(4560, 7080, 1050, 690));
    Cmd_CriaNovaEntradaDebito =
        nomeia(new BotaoQuebraTexto(QStringLiteral("Criar Novo Movimento a Débito"), area),
               "Cmd_CriaNovaEntradaDebito");
    Cmd_CriaNovaEntradaDebito->setGeometry(rectTwips(EsquerdaBotaoDebito, 7080, 1050, 690));
    for (QPushButton *b : {Cmd_CriaNovaEntrada, Cmd_CriaNovaEntradaDebito}) {
        QFont pequena = b->font();
        pequena.setPointSizeF(pequena.pointSizeF() * 0.85);
        b->setFont(pequena);
        b->setToolTip(b->text());
    }
    Cmd_CriaNovaEntrada1 = nomeia(new QPushButton(QStringLiteral("Criação do 1º Movimento"), area),
                                  "Cmd_CriaNovaEntrada1");
    Cmd_CriaNovaEntrada1->setGeometry(rectTwips(4560, 7080, 2400, 600));
    Cmd_CriaNovaEntrada1->hide();

    Label3 = nomeia(new EtiquetaClicavel(area), "Label3");
    Label3->setGeometry(rectTwips(120, 7200, 4000, 300));
    // The link and the ledger's help label share the bottom-left corner: the link shows only
    // while the help label does not (eventFilter), so neither is drawn over the other.
    Label25_0->installEventFilter(this);
    GifView = nomeia(new QLabel(area), "GifView");
    GifView->setGeometry(rectTwips(6960, 7080, 4800, 700));
    GifView->setAlignment(Qt::AlignCenter);

    Frame2 = new ::Frame2(area);
    Frame2->hide();
    Frm_GestaoBancos = new ::Frm_GestaoBancos(area);
    Frm_GestaoBancos->hide();
}

void Frm_bancos::CriaMenus()
{
    QMenuBar *barra = menuBar();

    Mnu_Bancos = nomeia(barra->addMenu(QStringLiteral("Contas")), "Mnu_Bancos");
    Mnu_NovaConta = item(Mnu_Bancos, "Mnu_NovaConta", QStringLiteral("Nova Conta"));
    separador(Mnu_Bancos, "Mnu_Vazia2");
    for (int n = 1; n <= 9; ++n) {
        Mnu_Banco[size_t(n)] = item(Mnu_Bancos, QStringLiteral("Mnu_Banco%1").arg(n),
                                    QStringLiteral("Banco%1").arg(n));
    }
    separador(Mnu_Bancos, "Mnu_vazio2");
    Mnu_GestBanco = item(Mnu_Bancos, "Mnu_GestBanco",
                         QStringLiteral("Configuração / password do banco seleccionado"));

    Mnu_Movimentos = nomeia(barra->addMenu(QStringLiteral("Movimentos")), "Mnu_Movimentos");
    Mnu_MovDebito = item(Mnu_Movimentos, "Mnu_MovDebito", QStringLiteral("Criar Movimento a &Débito"));
    Mnu_MovCredito = item(Mnu_Movimentos, "Mnu_MovCredito", QStringLiteral("Criar Movimento a Crédito"));

    Mnu_Pesquisas = nomeia(barra->addMenu(QStringLiteral("Pesquisas/Listagens")), "Mnu_Pesquisas");
    Mnu_Listagem1 = item(Mnu_Pesquisas, "Mnu_Listagem1", QStringLiteral("Bancos / saldos"));
    Mnu_Listagem2 = item(Mnu_Pesquisas, "Mnu_Listagem2", QStringLiteral("Extracto simples"));
    Mnu_Listagem3 = item(Mnu_Pesquisas, "Mnu_Listagem3", QStringLiteral("Extracto detalhado"));
    separador(Mnu_Pesquisas, "Mnu_VaziaGraficos");
    Mnu_Graficos = item(Mnu_Pesquisas, "Mnu_Graficos", QStringLiteral("Gráficos..."));

    Mnu_Opcoes = nomeia(barra->addMenu(QStringLiteral("Opções")), "Mnu_Opcoes");
    Mnu_Actualizacao = item(Mnu_Opcoes, "Mnu_Actualizacao",
                            QStringLiteral("Actualização de nova versão na Internet"));
    Mnu_EnviarEmail = item(Mnu_Opcoes, "Mnu_EnviarEmail",
                           QStringLiteral("Enviar Email (sugestões, etc.)"));
    Mnu_DicasEntrada = item(Mnu_Opcoes, "Mnu_DicasEntrada",
                            QStringLiteral("Mostra Dicas na Entrada do programa"));
    Mnu_DicasEntrada->setCheckable(true);
    Mnu_FAQ = item(Mnu_Opcoes, "Mnu_FAQ", QStringLiteral("FAQ - Perguntas Frequentes ????"));
    Mnu_UltimasAltercoes = item(Mnu_Opcoes, "Mnu_UltimasAltercoes",
                                QStringLiteral("Ultimas Alterações"));
    Mnu_Manual = item(Mnu_Opcoes, "Mnu_Manual", QStringLiteral("Manual"));
    separador(Mnu_Opcoes, "mNU_vAZIO1");
    Mnu_Backups = item(Mnu_Opcoes, "Mnu_Backups", QStringLiteral("Backups (Cópias de Segurança)"));
    Mnu_ReporBackup = item(Mnu_Opcoes, "Mnu_ReporBackup",
                           QStringLiteral("Repor cópia de segurança..."));
    Mnu_ImportarExtracto = item(Mnu_Opcoes, "Mnu_ImportarExtracto",
                                QStringLiteral("Importar extracto bancário..."));
    Mnu_AnularImportacao = item(Mnu_Opcoes, "Mnu_AnularImportacao",
                                QStringLiteral("Anular última importação"));
    Mnu_ConfigurarCorreio = item(Mnu_Opcoes, "Mnu_ConfigurarCorreio",
                                 QStringLiteral("Configurar correio..."));
    Mnu_Categorias = item(Mnu_Opcoes, "Mnu_Categorias", QStringLiteral("Tabela de Categorias"));
    Mnu_PassGeral = item(Mnu_Opcoes, "Mnu_PassGeral", QStringLiteral("Password Geral"));
    Mnu_MestreEnviaEmails =
        item(Mnu_Opcoes, "Mnu_MestreEnviaEmails",
             QStringLiteral("Olá Mestre - vamos enviar emails de actualização?"));

    // "Sair" is a top-level item without a menu of its own.
    Mnu_Sair = barra->addAction(QStringLiteral("Sair"));
    Mnu_Sair->setObjectName(QStringLiteral("Mnu_Sair"));
}

void Frm_bancos::LigaControlos()
{
    connect(Image1, &EtiquetaClicavel::clicked, this, &Frm_bancos::Image1_Click);
    connect(Lbl_NomeDoBanco, &EtiquetaClicavel::doubleClicked, this,
            &Frm_bancos::MostraDadosConta);
    connect(Cmd_CriaNovaEntrada, &QPushButton::clicked, this,
            &Frm_bancos::Cmd_CriaNovaEntrada_Click);
    connect(Cmd_CriaNovaEntradaDebito, &QPushButton::clicked, this,
            &Frm_bancos::Cmd_CriaNovaEntradaDebito_Click);

    connect(Mnu_NovaConta, &QAction::triggered, this, &Frm_bancos::Mnu_NovaConta_Click);
    for (int n = 1; n <= 9; ++n)
        connect(Mnu_Banco[size_t(n)], &QAction::triggered, this, [this, n] { Mnu_Banco_Click(n); });
    connect(Mnu_GestBanco, &QAction::triggered, this, &Frm_bancos::Mnu_GestBanco_Click);
    connect(Mnu_MovCredito, &QAction::triggered, this, &Frm_bancos::Mnu_MovCredito_Click);
    connect(Mnu_MovDebito, &QAction::triggered, this, &Frm_bancos::Mnu_MovDebito_Click);
    connect(Mnu_PassGeral, &QAction::triggered, this, &Frm_bancos::Mnu_PassGeral_Click);
    connect(Mnu_Categorias, &QAction::triggered, this, &Frm_bancos::Mnu_Categorias_Click);
    connect(Mnu_Sair, &QAction::triggered, this, &QWidget::close);
}

bool Frm_bancos::eventFilter(QObject *objecto, QEvent *e)
{
    if (objecto == Label25_0 && (e->type() == QEvent::Show || e->type() == QEvent::Hide))
        Label3->setVisible(e->type() == QEvent::Hide);
    return QMainWindow::eventFilter(objecto, e);
}
