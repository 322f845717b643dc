#pragma once
// The tables of the bank-statement import: the record of each import, every statement line it
// took in (so a later import knows it and the import can be undone), and the per-account rules
// that give a new line its category. Added to older files in place: the upgrade only creates
// what is missing, so it can run on every start.
class BaseDados;

namespace EsquemaExtractos {

inline constexpr int Versao = 2; // the Meta version of a file that holds these tables

// Creates the missing tables and indexes and raises the file's Meta version to Versao. Safe to
// call on a file that already has them. Throws ErroBaseDados.
void actualiza(BaseDados &bd);

} // namespace EsquemaExtractos
