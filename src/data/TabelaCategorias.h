#pragma once
// The category table TabCategoria: a name (up to 30 characters) and a default amount.
#include <QString>
#include <optional>
#include <vector>

#include "data/Dinheiro.h"

class BaseDados;

struct Categoria {
    qint64 numAutomatico = 0;
    QString descricao;
    Dinheiro valor;
};

namespace TabelaCategorias {

inline constexpr int LarguraNome = 30;

std::vector<Categoria> todas(BaseDados &bd);   // every row, blank names too, by name
std::vector<Categoria> comNome(BaseDados &bd); // rows whose trimmed name is not empty, by name
// The category whose name equals `nome` exactly but for case (Unicode-wide); apostrophes, "%"
// and "_" are ordinary characters.
std::optional<Categoria> procura(BaseDados &bd, const QString &nome);
qint64 insere(BaseDados &bd, const QString &descricao, Dinheiro valor); // name cut to 30
void actualiza(BaseDados &bd, qint64 numAutomatico, const QString &descricao, Dinheiro valor);
// Adds n rows with an empty name (one transaction) and returns them in the order added.
std::vector<Categoria> acrescentaVazias(BaseDados &bd, int n);
// Writes every category back to the row with its key (names cut to 30), in one transaction.
void gravaTodas(BaseDados &bd, const std::vector<Categoria> &categorias);

} // namespace TabelaCategorias
