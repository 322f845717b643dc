// The ledger's construction, its hooks at the main window's fixed moments, and its wiring.
#include "ledger/Razao.h"
#include "app/AvisoErroBaseDados.h"
#include "app/ModuloArranque.h"
#include "data/ErroBaseDados.h"
#include "ledger/Frame2.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/FlexGrid.h"
#include "platform/Imagens.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

Razao::Razao(const ContextoJanela &contexto, const VistaRazao &vista, QObject *pai)
    : Subsistema(contexto, pai), m_vista(vista)
{
    setObjectName(QStringLiteral("Razao"));
    FlexGrid *g = contexto.grelha;
    connect(g, &FlexGrid::Click, this, &Razao::MSHFlexGrid1_Click);
    connect(g, &FlexGrid::DblClick, this, &Razao::MSHFlexGrid1_DblClick);
    connect(g, &FlexGrid::KeyDown, this, &Razao::MSHFlexGrid1_KeyDown);
    // Category and observations are the user's text, never markup.
    m_vista.Label2->setTextFormat(Qt::PlainText);
    // The chosen account is the open account's; the hidden Txt_NumBanco shows it, and a
    // number put there chooses it, as the design has it.
    QLineEdit *numero = contexto.numBanco;
    conta().escolhe(numero->text());
    connect(numero, &QLineEdit::textChanged, this, [this](const QString &t) { conta().escolhe(t); });
    connect(&conta(), &::ContaAberta::contaMudou, this, [this, numero] {
        if (numero->text() != conta().escolha())
            numero->setText(conta().escolha());
    });
    // A large account's last rows come while the user looks at its first: the final balance
    // shows once they are all read.
    connect(&conta(), &::ContaAberta::leituraAcabou, this, [this] {
        if (conta().aberta())
            MostraSaldoFinal();
    });
    connect(&conta(), &::ContaAberta::leituraFalhou, this, &Razao::LeituraFalhou);
}

void Razao::MostraGrelha(bool visivel)
{
    contexto().grelha->setVisible(visivel);
    conta().defineAberta(visivel);
}

void Razao::EscondeRazao()
{
    MostraGrelha(false);
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_vista.Label2, m_vista.Lbl_NomeDoBanco,
             m_vista.Cmd_CriaNovaEntrada, m_vista.Cmd_CriaNovaEntradaDebito,
             m_vista.Cmd_CriaNovaEntrada1, m_vista.Label25_0, m_vista.Txt_SaldoFinal,
             m_vista.Label1_10})
        w->hide();
}

void Razao::EstadoInicial()
{
    EscondeRazao();
    m_vista.Mnu_GestBanco->setVisible(false);
    m_vista.Mnu_Movimentos->menuAction()->setVisible(false);
    m_vista.Image1->show();
    m_vista.Image1->setFocus();
}

void Razao::CarregaIcones(const QString &pasta)
{
    // The hidden frame's buttons carry the editor's pictures, as designed.
    const ::Frame2 *f = contexto().frame2;
    f->Cmd_Validar->setIcon(Imagens::icone(pasta, QStringLiteral("ok.ico")));
    f->Cmd_FechaFrame2->setIcon(Imagens::icone(pasta, QStringLiteral("cancelar.ico")));
    f->Cmd_ApagaMovimento->setIcon(Imagens::icone(pasta, QStringLiteral("lixo.ico")));
    f->Label25_3->carregaIcone(pasta);
    EtiquetaClicavel *inicio = m_vista.Image1;
    const QPixmap imagem = Imagens::carrega(pasta, QStringLiteral("quorvel.bmp"));
    if (!imagem.isNull())
        inicio->setPixmap(
            imagem.scaled(inicio->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_vista.Label25_0->carregaIcone(pasta);
}

bool Razao::ContaAberta() const { return conta().aberta(); }

Dinheiro Razao::SaldoFinal() const { return conta().saldoFinal(); }
