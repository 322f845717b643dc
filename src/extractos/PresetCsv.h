#pragma once
// How a bank's CSV or spreadsheet export is laid out: the columns that hold each field, how
// dates and amounts are written, and the lines around the data. Kept by name in the settings,
// each with the "shape" of the files it was made for, so the next file of the same shape opens
// with it already chosen.
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QByteArray;
class QSettings;

enum class CodificacaoTexto { Utf8, Utf16Le, Utf16Be, Windows1252, Iso8859_15 };

enum class FormaData {
    DiaMesAnoHifen, // 31-01-2026
    DiaMesAnoBarra, // 31/01/2026
    AnoMesDia       // 2026-01-31
};

enum class FormaDebito {
    SinalMenos,   // one signed amount column: "-12,50"
    MenosNoFim,   // one signed amount column: "12,50-"
    ColunaDebito  // separate debit and credit columns, both written without sign
};

struct PresetCsv {
    QString nome;
    QChar separador = u';';
    CodificacaoTexto codificacao = CodificacaoTexto::Windows1252;
    FormaData formaData = FormaData::DiaMesAnoHifen;
    QChar marcaDecimal = u',';
    QChar marcaMilhares = u'.'; // QChar() when the file groups no thousands
    int linhasCabecalho = 0;    // lines before the first movement, the column titles included
    int linhasRodape = 0;       // lines after the last movement (balances, notes)
    // 0-based columns; -1 when the file has none.
    int colData = -1;
    int colDataValor = -1;
    int colDescricao = -1;
    int colNumero = -1;
    int colDebito = -1;
    int colCredito = -1;
    int colValor = -1;          // one signed amount (when there are no debit/credit columns)
    int colSaldo = -1;
    FormaDebito formaDebito = FormaDebito::SinalMenos;

    bool operator==(const PresetCsv &) const = default;

    // A mapping that can be read: a date, and an amount either signed or as debit/credit.
    bool completo() const;
    // What is missing, in Portuguese, for the window ("Falta a coluna da data."); empty if none.
    QString falta() const;
};

namespace PresetsCsv {
// The layouts shipped with the program, described in general terms (they are a start; the
// user corrects and saves his own).
std::vector<PresetCsv> predefinidos();

// The presets the user saved, by name, in the application's settings.
std::vector<PresetCsv> guardados();
std::vector<PresetCsv> guardados(const QSettings &definicoes);
// Saves (or replaces, by name) and remembers it for files of shape `forma` (empty: none).
void guarda(const PresetCsv &preset, const QString &forma);
void guarda(QSettings &definicoes, const PresetCsv &preset, const QString &forma);
void remove(const QString &nome);
void remove(QSettings &definicoes, const QString &nome);

// A preset by name, the user's first, then the shipped ones.
std::optional<PresetCsv> porNome(const QString &nome);
std::optional<PresetCsv> porNome(const QSettings &definicoes, const QString &nome);

// The saved preset last used for files of this shape, if any.
std::optional<PresetCsv> paraForma(const QString &forma);
std::optional<PresetCsv> paraForma(const QSettings &definicoes, const QString &forma);
} // namespace PresetsCsv
