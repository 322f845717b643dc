#pragma once
// The settings row of Tabempresa (numempresa = 1).
#include <QString>

class BaseDados;

namespace TabelaEmpresa {

QString lePasswordGeral(BaseDados &bd); // campo2, "" when none or no settings row
// Stores the general password in campo2; false when there is no settings row.
bool gravaPasswordGeral(BaseDados &bd, const QString &password);

} // namespace TabelaEmpresa
