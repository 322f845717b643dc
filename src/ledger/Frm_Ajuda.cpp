#include "ledger/Frm_Ajuda.h"
#include "app/ModuloArranque.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"

#include <QLabel>

namespace {

const QChar CR(13);

// The help window sits where the movement editor does, measured from the main window.
QPoint posicao(QWidget *dono)
{
    QWidget *principal = dono;
    for (QWidget *w = dono; w; w = w->parentWidget())
        if (w->objectName() == QLatin1String("Frm_bancos"))
            principal = w;
    const QPoint canto = principal ? principal->pos() : QPoint();
    return canto + QPoint(twips(1600), twips(2000));
}

} // namespace

QString Frm_Ajuda::TextoAjuda(int topico)
{
    QString t;
    switch (topico) {
    case 1:
        t += CR; t += CR;
        t += QStringLiteral(" Neste Item poderá seleccionar: ");
        t += CR; t += CR;
        t += QStringLiteral("     CRÉDITO -> para fazer depósito na conta ou ");
        t += CR; t += CR;
        t += QStringLiteral("     DÉBITO  -> para fazer pagamento ou levantamento da conta!");
        break;
    case 2:
        t += CR; t += CR;
        t += QStringLiteral("    Nº Doc, poderá por o número de Movimento, nº de factura, etc.");
        break;
    case 3:
        t += CR;
        t += QStringLiteral("CATEGORIA: ");
        t += CR; t += CR;
        t += QStringLiteral("Serve para mais tarde seleccionar/agrupar respectivas categorias, "
                            "por ex.: ");
        t += CR;
        t += QStringLiteral("Se tiver categorias cuja descrição sejam Fornecedores, Impostos, "
                            "Formação, Despesas Funcionais, etc.  mais tarde poderá seleccionar "
                            "cada uma dessas categorias para listagem.");
        t += CR; t += CR;
        t += QStringLiteral("Poderá seleccionar uma categoria existente, fazendo clique na seta "
                            "de selecção, ou apenas começar a escrever a respectiva categoria, "
                            "pois o programa preenche automáticamente.");
        t += CR; t += CR;
        t += QStringLiteral("Caso Introduza uma categoria que não exista na tabela de categorias "
                            "o programa irá perguntar se deseja criar essa categoria.");
        t += CR; t += CR;
        break;
    case 4:
        t += CR;
        t += QStringLiteral(" SITUAÇÃO: ");
        t += CR; t += CR;
        t += QStringLiteral(" A situação, irá servir para marcar o movimento, com um estado, "
                            "como por exemplo: ");
        t += CR; t += CR;
        t += QStringLiteral(" V - Verificado (quando está conferido com o extracto bancário");
        t += CR;
        t += QStringLiteral(" A - Anulado, Caso venha a ser anulado provisóriamente.");
        t += CR;
        t += QStringLiteral(" Caso não coloque nada é porque ainda está por conferir, ou não "
                            "utiliza a situação.");
        t += CR; t += CR;
        t += QStringLiteral(" Nota: poderá tambem por outra letra à sua escolha...");
        t += CR; t += CR;
        t += QStringLiteral(" Mais tarde poderá fazer uma listagem de movimentos, seleccionados "
                            "por situação.");
        break;
    default:
        break;
    }
    return t;
}

Frm_Ajuda::Frm_Ajuda(QWidget *dono, int topico) : QDialog(dono), m_topico(topico)
{
    setObjectName(QStringLiteral("Frm_Ajuda"));
    setWindowTitle(QStringLiteral("Ajuda"));
    setModal(true);
    setFixedSize(twips(8055), twips(4515));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Highlight));
    p.setColor(QPalette::WindowText, p.color(QPalette::HighlightedText));
    setPalette(p);
    move(posicao(dono));

    Label1 = new QLabel(QStringLiteral("AJUDA"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    Label1->setGeometry(rectTwips(120, 60, 2400, 480));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(rectTwips(7440, 60, 480, 480));
    const QPixmap imagem = Imagens::carrega(PastaAplicacao(), QStringLiteral("inf.ico"));
    if (!imagem.isNull())
        Picture1->setPixmap(imagem.scaled(Picture1->size(), Qt::KeepAspectRatio,
                                          Qt::SmoothTransformation));

    lblTipText = new QLabel(this);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setGeometry(rectTwips(120, 600, 7815, 3315));
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setAutoFillBackground(true);
    QPalette branco = lblTipText->palette();
    branco.setColor(QPalette::Window, Qt::white);
    branco.setColor(QPalette::WindowText, Qt::black);
    lblTipText->setPalette(branco);
    // A label breaks lines at "\n"; the texts are written with carriage returns.
    lblTipText->setText(TextoAjuda(m_topico).replace(CR, QLatin1Char('\n')));

    Label3 = new EtiquetaClicavel(QStringLiteral("Fechar"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(rectTwips(6840, 4020, 1095, 375));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setFrameShape(QFrame::Panel);
    Label3->setFrameShadow(QFrame::Raised);
    connect(Label3, &EtiquetaClicavel::clicked, this, &QDialog::accept);
}
