// What clicks and keys on the ledger grid do: the details of the current movement under the
// grid, and the opening of a movement in the editor (double click or Enter).
#include "app/EstadoPrograma.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/ErroBaseDados.h"
#include "data/TabelaDetOutros.h"
#include "ledger/ColunasGrelha.h"
#include "ledger/Frame2.h"
#include "platform/FlexGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace ColunasGrelha;

namespace {

// The key of the grid's current row; nothing when that row is not a movement's (the header,
// or no row chosen yet).
std::optional<qint64> chaveDaLinha(const FlexGrid &g, int r)
{
    if (r < 1 || r >= g.Rows())
        return std::nullopt;
    bool ok = false;
    const qint64 n = g.TextMatrix(r, NumAutomatico).trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

} // namespace

void Frm_bancos::MSHFlexGrid1_Click()
{
    const FlexGrid &g = *MSHFlexGrid1;
    if (g.Row() < 1 || g.Row() >= g.Rows())
        return;
    Frame2->Txt_NumAuto->setText(g.TextMatrix(g.Row(), NumAutomatico));
    if (const auto n = chaveDaLinha(g, g.Row()))
        MostraDetalhesNaGrelha(*n);
}

void Frm_bancos::MSHFlexGrid1_KeyDown(int tecla, Qt::KeyboardModifiers)
{
    // The grid tells us before it moves: an arrow key describes the row it leaves.
    const FlexGrid &g = *MSHFlexGrid1;
    if (g.Row() < 1 || g.Row() >= g.Rows())
        return;
    Frame2->Txt_NumAuto->setText(g.TextMatrix(g.Row(), NumAutomatico));
    const auto n = chaveDaLinha(g, g.Row());
    if (!n)
        return;
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)
        MSHFlexGrid1_DblClick();
    MostraDetalhesNaGrelha(*n);
}

void Frm_bancos::MSHFlexGrid1_DblClick()
{
    FlexGrid &g = *MSHFlexGrid1;
    const int r = g.Row();
    const auto n = chaveDaLinha(g, r);
    if (!n || !g.isEnabled())
        return;
    Estado().CriandoMovimento = false;
    EmAlteracao = true;
    LinhaEditada = r;

    Frame2->Txt_NumAuto->setText(g.TextMatrix(r, NumAutomatico));
    Frame2->setCampo(1, g.TextMatrix(r, ColunasGrelha::Data));
    Frame2->setCampo(0, g.TextMatrix(r, Numero));
    Frame2->setCampo(2, g.TextMatrix(r, Descricao));
    Frame2->Cmb_Situacao->setCurrentText(g.TextMatrix(r, S));
    // The editor gets the amount as the user would type it: "1234,5", no grouping.
    const Dinheiro debito = Dinheiro::interpreta(g.TextMatrix(r, Debito)).value_or(Dinheiro());
    const Dinheiro credito = Dinheiro::interpreta(g.TextMatrix(r, Credito)).value_or(Dinheiro());
    if (!debito.zero()) {
        Frame2->Cmb_TipoMovimento->setCurrentText(QStringLiteral("Débito"));
        Frame2->setCampo(3, debito.textoSimples());
    }
    if (!credito.zero()) {
        Frame2->Cmb_TipoMovimento->setCurrentText(QStringLiteral("Crédito"));
        Frame2->setCampo(3, credito.textoSimples());
    }
    if (debito.zero() && credito.zero()) {
        Frame2->Cmb_TipoMovimento->setCurrentText(QStringLiteral("Débito"));
        Frame2->setCampo(3, QString());
    }
    try {
        MostraDetalhes(*n);
    } catch (const ErroBaseDados &erro) {
        // Without its extras the editor would save them as blanks: do not open it.
        EmAlteracao = false;
        MostraErroBaseDados(erro);
        return;
    }
    g.setEnabled(false);
    RealcaLinhaEditada();
    AbreEditor();
}

void Frm_bancos::MostraDetalhesNaGrelha(qint64 n)
{
    try {
        MostraDetalhes(n);
    } catch (const ErroBaseDados &erro) {
        Label2->clear();
        MostraErroBaseDados(erro);
    }
}

void Frm_bancos::MostraDetalhes(qint64 n)
{
    QString detalhes;
    if (const auto extras = TabelaDetOutros::le(Ligacao(), n, NumBancoActual())) {
        Frame2->Cmb_Categoria->setCurrentText(extras->categoria);
        Frame2->Cmb_Categoria1->setCurrentText(extras->categoria1);
        Frame2->setCampo(4, extras->observacoes);
        if (!extras->categoria.trimmed().isEmpty())
            detalhes += QStringLiteral("Categoria........:  ") + extras->categoria
                        + QLatin1Char('\n');
        if (!extras->observacoes.trimmed().isEmpty())
            detalhes += QStringLiteral("Observações..:  ") + extras->observacoes.left(50)
                        + QLatin1Char('\n');
    } else {
        Frame2->Cmb_Categoria->setCurrentText(QString());
        Frame2->Cmb_Categoria1->setCurrentText(QString());
        Frame2->setCampo(4, QString());
    }
    Label2->setText(detalhes);
}
