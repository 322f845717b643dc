#pragma once
// The extras of a movement in TabBancosDetOutros: category, sub-category and observations. A
// movement has at most one such row, found by its NumAutomatico (NumAutoDet) and its account.
#include <QString>
#include <optional>

class BaseDados;

struct ExtrasMovimento {
    QString categoria, categoria1, observacoes; // a stored Null reads as ""
};

namespace TabelaDetOutros {

// Widths the extras are cut to when written.
inline constexpr int LarguraCategoria = 30, LarguraObservacoes = 120;

std::optional<ExtrasMovimento> le(BaseDados &bd, qint64 numAutoDet, int numBanco);

// Updates the movement's extras row, or creates it when there is none; each text cut to its
// width.
void grava(BaseDados &bd, qint64 numAutoDet, int numBanco, const ExtrasMovimento &extras);

// Removes the movement's extras row, if it has one.
void apaga(BaseDados &bd, qint64 numAutoDet, int numBanco);

} // namespace TabelaDetOutros
