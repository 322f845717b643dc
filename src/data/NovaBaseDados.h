#pragma once
// Creation of a new quorvel.mdb: schema and supplied rows, optionally with demonstration data.
#include <QString>

namespace NovaBaseDados {

// Throws ErroBaseDados when the file already exists (it is never overwritten) or on any
// engine error; a half-made file is removed.
void cria(const QString &caminho, bool demonstracao);

} // namespace NovaBaseDados
