#pragma once
// The customers told of a new version, in the order they are written to. One customer is on
// the list twice and gets the notice twice; the maker's own mailbox is on it as a check that the
// notice went out.
#include <QStringList>

namespace ListaClientes {

QStringList enderecos();

// The maker's product mailbox: suggestions and requests for new-version alerts go there.
inline const QString CaixaProduto = QStringLiteral("sugestoes@quorvel.pt");

} // namespace ListaClientes
