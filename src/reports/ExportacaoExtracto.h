#pragma once
// Writes a listing to a spreadsheet file: .xlsx (dates as dates, amounts as numbers in the
// euro format, the row of column titles frozen), .ods (OpenDocument) or .csv (UTF-8 with a BOM,
// ";" between fields, decimal comma, CR LF: as a Portuguese spreadsheet opens it). The table is
// the listing's own (QuadroListagem): same records, order, balances and totals as the printed
// pages. The file appears whole or not at all: it is written beside the chosen name and renamed
// over it only when complete, so a failure never leaves half a file nor spoils an older one.
#include <QString>
#include <optional>

class QuadroListagem;

enum class FormatoFolha { Xlsx, Ods, Csv };

namespace ExportacaoExtracto {

// The format a file name asks for by its extension, without regard to case.
std::optional<FormatoFolha> formatoDoNome(const QString &caminho);
QString extensao(FormatoFolha formato); // ".xlsx", ".ods", ".csv"

// Throws ErroRelatorio, in Portuguese, naming the file, when it cannot be written.
void escreve(const QuadroListagem &quadro, const QString &caminho, FormatoFolha formato);

} // namespace ExportacaoExtracto
