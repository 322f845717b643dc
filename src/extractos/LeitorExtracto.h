#pragma once
// Reading a bank statement file of any supported format into Extracto records. The format comes
// from the content, never from the file's extension. Every failure is an ErroExtracto naming
// the file and the line; nothing is ever returned from a file read only in part.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "extractos/ErroExtracto.h"
#include "extractos/Extracto.h"
#include "extractos/PresetCsv.h"

class QSettings;

// Csv, Xlsx, Mt940, Camt052, Camt053, Ofx1 or Ofx2; throws ErroExtracto for an empty, damaged
// or foreign file (a PDF, an image, some other XML).
FormatoExtracto reconheceFormato(const QByteArray &conteudo, const QString &nomeFicheiro = {});

// Every statement in the file (MT940 and camt may hold several; the others hold one). For CSV
// and xlsx the preset maps the columns; without one, the saved preset of the file's shape is
// used, else the guess. Throws ErroExtracto.
std::vector<Extracto> leExtracto(const QByteArray &conteudo, const QString &nomeFicheiro,
                                 const PresetCsv *preset = nullptr);

// A preset proposed from a CSV or xlsx file's content (encoding, separator, marks, lines around
// the data, columns). Never throws: an unreadable file gets a preset with no columns mapped.
PresetCsv adivinhaPresetCsv(const QByteArray &conteudo);

// The "shape" of a CSV or xlsx file: separator, number of columns and the column titles, so a
// later export of the same bank finds the preset saved for it. Empty when none can be told.
QString formaFicheiroCsv(const QByteArray &conteudo);

// The saved preset for this file's shape, if any.
std::optional<PresetCsv> presetGuardadoPara(const QByteArray &conteudo);
std::optional<PresetCsv> presetGuardadoPara(const QSettings &definicoes,
                                            const QByteArray &conteudo);

// The name shown to the user: "CSV", "Excel (xlsx)", "MT940", "camt.053", "OFX 1", ...
QString nomeFormato(FormatoExtracto formato);
