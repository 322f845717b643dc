#pragma once
// The report engine's formula language, as far as the listings use it. A selection formula is a
// chain of conditions joined by "and":
//     {TabBancos1Det.numero} like '12*' and {TabBancos1Det.data}>= #12-07-2006#
// with fields {table.column}, the operators =, >=, <= and like ('*' any run of characters, '?'
// one character), texts between single or double quotes (a quote inside is doubled), whole or
// decimal numbers, and dates between '#' signs written month-day-year. A named formula is
//     Titulo = 'Extracto da conta: Millennium'
// The reader never trusts its input: any text gives either a result or an ErroFormula saying
// where it stopped.
#include <QDate>
#include <QString>
#include <QVariant>
#include <stdexcept>
#include <vector>

class ErroFormula : public std::runtime_error
{
public:
    explicit ErroFormula(const QString &mensagem)
        : std::runtime_error(mensagem.toStdString()), m_mensagem(mensagem)
    {
    }
    const QString &mensagem() const { return m_mensagem; }

private:
    QString m_mensagem;
};

enum class Operador { Igual, MaiorOuIgual, MenorOuIgual, Como };

struct CondicaoSeleccao {
    QString tabela, coluna; // as written, without the braces
    Operador operador = Operador::Igual;
    QVariant valor;         // QString for texts, QDate for dates, qint64 or double for numbers
};

namespace FormulaSeleccao {

// Conditions of a selection formula, in order; an empty or blank formula selects everything.
std::vector<CondicaoSeleccao> interpreta(const QString &formula);

struct FormulaNomeada {
    QString nome, texto;
};
// "Nome = 'texto'" (or "texto" in double quotes).
FormulaNomeada interpretaNomeada(const QString &formula);

// The SQL glob pattern of a "like" text: '*' and '?' keep their meaning, '[' is taken
// literally, case folded (the column is folded the same way).
QString padraoGlob(const QString &como);

// A text ready to go between single quotes: every quote doubled.
QString entreAspas(const QString &texto);

} // namespace FormulaSeleccao
