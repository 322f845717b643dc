#include "data/TabelaCategorias.h"
#include "data/Texto.h"
#include "data/BaseDados.h"

namespace TabelaCategorias {

namespace {

std::vector<Categoria> lista(BaseDados &bd, const QString &sql, const QVariantList &p = {})
{
    std::vector<Categoria> categorias;
    for (Registos r = bd.consulta(sql, p); !r.eof(); r.seguinte())
        categorias.push_back({r.inteiro(QStringLiteral("NumAutomatico")),
                              r.texto(QStringLiteral("Descricao")),
                              r.dinheiro(QStringLiteral("Valor"))});
    return categorias;
}

} // namespace

std::vector<Categoria> todas(BaseDados &bd)
{
    return lista(bd, QStringLiteral("SELECT * FROM TabCategoria "
                                    "ORDER BY Descricao COLLATE PORTUGUES, NumAutomatico"));
}

std::vector<Categoria> comNome(BaseDados &bd)
{
    return lista(bd, QStringLiteral("SELECT * FROM TabCategoria WHERE trim(ifnull(Descricao, '')) <> '' "
                                    "ORDER BY Descricao COLLATE PORTUGUES, NumAutomatico"));
}

std::optional<Categoria> procura(BaseDados &bd, const QString &nome)
{
    auto c = lista(bd, QStringLiteral("SELECT * FROM TabCategoria WHERE DOBRA(Descricao) = DOBRA(?) "
                                      "ORDER BY NumAutomatico LIMIT 1"),
                   {nome});
    return c.empty() ? std::nullopt : std::optional<Categoria>(c.front());
}

qint64 insere(BaseDados &bd, const QString &descricao, Dinheiro valor)
{
    return bd.insere(QStringLiteral("INSERT INTO TabCategoria (Descricao, Valor) VALUES (?, ?)"),
                     {Texto::corta(descricao, LarguraNome), valor.centimos()});
}

void actualiza(BaseDados &bd, qint64 numAutomatico, const QString &descricao, Dinheiro valor)
{
    bd.executa(QStringLiteral("UPDATE TabCategoria SET Descricao = ?, Valor = ? "
                              "WHERE NumAutomatico = ?"),
               {Texto::corta(descricao, LarguraNome), valor.centimos(), numAutomatico});
}

std::vector<Categoria> acrescentaVazias(BaseDados &bd, int n)
{
    std::vector<Categoria> novas;
    Transaccao t(bd);
    for (int i = 0; i < n; ++i)
        novas.push_back({insere(bd, QStringLiteral(""), Dinheiro()), QString(), Dinheiro()});
    return novas;
}

void gravaTodas(BaseDados &bd, const std::vector<Categoria> &categorias)
{
    Transaccao t(bd);
    for (const Categoria &c : categorias)
        actualiza(bd, c.numAutomatico, c.descricao, c.valor);
}

} // namespace TabelaCategorias
