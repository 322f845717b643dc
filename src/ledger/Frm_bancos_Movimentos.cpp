// Creating, changing and deleting movements from the main window. The main window and the
// movement editor talk only through the hidden frame Frame2: the window fills it, opens the
// editor, and acts on the result code the editor leaves in Txt_BotaoFrame2. Writes go to
// TabBancos1Det (one row per movement, never removed: a deleted movement moves to account -1)
// and TabBancosDetOutros (category, sub-category, observations).
#include "app/EstadoPrograma.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "data/TabelaDetOutros.h"
#include "data/TabelaMovimentos.h"
#include "ledger/ColunasGrelha.h"
#include "ledger/Frame2.h"
#include "ledger/Frm_Frame2.h"
#include "ledger/GravacaoGrelha.h"
#include "ledger/LinhasMovimentos.h"
#include "platform/FlexGrid.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

using namespace ColunasGrelha;

namespace {

const QString TipoCredito = QStringLiteral("Crédito");
const QString TipoDebito = QStringLiteral("Débito");
const QString Verdade = QStringLiteral("True");

// The light blue of the row being edited (&HFF8080).
const QColor AzulEdicao = corBgr(0xFF8080);

// The amount as the grid shows it between an edit and the next reload. A text that is not an
// amount stays as typed.
QString formataMontante(const QString &texto)
{
    if (texto.trimmed().isEmpty())
        return QString();
    const auto valor = Dinheiro::interpreta(texto);
    return valor ? valor->formata() : texto;
}

} // namespace

// ---- creation entry points ----

void Frm_bancos::Cmd_CriaNovaEntrada_Click()
{
    Frame2->Cmb_TipoMovimento->setCurrentText(TipoCredito);
    PreparaNovoMovimento();
}

void Frm_bancos::Cmd_CriaNovaEntradaDebito_Click()
{
    Frame2->Cmb_TipoMovimento->setCurrentText(TipoDebito);
    PreparaNovoMovimento();
}

void Frm_bancos::Mnu_MovCredito_Click() { Cmd_CriaNovaEntrada_Click(); }

void Frm_bancos::Mnu_MovDebito_Click() { Cmd_CriaNovaEntradaDebito_Click(); }

void Frm_bancos::PreparaNovoMovimento()
{
    Estado().CriandoMovimento = true;
    EmAlteracao = false;
    MSHFlexGrid1->setEnabled(false);
    Frame2->setCampo(0, QString());
    Frame2->setCampo(1, Regional::formataData(QDate::currentDate()));
    for (int i : {2, 3, 4})
        Frame2->setCampo(i, QString());
    for (QComboBox *c : {Frame2->Cmb_Categoria, Frame2->Cmb_Categoria1, Frame2->Cmb_Situacao})
        c->setCurrentText(QString());
    AbreEditor();
}

void Frm_bancos::AbreEditor()
{
    // The editor only ever writes its result code; preset "cancel" so that a close by any other
    // way cannot repeat the result of an earlier edit.
    Frame2->Txt_BotaoFrame2->setText(QStringLiteral("2"));
    {
        Frm_Frame2 editor(this);
        editor.exec();
    }
    TrataBotaoFrame2();
}

// ---- the editor's result ----

void Frm_bancos::TrataBotaoFrame2()
{
    try {
        switch (Frame2->Txt_BotaoFrame2->text().trimmed().toInt()) {
        case 1:
            Cmd_Validar_Click();
            break;
        case 3:
            Cmd_ApagaMovimento_Click();
            break;
        default:
            // "2", and anything an editor should never leave, is a cancel: the grid must not
            // stay disabled.
            Cmd_FechaFrame2_Click();
            break;
        }
    } catch (const ErroBaseDados &erro) {
        RecuperaDeErro(erro);
    }
}

void Frm_bancos::RecuperaDeErro(const ErroBaseDados &erro)
{
    // What reached the database stays; the grid is brought back to it and left usable.
    Estado().CriandoMovimento = false;
    EmAlteracao = false;
    MSHFlexGrid1->setEnabled(true);
    MostraErroBaseDados(erro);
    if (!MSHFlexGrid1->isVisibleTo(this))
        return;
    try {
        CarregaMovimentos();
    } catch (const ErroBaseDados &) {
        RepoeCorLinha(); // the grid keeps its rows; at least the highlight goes
    }
}

qint64 Frm_bancos::NumAutoFrame2() const
{
    return Frame2->Txt_NumAuto->text().trimmed().toLongLong();
}

void Frm_bancos::Cmd_Validar_Click()
{
    MSHFlexGrid1->setEnabled(true);
    if (EmAlteracao) {
        const qint64 n = NumAutoFrame2();
        const int topo = MSHFlexGrid1->TopRow();
        PassaFrame2ParaGrelha();
        GravaLinhasAlteradas();
        CarregaMovimentos();
        RepoeVista(topo, n, LinhaEditada);
        GravaDadosOutros(n);
    }
    if (Estado().CriandoMovimento) {
        CriaMovimento();
        GravaDadosOutros(NumAutoFrame2());
    }
    Estado().CriandoMovimento = false;
    EmAlteracao = false;
}

void Frm_bancos::Cmd_FechaFrame2_Click()
{
    RepoeCorLinha();
    Estado().CriandoMovimento = false;
    EmAlteracao = false;
    MSHFlexGrid1->setEnabled(true);
}

void Frm_bancos::Cmd_ApagaMovimento_Click()
{
    MSHFlexGrid1->setEnabled(true);
    // Read the key first: deleting the last movement reloads an empty account, which starts
    // the creation of a new one and reuses the frame.
    const qint64 n = NumAutoFrame2();
    const int topo = MSHFlexGrid1->TopRow();
    FlexGrid &g = *MSHFlexGrid1;
    if (LinhaEditada >= 1 && LinhaEditada < g.Rows()) {
        g.setRow(LinhaEditada);
        g.setTextMatrix(LinhaEditada, NumBanco, QStringLiteral("-1"));
        g.setTextMatrix(LinhaEditada, Alterou, Verdade);
    }
    const int linha = LinhaEditada;
    Estado().CriandoMovimento = false;
    EmAlteracao = false;
    GravaLinhasAlteradas();
    CarregaMovimentos();
    RepoeVista(topo, 0, linha);
    ApagaDadosOutros(n);
}

void Frm_bancos::RepoeVista(int topo, qint64 chave, int linha)
{
    // A reload rebuilds the grid from the top; put the user back where the edit happened.
    FlexGrid &g = *MSHFlexGrid1;
    if (!g.isVisibleTo(this) || g.Rows() <= 1)
        return;
    if (chave != 0)
        if (const int r = LinhasMovimentos::linhaDaChave(g, chave))
            linha = r;
    g.setTopRow(std::clamp(topo, 1, g.Rows() - 1));
    g.setRow(std::clamp(linha, 1, g.Rows() - 1));
}

// ---- grid rows ----

void Frm_bancos::PassaFrame2ParaGrelha()
{
    FlexGrid &g = *MSHFlexGrid1;
    const int r = LinhaEditada;
    if (r < 1 || r >= g.Rows())
        return;
    g.setTextMatrix(r, Numero, Frame2->Campo(0));
    g.setTextMatrix(r, Data, Frame2->Campo(1));
    g.setTextMatrix(r, Descricao, Frame2->Campo(2));
    g.setTextMatrix(r, S, Frame2->Cmb_Situacao->currentText().left(1));
    const QString valor = formataMontante(Frame2->Campo(3));
    const bool credito = Frame2->Cmb_TipoMovimento->currentText() == TipoCredito;
    g.setTextMatrix(r, ColunasGrelha::Debito, credito ? QString() : valor);
    g.setTextMatrix(r, ColunasGrelha::Credito, credito ? valor : QString());
    g.setTextMatrix(r, Alterou, Verdade);
}

void Frm_bancos::GravaLinhasAlteradas()
{
    if (!MSHFlexGrid1->isVisibleTo(this))
        return;
    GravaLinhas(false);
}

void Frm_bancos::GravaTodasLinhas()
{
    if (!MSHFlexGrid1->isVisibleTo(this))
        return;
    GravaLinhas(true);
}

void Frm_bancos::GravaLinhas(bool todas)
{
    QStringList datasInvalidas;
    const auto linhas =
        GravacaoGrelha::linhas(*MSHFlexGrid1, todas, NumBancoActual(), datasInvalidas);
    // Told before the write, so no message box waits while the transaction is open.
    for (const QString &data : datasInvalidas)
        MsgBox(QStringLiteral("A data ") + data + QStringLiteral(" não é válida!..."),
               QMessageBox::Ok, Icone::Exclamacao, QStringLiteral("AVISO"));
    TabelaMovimentos::actualiza(Ligacao(), linhas);
}

void Frm_bancos::CriaMovimento()
{
    Movimento m;
    m.numero = Frame2->Campo(0);
    m.data = Regional::interpretaData(Frame2->Campo(1)).value_or(QDate());
    m.descricao = Frame2->Campo(2);
    m.situacao = Frame2->Cmb_Situacao->currentText().left(1);
    const QString tipo = Frame2->Cmb_TipoMovimento->currentText();
    const auto valor = Dinheiro::interpreta(Frame2->Campo(3));
    if (valor && tipo == TipoDebito)
        m.debito = *valor;
    if (valor && tipo == TipoCredito)
        m.credito = *valor;
    m.numBanco = NumBancoActual();
    const qint64 chave = TabelaMovimentos::insere(Ligacao(), m);
    Frame2->Txt_NumAuto->setText(QString::number(chave));
    Estado().CriandoMovimento = false;
    CarregaMovimentos();
    RepoeVista(MSHFlexGrid1->TopRow(), chave, 1);
}

// ---- extras of a movement ----

void Frm_bancos::GravaDadosOutros(qint64 n)
{
    const ExtrasMovimento extras{Frame2->Cmb_Categoria->currentText(),
                                 Frame2->Cmb_Categoria1->currentText(), Frame2->Campo(4)};
    // Nothing to say: a stored row keeps what it had.
    if (extras.categoria.isEmpty() && extras.categoria1.isEmpty() && extras.observacoes.isEmpty())
        return;
    TabelaDetOutros::grava(Ligacao(), n, NumBancoActual(), extras);
}

void Frm_bancos::ApagaDadosOutros(qint64 n)
{
    TabelaDetOutros::apaga(Ligacao(), n, NumBancoActual());
}

// ---- highlight of the edited row ----

namespace {

// Calls `pinta` for every cell (columns 1 to the last) of the rows holding movement `chave`.
void paraCadaCelulaDaChave(FlexGrid &g, const QString &chave,
                           const std::function<void(int r, int c)> &pinta)
{
    if (chave.isEmpty())
        return;
    for (int r = 1; r < g.Rows(); ++r)
        if (g.TextMatrix(r, NumAutomatico) == chave)
            for (int c = 1; c < g.Cols(); ++c)
                pinta(r, c);
}

} // namespace

void Frm_bancos::RealcaLinhaEditada()
{
    FlexGrid &g = *MSHFlexGrid1;
    paraCadaCelulaDaChave(g, Frame2->Txt_NumAuto->text(), [&](int r, int c) {
        CorLinhaEditada = g.CellBackColor(r, c); // the row's own colour, whole-row as painted
        g.setCellBackColor(r, c, AzulEdicao);
    });
}

void Frm_bancos::RepoeCorLinha()
{
    FlexGrid &g = *MSHFlexGrid1;
    paraCadaCelulaDaChave(g, Frame2->Txt_NumAuto->text(),
                          [&](int r, int c) { g.setCellBackColor(r, c, CorLinhaEditada); });
}

// ---- wiring ----

void Frm_bancos::LigaMovimentos()
{
    // Cmd_CriaNovaEntrada is wired with the window's controls. The frame's own three buttons
    // are never pressed: their actions run from TrataBotaoFrame2 only.
    connect(Cmd_CriaNovaEntradaDebito, &QPushButton::clicked, this,
            &Frm_bancos::Cmd_CriaNovaEntradaDebito_Click);
    connect(Mnu_MovCredito, &QAction::triggered, this, &Frm_bancos::Mnu_MovCredito_Click);
    connect(Mnu_MovDebito, &QAction::triggered, this, &Frm_bancos::Mnu_MovDebito_Click);
    connect(MSHFlexGrid1, &FlexGrid::Click, this, &Frm_bancos::MSHFlexGrid1_Click);
    connect(MSHFlexGrid1, &FlexGrid::DblClick, this, &Frm_bancos::MSHFlexGrid1_DblClick);
    connect(MSHFlexGrid1, &FlexGrid::KeyDown, this, &Frm_bancos::MSHFlexGrid1_KeyDown);
    // Category and observations are the user's text, never markup.
    Label2->setTextFormat(Qt::PlainText);
}
