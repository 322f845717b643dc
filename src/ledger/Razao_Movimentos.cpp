// Creating, changing and deleting movements. The ledger and the movement editor talk only
// through the hidden frame Frame2: the ledger fills it, opens the editor, and acts on the result
// the editor leaves there (Frame2::Resultado). Writes go to TabBancos1Det (one row per movement,
// never removed: a deleted movement moves to account -1) and TabBancosDetOutros (category,
// sub-category, observations), both in one transaction. A write that fails leaves both tables
// and the grid as they were; a movement being validated opens again with what was typed.
#include "ledger/Razao.h"
#include "app/AvisoErroBaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "data/TabelaMovimentos.h"
#include "conta/ColunasGrelha.h"
#include "ledger/Frame2.h"
#include "ledger/Frm_Frame2.h"
#include "data/BaseDados.h"
#include "platform/FlexGrid.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"
#include "data/Relogio.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <functional>
#include <memory>

using namespace ColunasGrelha;

namespace {

const QString TipoCredito = QStringLiteral("Crédito");
const QString TipoDebito = QStringLiteral("Débito");

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
    PreencheNovoMovimento();
    AbreEditor();
}

void Razao::PreencheNovoMovimento()
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
}

void Razao::AbreEditor()
{
    // The editor only ever writes its result; preset "cancel" so that a close by any other
    // way cannot repeat the result of an earlier edit.
    contexto().frame2->setResultado(ResultadoEditor::Cancelar);
    {
        Frm_Frame2 editor(contexto().janela, contexto().frame2, m_modo, contexto().ligacao());
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
    if (!ContaAberta())
        return;
    try {
        CarregaMovimentos();
    } catch (const ErroBaseDados &) {
        // The account could not be read again: it is closed, its grid hidden; the database
        // holds everything written.
    }
}

qint64 Razao::NumAutoFrame2() const
{
    return contexto().frame2->Txt_NumAuto->text().trimmed().toLongLong();
}

void Razao::Cmd_Validar_Click()
{
    FlexGrid &g = *contexto().grelha;
    g.setEnabled(true);
    const ModoEdicao modo = m_modo;
    if (modo == ModoEdicao::Nenhum)
        return;
    const int topo = g.TopRow();
    qint64 chave = 0;
    ::ContaAberta::Gravacao gravada;
    Movimento criado;
    try {
        chave = modo == ModoEdicao::Alteracao ? AlteraMovimento(gravada) : CriaMovimento(criado);
    } catch (const ErroBaseDados &erro) {
        ReabreEditor(modo, erro);
        return;
    }
    // Written: the grid shows what is stored.
    m_modo = ModoEdicao::Nenhum;
    contexto().frame2->Txt_NumAuto->setText(QString::number(chave));
    int linhaCriada = 0;
    if (modo == ModoEdicao::Alteracao)
        MostraGravado(gravada);
    else if ((linhaCriada = conta().mostraCriado(criado)) != 0) // else the account is read again
        MostraConta();
    else
        CarregaMovimentos();
    if (modo == ModoEdicao::Alteracao)
        RepoeVista(topo, chave, m_linhaEditada);
    else
        RepoeVista(g.TopRow(), chave, std::max(linhaCriada, 1));
}

void Razao::ReabreEditor(ModoEdicao modo, const ErroBaseDados &erro)
{
    MsgBox(QStringLiteral("O movimento não foi gravado, nem a sua categoria e observações:\r")
               + erro.mensagem()
               + QStringLiteral("\r\rO movimento volta a abrir com o que escreveu: pode tentar "
                                "de novo ou cancelar."),
           QMessageBox::Ok, Icone::Critico);
    // The frame still holds what was typed (the editor hands its values back before it closes)
    // and the edited row is still highlighted: the editor simply opens again on them.
    m_modo = modo;
    contexto().grelha->setEnabled(false);
    AbreEditor();
}

void Razao::Cmd_FechaFrame2_Click()
{
    RepoeCorLinha();
    m_modo = ModoEdicao::Nenhum;
    contexto().grelha->setEnabled(true);
}

namespace {

// The texts of grid row r, to put back when a write of it fails.
QStringList textosDaLinha(const FlexGrid &g, int r)
{
    QStringList t;
    for (int c = 0; c < g.Cols(); ++c)
        t << g.TextMatrix(r, c);
    return t;
}

void repoeTextosDaLinha(FlexGrid &g, int r, const QStringList &textos)
{
    for (int c = 0; c < g.Cols() && c < textos.size(); ++c)
        if (g.TextMatrix(r, c) != textos[c])
            g.setTextMatrix(r, c, textos[c]);
}

} // namespace

void Razao::Cmd_ApagaMovimento_Click()
{
    FlexGrid &g = *contexto().grelha;
    g.setEnabled(true);
    const qint64 n = NumAutoFrame2();
    const int topo = g.TopRow();
    const int linha = m_linhaEditada;
    m_modo = ModoEdicao::Nenhum;
    const bool naGrelha = linha >= 1 && linha < g.Rows();
    const QStringList antes = naGrelha ? textosDaLinha(g, linha) : QStringList();
    if (naGrelha) {
        g.setRow(linha);
        conta().marcaApagada(linha);
        conta().marcaAlterada(linha);
    }
    ::ContaAberta::Gravacao gravada;
    try {
        // The movement moves to account -1 and its extras go, together.
        gravada = LinhasPorGravar(false);
        TabelaMovimentos::apagaComExtras(contexto().ligacao(), gravada.linhas, n,
                                         conta().numBanco());
    } catch (const ErroBaseDados &erro) {
        if (naGrelha)
            repoeTextosDaLinha(g, linha, antes);
        RepoeCorLinha();
        MsgBox(QStringLiteral("O movimento não foi apagado:\r") + erro.mensagem()
                   + QStringLiteral("\r\rContinua na conta, com a categoria e as observações "
                                    "que tinha."),
               QMessageBox::Ok, Icone::Critico);
        return;
    }
    // Deleting the last movement shows an empty account, which starts the creation of a new
    // one and reuses the frame: the deleted movement's extras were removed before. Should the
    // deleted movement not be the row marked, the account is read again.
    if (naGrelha && conta().chave(linha) == n)
        MostraGravado(gravada);
    else
        CarregaMovimentos();
    RepoeVista(topo, 0, linha);
}

void Razao::RepoeVista(int topo, qint64 chave, int linha)
{
    // A reload rebuilds the grid from the top; put the user back where the edit happened.
    FlexGrid &g = *contexto().grelha;
    if (!ContaAberta() || g.Rows() <= 1)
        return;
    if (chave != 0) // looked for from where it was: it moves only as far as its date takes it
        if (const int r = conta().linhaDaChave(chave, linha))
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
    conta().marcaAlterada(r);
}

void Razao::GravaLinhasAlteradas()
{
    if (!ContaAberta())
        return;
    GravaLinhas(false);
}

void Razao::GravaTodasLinhas()
{
    if (!ContaAberta())
        return;
    GravaLinhas(true);
}

::ContaAberta::Gravacao Razao::LinhasPorGravar(bool todas)
{
    ::ContaAberta::Gravacao g = conta().porGravar(todas);
    // Told before the write, so no message box waits while the transaction is open.
    for (const QString &data : g.datasInvalidas)
        MsgBox(QStringLiteral("A data ") + data + QStringLiteral(" não é válida!..."),
               QMessageBox::Ok, Icone::Exclamacao, QStringLiteral("AVISO"));
    return g;
}

void Razao::GravaLinhas(bool todas)
{
    auto g = std::make_shared<const ::ContaAberta::Gravacao>(LinhasPorGravar(todas));
    if (g->vazia())
        return;
    BaseDados &bd = contexto().ligacao();
    {
        std::optional<Transaccao> t; // a caller's own transaction covers the pass
        if (!bd.emTransaccao())
            t.emplace(bd);
        TabelaMovimentos::actualiza(bd, g->linhas);
        conta().gravaSaldos(bd, *g);
        // Believed stored only once committed: a caller's transaction may still roll it back.
        QPointer<::ContaAberta> conta(&this->conta());
        bd.aposConfirmar([conta, g] {
            if (conta)
                conta->gravou(*g);
        });
    }
}

void Razao::MostraGravado(const ::ContaAberta::Gravacao &g)
{
    if (!conta().mostraGravado(g)) {
        CarregaMovimentos();
        return;
    }
    MostraConta();
}

qint64 Razao::CriaMovimento(Movimento &criado)
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
    m.numBanco = conta().numBanco();
    m.numAutomatico = TabelaMovimentos::criaComExtras(contexto().ligacao(), m, ExtrasFrame2());
    criado = m;
    return m.numAutomatico;
}

qint64 Razao::AlteraMovimento(::ContaAberta::Gravacao &gravada)
{
    FlexGrid &g = *contexto().grelha;
    const qint64 n = NumAutoFrame2();
    const int r = m_linhaEditada;
    const bool naGrelha = r >= 1 && r < g.Rows();
    const QStringList antes = naGrelha ? textosDaLinha(g, r) : QStringList();
    PassaFrame2ParaGrelha();
    try {
        gravada = LinhasPorGravar(false);
        TabelaMovimentos::alteraComExtras(contexto().ligacao(), gravada.linhas, n,
                                          conta().numBanco(), ExtrasFrame2());
    } catch (const ErroBaseDados &) {
        // Nothing was written: the row shows, and would write back, what is stored.
        if (naGrelha)
            repoeTextosDaLinha(g, r, antes);
        throw;
    }
    return n;
}

// ---- extras of a movement ----

std::optional<ExtrasMovimento> Razao::ExtrasFrame2() const
{
    const ExtrasMovimento extras{contexto().frame2->Cmb_Categoria->currentText(),
                                 contexto().frame2->Cmb_Categoria1->currentText(),
                                 contexto().frame2->Campo(4)};
    // Nothing to say: a stored row keeps what it had.
    if (extras.categoria.isEmpty() && extras.categoria1.isEmpty() && extras.observacoes.isEmpty())
        return std::nullopt;
    return extras;
}

// ---- highlight of the edited row ----

namespace {

// Calls `pinta` for every cell (columns 1 to the last) of the rows holding movement `chave`.
void paraCadaCelulaDaChave(const ContaAberta &conta, const QString &chave,
                           const std::function<void(int r, int c)> &pinta)
{
    bool ok = false;
    const qint64 n = chave.toLongLong(&ok);
    if (!ok || QString::number(n) != chave)
        return; // no key cell reads a text that is not a key as the grid writes it
    for (const int r : conta.linhasDaChave(n))
        for (int c = 1; c < conta.colunas(); ++c)
            pinta(r, c);
}

} // namespace

void Razao::RealcaLinhaEditada()
{
    FlexGrid &g = *contexto().grelha;
    paraCadaCelulaDaChave(conta(), contexto().frame2->Txt_NumAuto->text(), [&](int r, int c) {
        m_corLinhaEditada = g.CellBackColor(r, c); // the row's own colour, whole-row as painted
        g.setCellBackColor(r, c, AzulEdicao);
    });
}

void Razao::RepoeCorLinha()
{
    FlexGrid &g = *contexto().grelha;
    paraCadaCelulaDaChave(conta(), contexto().frame2->Txt_NumAuto->text(),
                          [&](int r, int c) { g.setCellBackColor(r, c, m_corLinhaEditada); });
}
