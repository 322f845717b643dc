#pragma once
// The import of two Money exports into accounts 5 and 6: both accounts emptied and renamed,
// then the lines of banco5 read into account 5 and those of banco6 into account 6. Everything
// runs in one transaction on the main database: a line that cannot be read stops the import
// with a message naming it, and accounts 5 and 6 stay exactly as they were.
#include <QString>
#include <QStringList>

class BaseDados;

namespace ImportacaoQif {

inline const QString NomeContaImportada = QStringLiteral("Banco Importado do MsMoney");

struct Resumo {
    int movimentos5 = 0, movimentos6 = 0;
    bool so5 = false; // banco6 was empty: account 6 was left exactly as it was
};

// With banco6 empty only account 5 is replaced, and account 6 keeps its name, password and
// movements: emptying it for nothing would lose a ledger. An empty banco5 has nothing to
// import and is refused before anything changes (ErroImportacao).
// Throws ErroImportacao for a line that cannot be read (nothing changed) and ErroBaseDados
// for an engine error (nothing changed).
Resumo importa(BaseDados &bd, const QStringList &linhas5, const QStringList &linhas6);

// The refusal of an export without movements for account 5 (an empty banco5).
QString avisoBanco5Vazio();

// The steps, each inside the caller's transaction.
void ApagaMovimentosImportacao(BaseDados &bd, int numBanco);
void PreparaContaImportada(BaseDados &bd, int numBanco);

} // namespace ImportacaoQif
