#include "grelha/CelulasEscritas.h"

void CelulasEscritas::limpa()
{
    m_textos.clear();
    m_fundos.clear();
    m_frentes.clear();
    m_linhasComTexto.clear();
}

template <class Mapa>
void CelulasEscritas::corta(Mapa &m, int linhas, int colunas)
{
    for (auto i = m.begin(); i != m.end();) {
        if (linhaDe(i->first) >= linhas || colunaDe(i->first) >= colunas)
            i = m.erase(i);
        else
            ++i;
    }
}

void CelulasEscritas::cortaFora(int linhas, int colunas)
{
    corta(m_textos, linhas, colunas);
    corta(m_fundos, linhas, colunas);
    corta(m_frentes, linhas, colunas);
    m_linhasComTexto.clear();
    for (const auto &[k, t] : m_textos)
        m_linhasComTexto.insert(linhaDe(k));
}

const QString *CelulasEscritas::texto(int r, int c) const
{
    if (m_textos.empty())
        return nullptr;
    const auto i = m_textos.find(chave(r, c));
    return i == m_textos.end() ? nullptr : &i->second;
}

void CelulasEscritas::defineTexto(int r, int c, const QString &t)
{
    m_textos[chave(r, c)] = t;
    m_linhasComTexto.insert(r);
}

std::optional<QRgb> CelulasEscritas::fundo(int r, int c) const
{
    if (m_fundos.empty())
        return std::nullopt;
    const auto i = m_fundos.find(chave(r, c));
    return i == m_fundos.end() ? std::nullopt : std::optional<QRgb>(i->second);
}

void CelulasEscritas::defineFundo(int r, int c, QRgb cor) { m_fundos[chave(r, c)] = cor; }

std::optional<QRgb> CelulasEscritas::frente(int r, int c) const
{
    if (m_frentes.empty())
        return std::nullopt;
    const auto i = m_frentes.find(chave(r, c));
    return i == m_frentes.end() ? std::nullopt : std::optional<QRgb>(i->second);
}

void CelulasEscritas::defineFrente(int r, int c, QRgb cor) { m_frentes[chave(r, c)] = cor; }
