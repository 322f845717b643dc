#include "extractos/RegrasCategoria.h"
#include "data/BaseDados.h"
#include "data/TabelaDetOutros.h"
#include "data/Texto.h"

namespace RegrasCategoria {

std::vector<RegraCategoria> le(BaseDados &bd, int numBanco)
{
    std::vector<RegraCategoria> regras;
    for (Registos r = bd.consulta(QStringLiteral("SELECT Contem, Categoria, Categoria1 FROM "
                                                 "TabRegrasCategoria WHERE NumBanco = ? "
                                                 "ORDER BY NumRegra"),
                                  {numBanco});
         !r.eof(); r.seguinte())
        regras.push_back({r.texto(QStringLiteral("Contem")), r.texto(QStringLiteral("Categoria")),
                          r.texto(QStringLiteral("Categoria1"))});
    return regras;
}

void grava(BaseDados &bd, int numBanco, const std::vector<RegraCategoria> &regras)
{
    Transaccao t(bd);
    bd.executa(QStringLiteral("DELETE FROM TabRegrasCategoria WHERE NumBanco = ?"), {numBanco});
    for (const RegraCategoria &r : regras) {
        const QString contem = r.contem.simplified();
        if (contem.isEmpty())
            continue;
        // Cut as the extras column will cut them, so the rule shows what a movement gets.
        bd.executa(QStringLiteral("INSERT INTO TabRegrasCategoria (NumBanco, Contem, Categoria, "
                                  "Categoria1) VALUES (?, ?, ?, ?)"),
                   {numBanco, contem,
                    Texto::corta(r.categoria.trimmed(), TabelaDetOutros::LarguraCategoria),
                    Texto::corta(r.categoria1.trimmed(), TabelaDetOutros::LarguraCategoria)});
    }
}

const RegraCategoria *aplica(const std::vector<RegraCategoria> &regras, const QString &descricao)
{
    return Dobradas(regras).aplica(descricao);
}

Dobradas::Dobradas(const std::vector<RegraCategoria> &regras) : m_regras(regras)
{
    m_contem.reserve(regras.size());
    for (const RegraCategoria &r : regras)
        m_contem.push_back(r.contem.simplified().toCaseFolded());
}

const RegraCategoria *Dobradas::aplica(const QString &descricao) const
{
    if (m_regras.empty())
        return nullptr;
    const QString texto = descricao.simplified().toCaseFolded();
    for (size_t i = 0; i < m_regras.size(); ++i)
        if (!m_contem[i].isEmpty() && texto.contains(m_contem[i]))
            return &m_regras[i];
    return nullptr;
}

} // namespace RegrasCategoria
