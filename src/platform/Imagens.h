#pragma once
// Pictures of the application folder, loaded by name; a picture that cannot be loaded is
// skipped silently (the control simply has none).
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Imagens {

QPixmap carrega(const QString &pasta, const QString &nome); // null when missing or unreadable
QIcon icone(const QString &pasta, const QString &nome);     // null when missing or unreadable

} // namespace Imagens
