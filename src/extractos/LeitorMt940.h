#pragma once
// SWIFT MT940 customer statements: one statement per ":20:" field, the account in ":25:",
// balances in ":60F:"/":60M:" and ":62F:"/":62M:", a movement per ":61:" with its text in the
// following ":86:". SWIFT block wrappers ({1:...}{4: ... -}) are tolerated.
#include <QByteArray>
#include <QString>
#include <vector>

#include "extractos/Extracto.h"

namespace LeitorMt940 {
// Fields ":20:" and ":61:" or ":60F:" at the start of lines.
bool ehMt940(const QString &texto);

// Throws ErroExtracto at the first line that cannot be read, and for a statement cut short
// (no closing balance).
std::vector<Extracto> le(const QString &texto, const QString &nomeFicheiro);
} // namespace LeitorMt940
