#include "admin/Frm_Tabelas.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/Dinheiro.h"
#include "data/ErroBaseDados.h"
#include "data/TabelaCategorias.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"
#include "data/Texto.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int MaxNome = TabelaCategorias::LarguraNome;
constexpr int LinhasVaziasMinimas = 3;

// The amount a value cell shows: the currency format with "€" and grouping is read back as it
// reads; anything that is not an amount counts as 0.
Dinheiro valorDe(const QString &texto) { return Dinheiro::interpreta(texto).value_or(Dinheiro()); }

} // namespace

Frm_Tabelas::Frm_Tabelas(QWidget *dono, BaseDados &bd) : QDialog(dono), m_bd(bd)
{
    setObjectName(QStringLiteral("Frm_Tabelas"));
    setWindowTitle(QStringLiteral("Quorvel - Gestão da Tabela de Categorias"));
    setModal(true);
    setFixedSize(twips(8880), twips(7200));

    Lbl_TituloModulo = new EtiquetaClicavel(QStringLiteral("Tabela de Categorias"), this);
    Lbl_TituloModulo->setObjectName(QStringLiteral("Lbl_TituloModulo"));
    QFont bookman(QStringLiteral("Bookman Old Style"));
    bookman.setPointSize(14);
    bookman.setBold(true);
    Lbl_TituloModulo->setFont(bookman);
    Lbl_TituloModulo->setGeometry(rectTwips(120, 120, 8640, 420));
    connect(Lbl_TituloModulo, &EtiquetaClicavel::doubleClicked, this,
            &Frm_Tabelas::Lbl_TituloModulo_DblClick);

    MSHFlexGrid1 = new FlexGrid(this);
    MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
    MSHFlexGrid1->setGeometry(rectTwips(120, 600, 8640, 4920));
    MSHFlexGrid1->setSelecaoPorCelula(true);
    MSHFlexGrid1->hide();
    MSHFlexGrid1->installEventFilter(this);
    connect(MSHFlexGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        // Leaving the cell ends its editing, keeping the typed text.
        if (Text1->isVisible())
            TerminaEdicao();
    });

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(MaxNome);
    Text1->hide();
    Text1->installEventFilter(this);

    Cmd_Sair = new QPushButton(QStringLiteral("Gravar e Sair"), this);
    Cmd_Sair->setObjectName(QStringLiteral("Cmd_Sair"));
    Cmd_Sair->setGeometry(rectTwips(6960, 6480, 1800, 500));
    Cmd_Sair->setAutoDefault(false);
    connect(Cmd_Sair, &QPushButton::clicked, this, &Frm_Tabelas::Cmd_Sair_Click);

    Label25 = new EtiquetaInformacao(QString(), this);
    Label25->setObjectName(QStringLiteral("Label25"));
    Label25->setGeometry(rectTwips(120, 5640, 8640, 780));
}

void Frm_Tabelas::Form_Load()
{
    CentraJanela(this);
    CarregaTabelaCategorias();
    MSHFlexGrid1->show();
    Cmd_Sair->setText(QStringLiteral("Sair"));
    Label25->setText(
        QStringLiteral("  AJUDA: Faça duplo clique na tabela que pretende Editar / Alterar."));
    CarregaIcones();
    Label25->setText(QStringLiteral(
        "Altere os dados directamente na tabela, seguido da tecla ENTER para validar.\n"
        "Caso coloque valor na Categia, qunado seleccionar essa categoria, aparece-lhe esse "
        "valor por defeito no lançamento do movimento."));
    MSHFlexGrid1->setFocus();
}

void Frm_Tabelas::CarregaIcones()
{
    const QString pasta = PastaAplicacao();
    Cmd_Sair->setIcon(Imagens::icone(pasta, QStringLiteral("ok.ico")));
    Label25->carregaIcone(pasta);
    // The border is the label's own, not its picture's.
    Label25->setStyleSheet(QStringLiteral("#Label25 { border: 1px solid #FF0000; }"));
}

void Frm_Tabelas::CarregaTabelaCategorias()
{
    Text1->setMaxLength(MaxNome);
    Lbl_TituloModulo->setText(QStringLiteral("Tabela de Categorias"));

    std::vector<Categoria> categorias = TabelaCategorias::todas(m_bd);
    const auto vazias = std::count_if(categorias.begin(), categorias.end(), [](const Categoria &c) {
        return c.descricao.trimmed().isEmpty();
    });
    // The window always offers at least three empty rows for new categories; those added now
    // are stored at once and follow the loaded rows.
    if (vazias < LinhasVaziasMinimas) {
        const std::vector<Categoria> novas =
            TabelaCategorias::acrescentaVazias(m_bd, LinhasVaziasMinimas);
        categorias.insert(categorias.end(), novas.begin(), novas.end());
    }

    FlexGrid &g = *MSHFlexGrid1;
    g.setRedraw(false);
    g.setTamanho(1, NumColunas);
    g.setTamanho(int(categorias.size()) + 1, NumColunas);
    g.setTextMatrix(0, ColNumAutomatico, QStringLiteral("numautomatico"));
    g.setTextMatrix(0, ColDescricao, QStringLiteral("DESCRICAO"));
    g.setTextMatrix(0, ColValor, QStringLiteral("VALOR"));
    for (size_t i = 0; i < categorias.size(); ++i) {
        const int r = int(i) + 1;
        g.setTextMatrix(r, ColNumAutomatico, QString::number(categorias[i].numAutomatico));
        g.setTextMatrix(r, ColDescricao, categorias[i].descricao);
        g.setTextMatrix(r, ColValor, categorias[i].valor.formata());
    }
    FormataGrelhaCategorias();
    g.setCol(ColDescricao);
    g.setRow(1);
}

void Frm_Tabelas::FormataGrelhaCategorias()
{
    FlexGrid &g = *MSHFlexGrid1;
    g.setRedraw(false);
    static const int larguras[NumColunas] = {1, 1, 6000, 2000};
    for (int c = 0; c < NumColunas; ++c)
        g.setColWidth(c, larguras[c]);
    g.setRowHeightMin(330);
    g.setColAlignment(ColValor, Alinhamento::Direita);
    for (int r = 1; r < g.Rows(); ++r)
        g.setTextMatrix(r, ColValor, valorDe(g.TextMatrix(r, ColValor)).formataMoeda());
    g.setRedraw(true);
}

void Frm_Tabelas::EditaGrelha(char32_t keyAscii)
{
    FlexGrid &g = *MSHFlexGrid1;
    if (g.Row() < FlexGrid::FixedRows || g.Col() < ColDescricao)
        return; // no data cell is current
    if (g.Col() == ColDescricao)
        Text1->setMaxLength(MaxNome);
    m_linhaEdicao = g.Row();
    m_colunaEdicao = g.Col();
    if (keyAscii <= 32)
        Text1->setText(g.Text());
    else
        Text1->setText(QString::fromUcs4(&keyAscii, 1));
    Text1->setCursorPosition(int(Text1->text().size()));

    const QModelIndex indice = g.model()->index(m_linhaEdicao - 1, m_colunaEdicao - 1);
    g.scrollTo(indice);
    const QRect celula = g.visualRect(indice);
    Text1->setGeometry(QRect(g.viewport()->mapTo(this, celula.topLeft()), celula.size()));
    Text1->show();
    Text1->raise();
    InicioEdicao();
    Text1->setFocus();
}

void Frm_Tabelas::InicioEdicao() { Cmd_Sair->setEnabled(false); }

void Frm_Tabelas::FimEdicao() { Cmd_Sair->setEnabled(true); }

void Frm_Tabelas::TerminaEdicao()
{
    if (!Text1->isVisible())
        return;
    MSHFlexGrid1->setTextMatrix(m_linhaEdicao, m_colunaEdicao, Text1->text());
    Text1->hide();
    FimEdicao();
}

bool Frm_Tabelas::Text1_KeyDown(int tecla)
{
    FlexGrid &g = *MSHFlexGrid1;
    switch (tecla) {
    case Qt::Key_Escape:
        Text1->hide(); // the cell keeps its old text
        FimEdicao();
        g.setFocus();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        TerminaEdicao();
        g.setFocus();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Up:
        TerminaEdicao();
        g.setFocus();
        QApplication::processEvents();
        if (tecla == Qt::Key_Down && g.Row() < g.Rows() - 1)
            g.setRow(g.Row() + 1);
        else if (tecla == Qt::Key_Up && g.Row() > FlexGrid::FixedRows)
            g.setRow(g.Row() - 1);
        return true;
    default:
        return false;
    }
}

bool Frm_Tabelas::eventFilter(QObject *objecto, QEvent *e)
{
    if (objecto == Text1 && e->type() == QEvent::KeyPress)
        return Text1_KeyDown(static_cast<QKeyEvent *>(e)->key());
    if (objecto == MSHFlexGrid1 && e->type() == QEvent::FocusIn)
        TerminaEdicao(); // the grid taking the focus back ends the editing, keeping the text
    if (objecto == MSHFlexGrid1 && e->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(e);
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            EditaGrelha(13);
            return true;
        case Qt::Key_Space:
            EditaGrelha(32);
            return true;
        case Qt::Key_Backspace:
            EditaGrelha(8);
            return true;
        case Qt::Key_Escape:
            EditaGrelha(27); // a control key like the others: edits the cell's own text
            return true;
        default:
            break;
        }
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QList<uint> codigos = k->text().toUcs4();
        if (!codigos.isEmpty() && codigos.front() > 32 && QChar::isPrint(codigos.front())) {
            EditaGrelha(char32_t(codigos.front()));
            return true;
        }
    }
    return QDialog::eventFilter(objecto, e);
}

void Frm_Tabelas::keyPressEvent(QKeyEvent *e)
{
    // Esc is not a way out: closing drops every change made in the grid, and only "Sair" keeps
    // them.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Frm_Tabelas::Cmd_Sair_Click()
{
    const FlexGrid &g = *MSHFlexGrid1;
    std::vector<Categoria> linhas;
    linhas.reserve(size_t(g.Rows()));
    for (int r = 1; r < g.Rows(); ++r) {
        bool ok = false;
        const qint64 chave = g.TextMatrix(r, ColNumAutomatico).toLongLong(&ok);
        if (!ok)
            continue;
        linhas.push_back({chave, Texto::corta(g.TextMatrix(r, ColDescricao), MaxNome),
                          valorDe(g.TextMatrix(r, ColValor))});
    }
    try {
        TabelaCategorias::gravaTodas(m_bd, linhas);
    } catch (const ErroBaseDados &erro) {
        // The grid keeps every change; the user can try again.
        MsgBox(QStringLiteral("Não foi possível gravar a tabela de categorias:\r") + erro.mensagem()
                   + QStringLiteral("\r\rA tabela não foi alterada."),
               QMessageBox::Ok, Icone::Critico);
        return;
    }
    accept();
}
