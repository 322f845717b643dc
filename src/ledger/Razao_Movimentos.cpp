// Creating, changing and deleting movements. The ledger and the movement editor talk only
// through the hidden frame Frame2: the ledger fills it, opens the editor, and acts on the result
// the editor leaves there (Frame2::Resultado). Writes go to TabBancos1Det (one row per movement,
// never removed: a deleted movement moves to account -1) and TabBancosDetOutros (category,
// sub-category, observations).
#include "ledger/Razao.h"
#include "app/AvisoErroBaseDados.h"
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
#include "data/Relogio.h"

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

void Razao::Cmd_CriaNovaEntrada_Click()
{
    contexto().frame2->Cmb_TipoMovimento->setCurrentText(TipoCredito);
    PreparaNovoMovimento();
}

void Razao::Cmd_CriaNovaEntradaDebito_Click()
{
    contexto().frame2->Cmb_TipoMovimento->setCurrentText(TipoDebito);
    PreparaNovoMovimento();
}

void Razao::PreparaNovoMovimento()
{
    m_modo = ModoEdicao::Criacao;
    contexto().grelha->setEnabled(false);
    ::Frame2 &f = *contexto().frame2;
    f.setCampo(0, QString());
    f.setCampo(1, Regional::formataData(Relogio::hoje()));
    for (int i : {2, 3, 4})
        f.setCampo(i, QString());
    for (QComboBox *c : {f.Cmb_Categoria, f.Cmb_Categoria1, f.Cmb_Situacao})
        c->setCurrentText(QString());
    AbreEditor();
}

void Razao::AbreEditor()
{
    // The editor only ever writes its result; preset "cancel" so that a close by any other
    // way cannot repeat the result of an earlier edit.
    contexto().frame2->setResultado(ResultadoEditor::Cancelar);
    {
        Frm_Frame2 editor(contexto().janela, contexto().frame2, m_modo);
        editor.exec();
    }
    TrataBotaoFrame2();
}

// ---- the editor's result ----

void Razao::TrataBotaoFrame2()
{
    try {
        switch (contexto().frame2->Resultado()) {
        case ResultadoEditor::Validar:
            Cmd_Validar_Click();
            break;
        case ResultadoEditor::Apagar:
            Cmd_ApagaMovimento_Click();
            break;
        case ResultadoEditor::Cancelar:
            // Also what anything an editor should never leave reads as: the grid must not
            // stay disabled.
            Cmd_FechaFrame2_Click();
            break;
        }
    } catch (const ErroBaseDados &erro) {
        RecuperaDeErro(erro);
    }
}

void Razao::RecuperaDeErro(const ErroBaseDados &erro)
{
    // What reached the database stays; the grid is brought back to it and left usable.
    m_modo = ModoEdicao::Nenhum;
    contexto().grelha->setEnabled(true);
    MostraErroBaseDados(erro);
    if (!contexto().grelha->isVisibleTo(contexto().janela))
        return;
    try {
        CarregaMovimentos();
    } catch (const ErroBaseDados &) {
        RepoeCorLinha(); // the grid keeps its rows; at least the highlight goes
    }
}

qint64 Razao::NumAutoFrame2() const
{
    return contexto().frame2->Txt_NumAuto->text().trimmed().toLongLong();
}

void Razao::Cmd_Validar_Click()
{
    contexto().grelha->setEnabled(true);
    const ModoEdicao modo = m_modo;
    if (modo == ModoEdicao::Alteracao) {
        const qint64 n = NumAutoFrame2();
        const int topo = contexto().grelha->TopRow();
        PassaFrame2ParaGrelha();
        GravaLinhasAlteradas();
        CarregaMovimentos();
        RepoeVista(topo, n, m_linhaEditada);
        GravaDadosOutros(n);
    }
    if (modo == ModoEdicao::Criacao) {
        CriaMovimento();
        GravaDadosOutros(NumAutoFrame2());
    }
    m_modo = ModoEdicao::Nenhum;
}

void Razao::Cmd_FechaFrame2_Click()
{
    RepoeCorLinha();
    m_modo = ModoEdicao::Nenhum;
    contexto().grelha->setEnabled(true);
}

void Razao::Cmd_ApagaMovimento_Click()
{
    contexto().grelha->setEnabled(true);
    // Read the key first: deleting the last movement reloads an empty account, which starts
    // the creation of a new one and reuses the frame.
    const qint64 n = NumAutoFrame2();
    const int topo = contexto().grelha->TopRow();
    FlexGrid &g = *contexto().grelha;
    if (m_linhaEditada >= 1 && m_linhaEditada < g.Rows()) {
        g.setRow(m_linhaEditada);
        g.setTextMatrix(m_linhaEditada, NumBanco, QStringLiteral("-1"));
        g.setTextMatrix(m_linhaEditada, Alterou, Verdade);
    }
    const int linha = m_linhaEditada;
    m_modo = ModoEdicao::Nenhum;
    GravaLinhasAlteradas();
    CarregaMovimentos();
    RepoeVista(topo, 0, linha);
    ApagaDadosOutros(n);
}

void Razao::RepoeVista(int topo, qint64 chave, int linha)
{
    // A reload rebuilds the grid from the top; put the user back where the edit happened.
    FlexGrid &g = *contexto().grelha;
    if (!g.isVisibleTo(contexto().janela) || g.Rows() <= 1)
        return;
    if (chave != 0)
        if (const int r = LinhasMovimentos::linhaDaChave(g, chave))
            linha = r;
    g.setTopRow(std::clamp(topo, 1, g.Rows() - 1));
    g.setRow(std::clamp(linha, 1, g.Rows() - 1));
}

// ---- grid rows ----

void Razao::PassaFrame2ParaGrelha()
{
    FlexGrid &g = *contexto().grelha;
    const int r = m_linhaEditada;
    if (r < 1 || r >= g.Rows())
        return;
    g.setTextMatrix(r, Numero, contexto().frame2->Campo(0));
    g.setTextMatrix(r, Data, contexto().frame2->Campo(1));
    g.setTextMatrix(r, Descricao, contexto().frame2->Campo(2));
    g.setTextMatrix(r, S, contexto().frame2->Cmb_Situacao->currentText().left(1));
    const QString valor = formataMontante(contexto().frame2->Campo(3));
    const bool credito = contexto().frame2->Cmb_TipoMovimento->currentText() == TipoCredito;
    g.setTextMatrix(r, ColunasGrelha::Debito, credito ? QString() : valor);
    g.setTextMatrix(r, ColunasGrelha::Credito, credito ? valor : QString());
    g.setTextMatrix(r, Alterou, Verdade);
}

void Razao::GravaLinhasAlteradas()
{
    if (!contexto().grelha->isVisibleTo(contexto().janela))
        return;
    GravaLinhas(false);
}

void Razao::GravaTodasLinhas()
{
    if (!contexto().grelha->isVisibleTo(contexto().janela))
        return;
    GravaLinhas(true);
}

void Razao::GravaLinhas(bool todas)
{
    QStringList datasInvalidas;
    const auto linhas = GravacaoGrelha::linhas(*contexto().grelha, todas,
                                               contexto().numBancoActual(), datasInvalidas);
    // Told before the write, so no message box waits while the transaction is open.
    for (const QString &data : datasInvalidas)
        MsgBox(QStringLiteral("A data ") + data + QStringLiteral(" não é válida!..."),
               QMessageBox::Ok, Icone::Exclamacao, QStringLiteral("AVISO"));
    TabelaMovimentos::actualiza(contexto().ligacao(), linhas);
}

void Razao::CriaMovimento()
{
    Movimento m;
    m.numero = contexto().frame2->Campo(0);
    m.data = Regional::interpretaData(contexto().frame2->Campo(1)).value_or(QDate());
    m.descricao = contexto().frame2->Campo(2);
    m.situacao = contexto().frame2->Cmb_Situacao->currentText().left(1);
    const QString tipo = contexto().frame2->Cmb_TipoMovimento->currentText();
    const auto valor = Dinheiro::interpreta(contexto().frame2->Campo(3));
    if (valor && tipo == TipoDebito)
        m.debito = *valor;
    if (valor && tipo == TipoCredito)
        m.credito = *valor;
    m.numBanco = contexto().numBancoActual();
    const qint64 chave = TabelaMovimentos::insere(contexto().ligacao(), m);
    contexto().frame2->Txt_NumAuto->setText(QString::number(chave));
    m_modo = ModoEdicao::Nenhum;
    CarregaMovimentos();
    RepoeVista(contexto().grelha->TopRow(), chave, 1);
}

// ---- extras of a movement ----

void Razao::GravaDadosOutros(qint64 n)
{
    const ExtrasMovimento extras{contexto().frame2->Cmb_Categoria->currentText(),
                                 contexto().frame2->Cmb_Categoria1->currentText(),
                                 contexto().frame2->Campo(4)};
    // Nothing to say: a stored row keeps what it had.
    if (extras.categoria.isEmpty() && extras.categoria1.isEmpty() && extras.observacoes.isEmpty())
        return;
    TabelaDetOutros::grava(contexto().ligacao(), n, contexto().numBancoActual(), extras);
}

void Razao::ApagaDadosOutros(qint64 n)
{
    TabelaDetOutros::apaga(contexto().ligacao(), n, contexto().numBancoActual());
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

void Razao::RealcaLinhaEditada()
{
    FlexGrid &g = *contexto().grelha;
    paraCadaCelulaDaChave(g, contexto().frame2->Txt_NumAuto->text(), [&](int r, int c) {
        m_corLinhaEditada = g.CellBackColor(r, c); // the row's own colour, whole-row as painted
        g.setCellBackColor(r, c, AzulEdicao);
    });
}

void Razao::RepoeCorLinha()
{
    FlexGrid &g = *contexto().grelha;
    paraCadaCelulaDaChave(g, contexto().frame2->Txt_NumAuto->text(),
                          [&](int r, int c) { g.setCellBackColor(r, c, m_corLinhaEditada); });
}
