#pragma once
// Files of the application folder, found by name without regard to case
// ("Texto01.gif" and "texto01.gif" are the same file).
#include <QString>

namespace Ficheiros {

// The path of the file in the folder whose name matches without regard to case; "" when none.
QString encontra(const QString &pasta, const QString &nome);
inline bool existe(const QString &pasta, const QString &nome) { return !encontra(pasta, nome).isEmpty(); }

} // namespace Ficheiros

// A path with a trailing separator: unchanged when it already ends in one.
QString AddSlash(const QString &caminho);
