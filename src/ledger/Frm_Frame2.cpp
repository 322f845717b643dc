// The movement editor: its controls, the values it exchanges with the value-passing frame, and
// its three buttons.
#include "ledger/Frm_Frame2.h"
#include "app/ModuloArranque.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "data/TabelaCategorias.h"
#include "ledger/Frame2.h"
#include "platform/BotaoQuebraTexto.h"
#include "platform/CaixaValor.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"
#include "data/Relogio.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int Altura = 315;
constexpr int AlturaTitulo = 240;

const QString Credito = QStringLiteral("Crédito");
const QString Debito = QStringLiteral("Débito");

} // namespace

Frm_Frame2::Frm_Frame2(QWidget *dono, ::Frame2 *frame, ModoEdicao modo, BaseDados &bd)
    : QDialog(dono), m_frame(frame), m_bd(bd)
{
    setObjectName(QStringLiteral("Frm_Frame2"));
    // No close box: the editor is left through its buttons. Escape or a close forced by the
    // window manager still end up in done(), which reports them as "Cancelar".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(twips(7695), twips(4530));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    setPalette(p);
    CriaControlos();
    DefineOrdemTabulacao();

    // Opening.
    if (dono) {
        const QPoint canto = dono->pos();
        move(canto.x() + twips(1600), canto.y() + twips(2000));
    }
    const bool criando = modo == ModoEdicao::Criacao;
    setWindowTitle(criando ? QStringLiteral(" Criação de NOVO Movimento ")
                           : QStringLiteral(" Alteração de Movimento "));
    Cmd_ApagaMovimento->setVisible(!criando);
    Cmb_TipoMovimento->clear();
    Cmb_TipoMovimento->addItems({Credito, Debito});
    Cmb_Situacao->clear();
    Cmb_Situacao->addItems({QStringLiteral("              "), QStringLiteral("V - Verificado"),
                            QStringLiteral("A - Anulado   "), QStringLiteral("O - Outro    ")});
    PreencheCategorias();
    CarregaIcones();
    LeValoresFrame2();
    LigaControlos();
    Cmb_TipoMovimento->setFocus();
}

::Frame2 *Frm_Frame2::frame() const { return m_frame; }

void Frm_Frame2::CriaControlos()
{
    auto titulo = [this](int i, const char *texto, int esquerda, int topo, int largura) {
        auto *l = new EtiquetaClicavel(QString::fromUtf8(texto), this);
        l->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        l->setGeometry(rectTwips(esquerda, topo - AlturaTitulo, largura, AlturaTitulo));
        Label1[size_t(i)] = l;
    };
    auto combo = [this](const char *nome, int esquerda, int topo, int largura, bool editavel) {
        auto *c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(nome));
        c->setEditable(editavel);
        if (editavel) {
            // The editor completes categories by its own rule; Qt's completer would fight it,
            // and Enter must never add the typed text to the list.
            c->setCompleter(nullptr);
            c->setInsertPolicy(QComboBox::NoInsert);
        }
        c->setGeometry(rectTwips(esquerda, topo, largura, Altura));
        return c;
    };
    auto caixa = [this](int i, int esquerda, int topo, int largura) {
        auto *t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("TxtCampo(%1)").arg(i));
        t->setGeometry(rectTwips(esquerda, topo, largura, Altura));
        TxtCampo[size_t(i)] = t;
        return t;
    };

    titulo(9, "Tipo de Movimento", 120, 480, 1935);
    Cmb_TipoMovimento = combo("Cmb_TipoMovimento", 120, 480, 1935, false);
    titulo(4, "Categoria", 2280, 480, 5175);
    Cmb_Categoria = combo("Cmb_Categoria", 2280, 480, 5175, true);

    titulo(1, "Data", 120, 1200, 1335);
    DTPicker1 = new QDateEdit(this);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDate(Relogio::hoje());
    DTPicker1->setGeometry(rectTwips(120, 1200, 1335, Altura));

    titulo(0, "Nº de doc.", 1680, 1200, 1455);
    caixa(0, 1680, 1200, 1455)->setMaxLength(10);
    titulo(3, "Valor", 3600, 1200, 1815);
    caixa(3, 3600, 1200, 1815)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CaixaValor::instalaFiltro(TxtCampo[3]);
    titulo(8, "Situação", 5640, 1200, 1815);
    Cmb_Situacao = combo("Cmb_Situacao", 5640, 1200, 1815, true);

    titulo(2, "Descrição do movimento", 120, 1920, 7335);
    caixa(2, 120, 1920, 7335)->setMaxLength(50);

    titulo(5, "Observações", 120, 2760, 7335);
    TxtCampo4 = new QPlainTextEdit(this);
    TxtCampo4->setObjectName(QStringLiteral("TxtCampo(4)"));
    TxtCampo4->setGeometry(rectTwips(120, 2760, 7335, 555));
    TxtCampo4->setTabChangesFocus(true);

    caixa(1, 0, 0, 0)->hide();
    Cmb_Categoria1 = combo("Cmb_Categoria1", 0, 0, 0, true);
    Cmb_Categoria1->hide();

    Label25_0 = new EtiquetaInformacao(
        QStringLiteral("  Faça clique no título dos campos para ajuda dos mesmos..."), this);
    Label25_0->setObjectName(QStringLiteral("Label25(0)"));
    Label25_0->setGeometry(rectTwips(120, 3480, 3495, 975));

    auto botao = [this](const char *nome, const char *texto, int esquerda) {
        auto *b = new BotaoQuebraTexto(QString::fromUtf8(texto), this); // picture above caption
        b->setObjectName(QString::fromLatin1(nome));
        b->setGeometry(rectTwips(esquerda, 3480, 1095, 975));
        b->setIconSize(QSize(32, 32));
        return b;
    };
    Cmd_ApagaMovimento = botao("Cmd_ApagaMovimento", "Apagar", 3720);
    Cmd_FechaFrame2 = botao("Cmd_FechaFrame2", "Cancelar", 5040);
    Cmd_Validar = botao("Cmd_Validar", "Validar", 6360);
}

void Frm_Frame2::DefineOrdemTabulacao()
{
    const QList<QWidget *> ordem{Cmb_TipoMovimento, DTPicker1,    TxtCampo[0],     TxtCampo[3],
                                 TxtCampo[2],       Cmb_Categoria, Cmb_Situacao,   TxtCampo4,
                                 Cmd_Validar,       Cmd_FechaFrame2, Cmd_ApagaMovimento};
    for (qsizetype i = 0; i + 1 < ordem.size(); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);
    for (QWidget *w : {static_cast<QWidget *>(TxtCampo[1]), static_cast<QWidget *>(Cmb_Categoria1)})
        w->setFocusPolicy(Qt::NoFocus);
}

void Frm_Frame2::LigaControlos()
{
    connect(Cmd_Validar, &QPushButton::clicked, this, &Frm_Frame2::Cmd_Validar_Click);
    connect(Cmd_FechaFrame2, &QPushButton::clicked, this, &Frm_Frame2::Cmd_FechaFrame2_Click);
    connect(Cmd_ApagaMovimento, &QPushButton::clicked, this,
            &Frm_Frame2::Cmd_ApagaMovimento_Click);
    // A choice in the type list, by mouse or arrow keys, recolours the amount at once.
    connect(Cmb_TipoMovimento, &QComboBox::currentIndexChanged, this,
            &Frm_Frame2::ActualizaTipoValor);
    connect(Cmb_Categoria, &QComboBox::editTextChanged, this, &Frm_Frame2::Cmb_Categoria_Change);
    connect(TxtCampo4, &QPlainTextEdit::textChanged, this, &Frm_Frame2::LimitaObservacoes);
    for (size_t i = 0; i < Label1.size(); ++i)
        if (Label1[i])
            connect(Label1[i], &EtiquetaClicavel::clicked, this,
                    [this, i] { Label1_Click(int(i)); });
    for (QObject *o : std::initializer_list<QObject *>{
             Cmb_TipoMovimento, Cmb_Categoria, Cmb_Categoria->lineEdit(), DTPicker1, TxtCampo[0],
             TxtCampo[3], Cmb_Situacao, TxtCampo[2], TxtCampo4})
        o->installEventFilter(this);
}

void Frm_Frame2::CarregaIcones()
{
    const QString pasta = PastaAplicacao();
    Cmd_Validar->setIcon(Imagens::icone(pasta, QStringLiteral("ok.ico")));
    Cmd_FechaFrame2->setIcon(Imagens::icone(pasta, QStringLiteral("cancelar.ico")));
    Cmd_ApagaMovimento->setIcon(Imagens::icone(pasta, QStringLiteral("lixo.ico")));
    Label25_0->carregaIcone(pasta);
}

void Frm_Frame2::PreencheCategorias()
{
    std::vector<Categoria> categorias;
    try {
        categorias = TabelaCategorias::todas(m_bd);
    } catch (const ErroBaseDados &erro) {
        MostraErro(erro);
        return;
    }
    if (categorias.empty())
        return;
    m_aMudarTexto = true;
    Cmb_Categoria->clear();
    for (const Categoria &c : categorias)
        if (!c.descricao.trimmed().isEmpty())
            Cmb_Categoria->addItem(c.descricao);
    // Filling the list must not pick its first entry as the movement's category.
    Cmb_Categoria->setCurrentIndex(-1);
    Cmb_Categoria->setEditText(QString());
    m_aMudarTexto = false;
}

void Frm_Frame2::LeValoresFrame2()
{
    const ::Frame2 *f = frame();
    if (!f)
        return;
    for (int i = 0; i < 4; ++i)
        TxtCampo[size_t(i)]->setText(f->Campo(i));
    TxtCampo4->setPlainText(f->Campo(4));
    // A date that does not read as one leaves today in the picker; "Validar" then reports it.
    if (const auto data = Regional::interpretaData(f->Campo(1)))
        DTPicker1->setDate(*data);
    m_aMudarTexto = true;
    Cmb_Categoria->setEditText(f->Cmb_Categoria->currentText());
    m_aMudarTexto = false;
    Cmb_Categoria1->setEditText(f->Cmb_Categoria1->currentText());
    Cmb_Situacao->setEditText(f->Cmb_Situacao->currentText());
    // The type list accepts only its two entries; any other text shows none, reads as a debit
    // and goes back as it came (empty).
    Cmb_TipoMovimento->setCurrentIndex(Cmb_TipoMovimento->findText(
        f->Cmb_TipoMovimento->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive));
    ActualizaTipoValor();
}

void Frm_Frame2::DevolveValoresFrame2()
{
    ::Frame2 *f = frame();
    if (!f)
        return;
    for (int i = 0; i < 4; ++i)
        f->setCampo(i, TxtCampo[size_t(i)]->text());
    f->setCampo(4, TxtCampo4->toPlainText());
    f->setCampo(1, Regional::formataData(DTPicker1->date()));
    f->Cmb_Categoria->setEditText(Cmb_Categoria->currentText());
    f->Cmb_Categoria1->setEditText(Cmb_Categoria1->currentText());
    f->Cmb_Situacao->setEditText(Cmb_Situacao->currentText());
    f->Cmb_TipoMovimento->setEditText(Cmb_TipoMovimento->currentText());
}

void Frm_Frame2::ActualizaTipoValor()
{
    const bool credito = Cmb_TipoMovimento->currentText() == Credito;
    Label1[3]->setText(credito ? QStringLiteral("Valor a Crédito")
                               : QStringLiteral("Valor a Débito"));
    const QPalette normal = palette();
    const QColor vermelho(255, 0, 0);
    QPalette titulo = Label1[3]->palette();
    titulo.setColor(QPalette::WindowText,
                    credito ? normal.color(QPalette::WindowText) : vermelho);
    Label1[3]->setPalette(titulo);
    QPalette valor = TxtCampo[3]->palette();
    valor.setColor(QPalette::Text, credito ? QPalette().color(QPalette::Text) : vermelho);
    TxtCampo[3]->setPalette(valor);
}

void Frm_Frame2::Cmd_Validar_Click()
{
    if (m_verificacaoPendente)
        VerificaCategoria();
    if (!Regional::interpretaData(TxtCampo[1]->text())) {
        MsgBox(QStringLiteral("Data Inválida..."));
        TxtCampo[1]->setText(Regional::formataData(Relogio::hoje()));
        DTPicker1->setFocus();
        return;
    }
    if (TxtCampo[3]->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Terá que introduzir valor!..."));
        TxtCampo[3]->setFocus();
        return;
    }
    // The amount must read as exact cents within what a field holds, so that the ledger
    // can always store what was validated here.
    const auto valor = CaixaValor::reformata(TxtCampo[3]->text());
    if (!valor) {
        MsgBox(QStringLiteral("Valor Inválido..."));
        TxtCampo[3]->setFocus();
        return;
    }
    TxtCampo[3]->setText(*valor);
    DevolveValoresFrame2();
    if (::Frame2 *f = frame())
        f->setResultado(ResultadoEditor::Validar);
    m_botaoPremido = true;
    accept();
}

void Frm_Frame2::Cmd_FechaFrame2_Click()
{
    if (::Frame2 *f = frame())
        f->setResultado(ResultadoEditor::Cancelar);
    m_botaoPremido = true;
    reject();
}

void Frm_Frame2::Cmd_ApagaMovimento_Click()
{
    ::Frame2 *f = frame();
    const auto resposta = MsgBox(QStringLiteral("Deseja mesmo apagar este movimento?"),
                                 QMessageBox::Yes | QMessageBox::No, Icone::Nenhum,
                                 QStringLiteral("Destruição de Movimento"));
    m_botaoPremido = true;
    if (resposta == QMessageBox::Yes) {
        if (f)
            f->setResultado(ResultadoEditor::Apagar);
        accept();
        return;
    }
    if (f)
        f->setResultado(ResultadoEditor::Cancelar);
    MsgBox(QStringLiteral("O movimento não foi destruido!"));
    reject();
}

void Frm_Frame2::done(int resultado)
{
    // Escape or a close by the window manager: the caller must see a cancel, never the result a
    // previous editing left in the frame.
    if (!m_botaoPremido)
        if (::Frame2 *f = frame())
            f->setResultado(ResultadoEditor::Cancelar);
    m_botaoPremido = true;
    m_aFechar = true;
    QDialog::done(resultado);
}

void Frm_Frame2::MostraErro(const ErroBaseDados &erro)
{
    MsgBox(QStringLiteral("Não foi possível ler a tabela de categorias:\r") + erro.mensagem()
               + QStringLiteral("\r\rPode continuar a editar o movimento."),
           QMessageBox::Ok, Icone::Critico);
}
