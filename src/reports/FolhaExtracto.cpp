#include "reports/FolhaExtracto.h"

namespace FolhaExtracto {

CelulaQuadro texto(const QString &t)
{
    CelulaQuadro c;
    c.tipo = t.isEmpty() ? TipoCelula::Vazia : TipoCelula::Texto;
    c.texto = t;
    return c;
}

CelulaQuadro dinheiro(qint64 centimos)
{
    CelulaQuadro c;
    c.tipo = TipoCelula::Dinheiro;
    c.numero = centimos;
    return c;
}

int percorre(const QuadroListagem &q, DestinoFolha &d)
{
    int n = 0;
    const auto &colunas = q.colunas();
    const int ncolunas = int(colunas.size());
    auto cabecalho = [&](const QString &t, bool negrito) {
        // The bank data starts with blanks that space it on paper; a cell needs none.
        const QString limpo = t.trimmed();
        if (limpo.isEmpty())
            return;
        d.linha(n++, TipoLinhaFolha::Cabecalho);
        d.celula(0, texto(limpo), negrito);
    };
    // The title (the account), its bank data, then the other heading lines (the selection).
    if (!q.cabecalho.isEmpty())
        cabecalho(q.cabecalho.first(), true);
    for (const QString &r : q.rodape)
        cabecalho(r, false);
    for (qsizetype i = 1; i < q.cabecalho.size(); ++i)
        cabecalho(q.cabecalho[i], false);
    d.linha(n++, TipoLinhaFolha::Branco);

    d.linha(n++, TipoLinhaFolha::Titulos);
    for (int c = 0; c < ncolunas; ++c)
        d.celula(c, texto(colunas[size_t(c)].titulo), true);
    for (int r = 0; r < q.registos(); ++r) {
        d.linha(n++, TipoLinhaFolha::Registo);
        for (int c = 0; c < ncolunas; ++c) {
            const CelulaQuadro v = q.celula(r, c);
            if (v.tipo != TipoCelula::Vazia)
                d.celula(c, v, false);
        }
    }

    if (!q.temTotais && !q.temSaldoFinal)
        return n;
    d.linha(n++, TipoLinhaFolha::Branco);
    // A line of sums: the label in the first column, unless a total sits there.
    auto somas = [&](const QString &rotulo, const std::vector<qint64> &valores) {
        d.linha(n++, TipoLinhaFolha::Soma);
        if (!colunas.front().total)
            d.celula(0, texto(rotulo), true);
        for (int c = 0; c < ncolunas; ++c)
            if (colunas[size_t(c)].total)
                d.celula(c, dinheiro(valores[size_t(c)]), true);
    };
    if (q.temTotais)
        somas(q.rotuloTotais, q.totais);
    if (q.temAnulados)
        somas(q.rotuloAnulados, q.anulados);
    if (q.temSaldoFinal) {
        d.linha(n++, TipoLinhaFolha::Soma);
        const int coluna = q.colunaSaldo >= 0 ? q.colunaSaldo : ncolunas - 1;
        if (coluna > 0)
            d.celula(0, texto(q.rotuloSaldoFinal), true);
        d.celula(coluna, dinheiro(q.saldoFinal), true);
    }
    return n;
}

} // namespace FolhaExtracto
