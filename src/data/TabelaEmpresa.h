#pragma once
// The settings row of Tabempresa (numempresa = 1).
#include <QDate>
#include <QString>
#include <optional>

class BaseDados;

namespace TabelaEmpresa {

QString lePasswordGeral(BaseDados &bd); // campo2, "" when none or no settings row
// Stores the general password in campo2; false when there is no settings row.
bool gravaPasswordGeral(BaseDados &bd, const QString &password);

// The date of the last backup (ultimobackup): no value when there is no settings row, an invalid
// date when the column is empty or holds no date.
std::optional<QDate> leUltimoBackup(BaseDados &bd);
// Stores `dia` as the date of the last backup; false when there is no settings row.
bool gravaUltimoBackup(BaseDados &bd, const QDate &dia);

} // namespace TabelaEmpresa
