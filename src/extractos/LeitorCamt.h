#pragma once
// ISO 20022 bank-to-customer statements (camt.053) and account reports (camt.052), any version
// (.001.02 to .001.08 read alike: elements are matched by local name, never by namespace).
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "extractos/Extracto.h"

namespace LeitorCamt {
// Camt053 or Camt052 from the root's namespace or its first element; nullopt for other XML.
std::optional<FormatoExtracto> tipo(const QByteArray &conteudo);

// Every Stmt (or Rpt) of the file. Throws ErroExtracto for damaged or cut-short XML and for an
// entry whose amount or date cannot be read.
std::vector<Extracto> le(const QByteArray &conteudo, const QString &nomeFicheiro);
} // namespace LeitorCamt
