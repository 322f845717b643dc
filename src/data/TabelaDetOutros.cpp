#include "data/TabelaDetOutros.h"
#include "data/Texto.h"
#include "data/BaseDados.h"

namespace TabelaDetOutros {

std::optional<ExtrasMovimento> le(BaseDados &bd, qint64 numAutoDet, int numBanco)
{
    Registos r = bd.consulta(QStringLiteral("SELECT Categoria, Categoria1, Observacoes "
                                            "FROM TabBancosDetOutros WHERE NumAutoDet = ? "
                                            "AND NumBanco = ? ORDER BY rowid LIMIT 1"),
                             {numAutoDet, numBanco});
    if (r.vazio())
        return std::nullopt;
    return ExtrasMovimento{r.texto(QStringLiteral("Categoria")),
                           r.texto(QStringLiteral("Categoria1")),
                           r.texto(QStringLiteral("Observacoes"))};
}

void grava(BaseDados &bd, qint64 numAutoDet, int numBanco, const ExtrasMovimento &extras)
{
    const QVariantList valores = {Texto::corta(extras.categoria, LarguraCategoria),
                                  Texto::corta(extras.categoria1, LarguraCategoria),
                                  Texto::corta(extras.observacoes, LarguraObservacoes), numAutoDet,
                                  numBanco};
    // The lookup and the write go together, so a failure cannot leave two rows or none.
    std::optional<Transaccao> transaccao;
    if (!bd.emTransaccao())
        transaccao.emplace(bd);
    const Registos existente = bd.consulta(
        QStringLiteral("SELECT rowid FROM TabBancosDetOutros WHERE NumAutoDet = ? "
                       "AND NumBanco = ? ORDER BY rowid LIMIT 1"),
        {numAutoDet, numBanco});
    if (existente.vazio()) {
        bd.executa(QStringLiteral("INSERT INTO TabBancosDetOutros (Categoria, Categoria1, "
                                  "Observacoes, NumAutoDet, NumBanco) VALUES (?, ?, ?, ?, ?)"),
                   valores);
    } else {
        bd.executa(QStringLiteral("UPDATE TabBancosDetOutros SET Categoria = ?, Categoria1 = ?, "
                                  "Observacoes = ? WHERE rowid = ?"),
                   {valores.at(0), valores.at(1), valores.at(2),
                    existente.inteiro(QStringLiteral("rowid"))});
    }
}

void apaga(BaseDados &bd, qint64 numAutoDet, int numBanco)
{
    bd.executa(QStringLiteral("DELETE FROM TabBancosDetOutros WHERE NumAutoDet = ? "
                              "AND NumBanco = ?"),
               {numAutoDet, numBanco});
}

} // namespace TabelaDetOutros
