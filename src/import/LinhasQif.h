#pragma once
// A QIF file as lines, the way quorvel-qif stores them: UTF-8 when the bytes are valid UTF-8
// (a byte-order mark dropped), otherwise Windows-1252 as older exports are; CR LF or LF ends
// removed and nothing else changed. A last line without an end still counts.
#include <QByteArray>
#include <QStringList>

namespace LinhasQif {

QStringList linhasDe(const QByteArray &bytes);
QStringList leFicheiro(const QString &caminho); // throws ErroImportacao when it cannot be read

} // namespace LinhasQif
