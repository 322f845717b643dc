#pragma once
// The tip-of-the-day switch: the one per-user setting of the program, kept by
// QSettings under the application's name, section "Options", key "Show Tips at
// Startup", "1" or "0" (missing means show).
#include <QString>

namespace DefinicaoDicas {

bool mostraDicas();
void defineMostraDicas(bool mostrar);

} // namespace DefinicaoDicas
