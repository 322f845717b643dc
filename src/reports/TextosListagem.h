#pragma once
// The texts an extract hands the report engine: the selection formula built from the search
// criteria, the selection summary printed on the listing, the account's bank data for the
// footer, and ConverteData for the date literals. Texts are used as typed (not trimmed); every
// text that goes between single quotes has its quotes doubled, so an apostrophe in a criterion
// or a name never breaks the formula.
#include <QDate>
#include <QString>

struct Conta;

struct CriteriosPesquisa {
    int numBanco = 0;
    QString numero, categoria, situacao, descricao; // as typed
    bool comDatas = false;
    QDate desde, ate;
};

namespace TextosListagem {

// Day-month-year text to month-day-year, dash by dash: "07-12-2006" gives "12-07-2006"; blanks
// are dropped, a fourth part and beyond are dropped, and a text without dashes comes back
// between two dashes ("01/02/2006" gives "-01/02/2006-").
QString ConverteData(const QString &texto);

QString formulaSeleccao(const CriteriosPesquisa &c); // F
QString textoSeleccao(const CriteriosPesquisa &c);   // T

// The account's bank data in one line: "     Dependencia: ..." and so on for each field filled.
QString cabecalhoConta(const Conta &conta);

// Formula "Nome = 'texto'", the text's quotes doubled.
QString formulaTexto(const QString &nome, const QString &texto);

} // namespace TextosListagem
