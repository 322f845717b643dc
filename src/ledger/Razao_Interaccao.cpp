// What clicks and keys on the ledger grid do: the details of the current movement under the
// grid, and the opening of a movement in the editor (double click or Enter).
#include "ledger/Razao.h"
#include "app/AvisoErroBaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/TabelaDetOutros.h"
#include "conta/ColunasGrelha.h"
#include "ledger/Frame2.h"
#include "platform/FlexGrid.h"
#include "data/Texto.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace ColunasGrelha;



void Razao::MSHFlexGrid1_Click()
{
    const FlexGrid &g = *contexto().grelha;
    if (g.Row() < 1 || g.Row() >= g.Rows())
        return;
    contexto().frame2->Txt_NumAuto->setText(g.TextMatrix(g.Row(), NumAutomatico));
    if (const auto n = conta().chave(g.Row()))
        MostraDetalhesNaGrelha(*n);
}

void Razao::MSHFlexGrid1_KeyDown(int tecla, Qt::KeyboardModifiers)
{
    // The grid tells us before it moves: an arrow key describes the row it leaves.
    const FlexGrid &g = *contexto().grelha;
    if (g.Row() < 1 || g.Row() >= g.Rows())
        return;
    contexto().frame2->Txt_NumAuto->setText(g.TextMatrix(g.Row(), NumAutomatico));
    const auto n = conta().chave(g.Row());
    if (!n)
        return;
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)
        MSHFlexGrid1_DblClick();
    MostraDetalhesNaGrelha(*n);
}

void Razao::MSHFlexGrid1_DblClick()
{
    // A double click while the editor is open (the grid disabled) does nothing.
    if (contexto().grelha->isEnabled() && PreparaAlteracao(contexto().grelha->Row()))
        AbreEditor();
}

bool Razao::PreparaAlteracao(int r)
{
    FlexGrid &g = *contexto().grelha;
    ::Frame2 &f = *contexto().frame2;
    const auto n = conta().chave(r);
    if (!n)
        return false;
    m_modo = ModoEdicao::Alteracao;
    m_linhaEditada = r;

    f.Txt_NumAuto->setText(g.TextMatrix(r, NumAutomatico));
    f.setCampo(1, g.TextMatrix(r, ColunasGrelha::Data));
    f.setCampo(0, g.TextMatrix(r, Numero));
    f.setCampo(2, g.TextMatrix(r, Descricao));
    f.Cmb_Situacao->setCurrentText(g.TextMatrix(r, S));
    // The editor gets the amount as the user would type it: "1234,5", no grouping.
    const Dinheiro debito = Dinheiro::interpreta(g.TextMatrix(r, Debito)).value_or(Dinheiro());
    const Dinheiro credito = Dinheiro::interpreta(g.TextMatrix(r, Credito)).value_or(Dinheiro());
    if (!debito.zero()) {
        f.Cmb_TipoMovimento->setCurrentText(QStringLiteral("Débito"));
        f.setCampo(3, debito.textoSimples());
    }
    if (!credito.zero()) {
        f.Cmb_TipoMovimento->setCurrentText(QStringLiteral("Crédito"));
        f.setCampo(3, credito.textoSimples());
    }
    if (debito.zero() && credito.zero()) {
        f.Cmb_TipoMovimento->setCurrentText(QStringLiteral("Débito"));
        f.setCampo(3, QString());
    }
    try {
        MostraDetalhes(*n);
    } catch (const ErroBaseDados &erro) {
        // Without its extras the editor would save them as blanks: do not open it.
        m_modo = ModoEdicao::Nenhum;
        MostraErroBaseDados(erro);
        return false;
    }
    g.setEnabled(false);
    RealcaLinhaEditada();
    return true;
}

void Razao::MostraDetalhesNaGrelha(qint64 n)
{
    try {
        MostraDetalhes(n);
    } catch (const ErroBaseDados &erro) {
        m_vista.Label2->clear();
        MostraErroBaseDados(erro);
    }
}

void Razao::MostraDetalhes(qint64 n)
{
    QString detalhes;
    if (const auto extras =
            TabelaDetOutros::le(contexto().ligacao(), n, conta().numBanco())) {
        contexto().frame2->Cmb_Categoria->setCurrentText(extras->categoria);
        contexto().frame2->Cmb_Categoria1->setCurrentText(extras->categoria1);
        contexto().frame2->setCampo(4, extras->observacoes);
        if (!extras->categoria.trimmed().isEmpty())
            detalhes += QStringLiteral("Categoria........:  ") + extras->categoria
                        + QLatin1Char('\n');
        if (!extras->observacoes.trimmed().isEmpty())
            detalhes += QStringLiteral("Observações..:  ") + Texto::corta(extras->observacoes, 50)
                        + QLatin1Char('\n');
    } else {
        contexto().frame2->Cmb_Categoria->setCurrentText(QString());
        contexto().frame2->Cmb_Categoria1->setCurrentText(QString());
        contexto().frame2->setCampo(4, QString());
    }
    m_vista.Label2->setText(detalhes);
}
