#pragma once
// The side database importacao.mdb: a plain SQLite file (no key) in the application folder with
// the tables banco5 and banco6, one line of a QIF export per row in campo1, in file order.
// quorvel-qif writes it; the import into accounts 5 and 6 reads it.
#include <QString>
#include <QStringList>
#include <memory>

class BaseDados;

namespace BaseImportacao {

inline const QString NomeFicheiro = QStringLiteral("importacao.mdb");

// The table of the lines for account n (5 or 6): "banco5", "banco6".
QString tabela(int numBanco);

// Creates or replaces the side database with the given lines: written beside it under a
// temporary name and then renamed over it, so a failure never leaves half a file under the
// real name. Throws ErroImportacao or ErroBaseDados.
void cria(const QString &caminho, const QStringList &linhas5, const QStringList &linhas6);

// The side database of the folder, opened without a key. A missing or
// unreadable file throws ErroImportacao with a message for the user.
std::unique_ptr<BaseDados> AbreLigacaoImportacao(const QString &pasta);

// Every line of the account's table in stored order (a Null line reads as ""). A missing
// table throws ErroImportacao.
QStringList le(BaseDados &lateral, int numBanco);

} // namespace BaseImportacao
