#include "reports/QuadroListagem.h"
#include "data/Dinheiro.h"
#include "data/Regional.h"
#include "reports/PaginacaoRelatorio.h"

#include <algorithm>

bool situacaoAnulada(const QString &situacao)
{
    return situacao.startsWith(QLatin1Char('A'));
}

QuadroListagem::QuadroListagem(const Listagem &listagem) : m_listagem(listagem)
{
    const ModeloRelatorio &m = listagem.modelo;
    const DadosRelatorio &dados = listagem.dados;
    for (const QString &l : m.cabecalho)
        cabecalho << listagem.preencheLinha(l);
    for (const QString &l : m.rodape)
        rodape << listagem.preencheLinha(l);
    rotuloTotais = m.rotuloTotais;
    rotuloAnulados = m.rotuloAnulados;
    rotuloSaldoFinal = m.rotuloSaldoFinal;

    const size_t n = m.colunas.size();
    for (const ColunaModelo &c : m.colunas)
        m_indices.push_back(dados.indice(c.campo));
    temTotais = std::any_of(m.colunas.begin(), m.colunas.end(),
                            [](const ColunaModelo &c) { return c.total; });
    const int situacao = m.campoSituacao.isEmpty() ? -1 : dados.indice(m.campoSituacao);
    temAnulados = temTotais && situacao >= 0;

    totais.assign(n, 0);
    anulados.assign(n, 0);
    m_anulados.reserve(dados.linhas.size());
    for (const QVariantList &l : dados.linhas) {
        const bool a = situacao >= 0 && situacaoAnulada(l.at(situacao).toString());
        m_anulados.push_back(a);
        registosAnulados += a ? 1 : 0;
        std::vector<qint64> &soma = a ? anulados : totais;
        for (size_t c = 0; c < n; ++c)
            if (m.colunas[c].total && m_indices[c] >= 0)
                soma[c] += l.at(m_indices[c]).toLongLong();
    }
    if (!temAnulados) // no situation to tell them by: every record is in the totals
        for (size_t c = 0; c < n; ++c)
            totais[c] += std::exchange(anulados[c], 0);

    temSaldoFinal = !m.rotuloSaldoFinal.isEmpty();
    const int saldo = dados.indice(m.campoSaldo);
    for (size_t c = 0; c < n; ++c)
        if (colunaSaldo < 0 && m.colunas[c].campo == m.campoSaldo.toLower())
            colunaSaldo = int(c);
    if (saldo >= 0 && !dados.linhas.empty())
        saldoFinal = dados.linhas.back().at(saldo).toLongLong();
}

const std::vector<ColunaModelo> &QuadroListagem::colunas() const
{
    return m_listagem.modelo.colunas;
}

int QuadroListagem::registos() const
{
    return int(m_listagem.dados.linhas.size());
}

bool QuadroListagem::anulado(int registo) const
{
    return m_anulados[size_t(registo)];
}

CelulaQuadro QuadroListagem::celula(int registo, int coluna) const
{
    CelulaQuadro r;
    const int i = m_indices[size_t(coluna)];
    if (i < 0)
        return r;
    const QVariant &v = m_listagem.dados.linhas[size_t(registo)].at(i);
    switch (colunas()[size_t(coluna)].formato) {
    case FormatoColuna::Texto:
        r.texto = v.toString();
        if (!r.texto.isEmpty())
            r.tipo = TipoCelula::Texto;
        break;
    case FormatoColuna::Data:
        r.data = v.toDate();
        if (r.data.isValid())
            r.tipo = TipoCelula::Data;
        break;
    case FormatoColuna::Inteiro:
        r.tipo = TipoCelula::Inteiro;
        r.numero = v.toLongLong();
        break;
    case FormatoColuna::Dinheiro:
    case FormatoColuna::DinheiroSemZero:
        r.numero = v.toLongLong();
        if (r.numero != 0 || colunas()[size_t(coluna)].formato == FormatoColuna::Dinheiro)
            r.tipo = TipoCelula::Dinheiro;
        break;
    }
    return r;
}

QString QuadroListagem::textoCelula(int registo, int coluna) const
{
    const CelulaQuadro c = celula(registo, coluna);
    switch (c.tipo) {
    case TipoCelula::Vazia: return {};
    case TipoCelula::Texto: return c.texto;
    case TipoCelula::Data: return Regional::formataData(c.data);
    case TipoCelula::Inteiro: return QString::number(c.numero);
    case TipoCelula::Dinheiro: return Dinheiro::deCentimos(c.numero).formata();
    }
    return {};
}
