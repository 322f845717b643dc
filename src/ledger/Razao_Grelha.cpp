// The movement grid: an account's movements in date order, their running balance and colours.
// Texts go into the grid already formatted; balances are summed in exact cents.
#include "ledger/Razao.h"
#include "data/BaseDados.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "data/TabelaMovimentos.h"
#include "ledger/ColunasGrelha.h"
#include "platform/CursorEspera.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/FlexGrid.h"
#include "platform/Medidas.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

using namespace ColunasGrelha;

const QColor CinzentoHoje = corBgr(0xE0E0E0);
const QColor VermelhoAnulado = corBgr(0x8080FF);
const QColor Vermelho = corBgr(0x0000FF);

QString montante(Dinheiro d) { return d.zero() ? QString() : d.formata(); }

} // namespace

void Razao::CarregaMovimentos()
{
    if (!Regional::ehNumerico(contexto().numBanco->text())) {
        contexto().grelha->hide();
        m_vista.Label2->hide();
        return;
    }
    m_vista.Lbl_NomeDoBanco->move(twips(120), twips(120));
    m_vista.Lbl_NomeDoBanco->show();
    m_vista.Mnu_GestBanco->setVisible(true);

    const int numBanco = contexto().numBancoActual();
    const int total = TabelaMovimentos::conta(contexto().ligacao(), numBanco);
    if (total == 0) {
        for (QWidget *w : std::initializer_list<QWidget *>{
                 contexto().grelha, m_vista.Label2, m_vista.Label1_10, m_vista.Txt_SaldoFinal,
                 m_vista.Cmd_CriaNovaEntrada, m_vista.Cmd_CriaNovaEntradaDebito, m_vista.Label25_0})
            w->hide();
        m_saldoFinal = Dinheiro();
        Cmd_CriaNovaEntrada_Click();
        return;
    }

    for (QWidget *w : std::initializer_list<QWidget *>{
             m_vista.Label1_10, m_vista.Txt_SaldoFinal, m_vista.Cmd_CriaNovaEntrada,
             m_vista.Cmd_CriaNovaEntradaDebito, m_vista.Label25_0, m_vista.Label2})
        w->show();
    m_vista.Cmd_CriaNovaEntrada1->hide();
    m_vista.Mnu_Movimentos->menuAction()->setVisible(true);
    contexto().grelha->move(twips(120), twips(600));
    m_vista.Label2->move(twips(120), twips(6420));
    m_vista.Txt_SaldoFinal->move(twips(9520), twips(6480));
    m_vista.Label1_10->move(twips(7520), twips(6540));
    m_vista.Label25_0->move(twips(120), twips(7080));
    m_vista.Cmd_CriaNovaEntrada->move(twips(4560), twips(7080));
    m_vista.Cmd_CriaNovaEntradaDebito->move(twips(5400), twips(7080));

    // Fill the grid with the final texts, as a bound grid would after formatting.
    const CursorEspera ampulheta;
    FlexGrid &g = *contexto().grelha;
    g.setRedraw(false);
    g.setTamanho(1, NumColunas); // drops the previous account's cells and colours at once
    g.setTamanho(total + 1, NumColunas);
    for (int c = NumAutomatico; c < NumColunas; ++c)
        g.setTextMatrix(0, c, TabelaMovimentos::Colunas.at(c - 1));
    const QString falso = QStringLiteral("False");
    const QString contaTexto = QString::number(numBanco); // one shared text for the column
    m_valoresLinhas.clear();
    m_valoresLinhas.reserve(size_t(total));
    int r = 0;
    TabelaMovimentos::percorre(contexto().ligacao(), numBanco, [&](const Movimento &m) {
        if (++r > total)
            g.setRows(r + 1); // a movement added since the count: never lose a row
        g.setTextMatrix(r, NumAutomatico, QString::number(m.numAutomatico));
        g.setTextMatrix(r, Data, Regional::formataData(m.data));
        g.setTextMatrix(r, Numero, m.numero);
        g.setTextMatrix(r, Descricao, m.descricao);
        g.setTextMatrix(r, S, m.situacao);
        g.setTextMatrix(r, Debito, montante(m.debito));
        g.setTextMatrix(r, Credito, montante(m.credito));
        g.setTextMatrix(r, NumBanco, contaTexto);
        g.setTextMatrix(r, Alterou, falso);
        m_valoresLinhas.push_back({m.data, m.debito, m.credito});
    });
    if (r < total)
        g.setRows(r + 1);
    contexto().grelha->show();
    contexto().grelha->setFocus(); // arrows and Enter work at once
    FormataGrelha();
}

void Razao::FormataGrelha()
{
    FlexGrid &g = *contexto().grelha;
    g.setRedraw(false);
    static const int larguras[NumColunas] = {1, 1, 1000, 1200, 5000, 300, 1200, 1200, 1300, 1, 1};
    for (int c = 0; c < g.Cols() && c < NumColunas; ++c)
        g.setColWidth(c, larguras[c]);
    // The designed date width fits the designed font; a larger screen font still shows the
    // whole date, taking the room from the description.
    const int larguraData = (g.fontMetrics().horizontalAdvance(QStringLiteral("00-00-0000")) + 12) * 15;
    if (larguraData > larguras[Data]) {
        g.setColWidth(Data, larguraData);
        g.setColWidth(Descricao, larguras[Descricao] - (larguraData - larguras[Data]));
    }
    g.setColAlignment(Data, Alinhamento::Centro);
    g.setColAlignment(S, Alinhamento::Centro);
    g.setRowHeightMin(280);

    // Running balance: annulled movements ("A", exactly) leave it unchanged but still show it.
    const QDate hoje = Relogio::hoje();
    Dinheiro saldo;
    const int linhas = std::min<int>(g.Rows() - 1, int(m_valoresLinhas.size()));
    for (int r = 1; r <= linhas; ++r) {
        const ValoresLinha &v = m_valoresLinhas[size_t(r - 1)];
        const QString &s = g.TextMatrix(r, S);
        const bool anulado = s == QLatin1String("A");
        if (s.left(1).trimmed() != QLatin1String("A"))
            saldo += v.credito - v.debito;
        g.setTextMatrix(r, Saldo, montante(saldo));
        g.setCellForeColor(r, Saldo, saldo.negativo() ? Vermelho : QColor());
        const bool deHoje = v.data.isValid() && v.data == hoje;
        if (deHoje || anulado) {
            const QColor fundo = anulado ? VermelhoAnulado : CinzentoHoje;
            for (int c = 1; c < g.Cols(); ++c)
                g.setCellBackColor(r, c, fundo);
        }
    }
    m_saldoFinal = saldo;
    QPalette paleta = m_vista.Txt_SaldoFinal->palette();
    paleta.setColor(QPalette::Text, saldo.negativo() ? Vermelho : QColor(Qt::black));
    m_vista.Txt_SaldoFinal->setPalette(paleta);
    m_vista.Txt_SaldoFinal->setText(saldo.formataMoeda());
    g.setRedraw(true);
}
