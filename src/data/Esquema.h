#pragma once
// The database file: its name, its key, its tables and the rows a new file is supplied with.
// Dates are ISO text or NULL, booleans 0/1, money INTEGER cents.
#include <QString>

class BaseDados;

namespace Esquema {

inline const QString NomeFicheiro = QStringLiteral("quorvel.mdb");
inline const QByteArray Chave = QByteArrayLiteral("rk58");
inline constexpr int Versao = 2;
inline constexpr int NumeroContas = 9;

void cria(BaseDados &bd);     // tables, indexes and the version in the Meta table
void semeia(BaseDados &bd);   // nine blank accounts, the settings row, categories, bank sites
int versao(BaseDados &bd);    // 0 when the file has no Meta table
// What a file made by an earlier build lacks (indexes only), added in place; run at every
// open, doing nothing once done. Throws ErroBaseDados (a read-only file, for one).
void actualiza(BaseDados &bd);

} // namespace Esquema
