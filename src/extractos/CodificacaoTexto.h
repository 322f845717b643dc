#pragma once
// The text encodings bank exports come in, told from the bytes and decoded without depending on
// the system's converters: UTF-8 (with or without BOM), UTF-16 LE/BE, Windows-1252 (euro sign
// 0x80) and ISO-8859-15 (euro sign 0xA4).
#include <QByteArray>
#include <QString>

#include "extractos/PresetCsv.h"

namespace CodificacaoTextos {
// From a BOM when there is one; else UTF-16 told by its zero bytes, valid UTF-8 holding
// non-ASCII text, ISO-8859-15 when 0xA4 appears with no byte of 0x80..0x9F, and Windows-1252
// otherwise (the usual single-byte export, and what plain ASCII is taken as).
CodificacaoTexto detecta(const QByteArray &bytes);

// The text in that encoding, a BOM of it dropped. Invalid UTF-8 becomes U+FFFD, never a fault.
QString descodifica(const QByteArray &bytes, CodificacaoTexto codificacao);

bool utf8Valido(const QByteArray &bytes);

// "UTF-8", "UTF-16 LE", "Windows-1252", ... as the window shows them.
QString nome(CodificacaoTexto codificacao);
} // namespace CodificacaoTextos
