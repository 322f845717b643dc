#pragma once
// Cutting texts to a column's width without ever splitting a character: the cut falls between
// user-perceived characters (grapheme clusters), so an emoji, a letter with a combining accent or
// a surrogate pair is kept whole or left out whole, never stored as garbage.
#include <QString>

namespace Texto {

// At most n characters of texto, counted as the user sees them.
QString corta(const QString &texto, qsizetype n);

// Two passwords are the same without regard to case, however their accented letters were
// composed: "ç" typed as one character matches a "c" with a combining cedilla stored by another
// system, and "straße" matches the "STRASSE" its capitals were stored as. Every password the
// program checks compares this way.
bool mesmaPassword(const QString &a, const QString &b);

} // namespace Texto
