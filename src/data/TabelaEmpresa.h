#pragma once
// The settings row of Tabempresa (numempresa = 1).
#include <QString>

class BaseDados;

namespace TabelaEmpresa {

QString lePasswordGeral(BaseDados &bd); // campo2, "" when none or no settings row

} // namespace TabelaEmpresa
