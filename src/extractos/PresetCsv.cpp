#include "extractos/PresetCsv.h"

bool PresetCsv::completo() const { return false; }
QString PresetCsv::falta() const { return {}; }

namespace PresetsCsv {
std::vector<PresetCsv> predefinidos() { return {}; }
std::vector<PresetCsv> guardados() { return {}; }
std::vector<PresetCsv> guardados(const QSettings &) { return {}; }
void guarda(const PresetCsv &, const QString &) {}
void guarda(QSettings &, const PresetCsv &, const QString &) {}
void remove(const QString &) {}
void remove(QSettings &, const QString &) {}
std::optional<PresetCsv> porNome(const QString &) { return std::nullopt; }
std::optional<PresetCsv> porNome(const QSettings &, const QString &) { return std::nullopt; }
std::optional<PresetCsv> paraForma(const QString &) { return std::nullopt; }
std::optional<PresetCsv> paraForma(const QSettings &, const QString &) { return std::nullopt; }
} // namespace PresetsCsv
