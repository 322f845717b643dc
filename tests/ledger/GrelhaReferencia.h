#pragma once
// The movement grid as it was filled before it made its cells on demand: every text written
// into its own cell, the running balance summed row by row and every colour set cell by cell.
// Tests compare the window's grid with it, cell by cell.
#include "data/BaseDados.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "data/TabelaMovimentos.h"
#include "conta/ColunasGrelha.h"
#include "platform/FlexGrid.h"
#include "platform/Medidas.h"

namespace GrelhaReferencia {

inline QString montante(Dinheiro d) { return d.zero() ? QString() : d.formata(); }

// Fills `g` with account `numBanco`; returns the final balance.
inline Dinheiro preenche(FlexGrid &g, BaseDados &bd, int numBanco)
{
    using namespace ColunasGrelha;
    std::vector<Movimento> movimentos;
    TabelaMovimentos::percorre(bd, numBanco, [&](const Movimento &m) { movimentos.push_back(m); });
    g.setTamanho(int(movimentos.size()) + 1, NumColunas);
    g.setColAlignment(Data, Alinhamento::Centro);
    g.setColAlignment(S, Alinhamento::Centro);
    for (int c = NumAutomatico; c < NumColunas; ++c)
        g.setTextMatrix(0, c, TabelaMovimentos::Colunas.at(c - 1));
    const QDate hoje = Relogio::hoje();
    Dinheiro saldo;
    for (int r = 1; r < g.Rows(); ++r) {
        const Movimento &m = movimentos[size_t(r - 1)];
        g.setTextMatrix(r, NumAutomatico, QString::number(m.numAutomatico));
        g.setTextMatrix(r, Data, Regional::formataData(m.data));
        g.setTextMatrix(r, Numero, m.numero);
        g.setTextMatrix(r, Descricao, m.descricao);
        g.setTextMatrix(r, S, m.situacao);
        g.setTextMatrix(r, Debito, montante(m.debito));
        g.setTextMatrix(r, Credito, montante(m.credito));
        g.setTextMatrix(r, NumBanco, QString::number(numBanco));
        g.setTextMatrix(r, Alterou, QStringLiteral("False"));
        const bool anulado = m.situacao == QLatin1String("A");
        if (m.situacao.left(1).trimmed() != QLatin1String("A"))
            saldo += m.credito - m.debito;
        g.setTextMatrix(r, Saldo, montante(saldo));
        g.setCellForeColor(r, Saldo, saldo.negativo() ? corBgr(0xFF) : QColor());
        if (anulado || (m.data.isValid() && m.data == hoje))
            for (int c = 1; c < g.Cols(); ++c)
                g.setCellBackColor(r, c, corBgr(anulado ? 0x8080FF : 0xE0E0E0));
    }
    return saldo;
}

} // namespace GrelhaReferencia
