#pragma once
// The first sheet of an Excel (.xlsx) workbook as rows of cells: shared and inline strings as
// text, numbers as the decimal text the file holds (flagged as numbers), cells styled as dates
// as "yyyy-mm-dd". Read through our own zip reader (LeituraZip); every part is size-capped against zip bombs.
#include <QByteArray>
#include <QString>
#include <vector>

#include "extractos/LeitorTabela.h"

namespace LeitorXlsx {
// A zip archive holding a workbook part.
bool ehXlsx(const QByteArray &conteudo);
// Any zip archive that opens (a cut one does not).
bool zipLegivel(const QByteArray &conteudo);

// Throws ErroExtracto when the archive or its sheet is damaged or cut short.
std::vector<LinhaTabela> linhas(const QByteArray &conteudo, const QString &nomeFicheiro);
} // namespace LeitorXlsx
