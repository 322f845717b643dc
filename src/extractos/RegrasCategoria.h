#pragma once
// The account's rules for statement lines that come in as new movements: "the description
// contains X -> category C, sub-category S". The first rule that applies wins, in the order
// the user made them.
#include <QString>
#include <vector>

class BaseDados;

struct RegraCategoria {
    QString contem;                // compared without regard to case
    QString categoria, categoria1; // category and sub-category given to the line
};

namespace RegrasCategoria {

std::vector<RegraCategoria> le(BaseDados &bd, int numBanco);
// Replaces the account's rules with `regras` (rules with an empty text are dropped), in one
// transaction. Throws ErroBaseDados.
void grava(BaseDados &bd, int numBanco, const std::vector<RegraCategoria> &regras);

// The first rule whose text the description contains; nullptr when none applies.
const RegraCategoria *aplica(const std::vector<RegraCategoria> &regras,
                             const QString &descricao);

// The same for the many lines of a statement: the rules' texts folded once, not per line.
class Dobradas
{
public:
    explicit Dobradas(const std::vector<RegraCategoria> &regras);
    const RegraCategoria *aplica(const QString &descricao) const;

private:
    const std::vector<RegraCategoria> &m_regras;
    std::vector<QString> m_contem;
};

} // namespace RegrasCategoria
