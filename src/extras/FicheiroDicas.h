#pragma once
// The tip file TIPOFDAY.TXT: one tip per line, every line a tip (blank ones
// too), in file order. Written as UTF-8 today; a file carried over from an
// older installation is Windows-1252, so a file that is not valid UTF-8 is read
// as that and accents never come out garbled.
#include <QByteArray>
#include <QStringList>
#include <optional>

namespace FicheiroDicas {

inline const QString NomeFicheiro = QStringLiteral("TIPOFDAY.TXT");

// The tips of the file; nothing when the name is empty or there is no such
// file.
std::optional<QStringList> le(const QString &caminho);

QString descodifica(const QByteArray &bytes); // UTF-8 (a leading BOM dropped),
                                              // else Windows-1252
QStringList linhas(const QString &texto);     // CR LF, CR or LF; a final line end adds no line

} // namespace FicheiroDicas
