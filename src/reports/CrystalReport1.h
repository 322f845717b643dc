#pragma once
// The report engine: told which template, which data file with which password, which named
// formulas and which selection formula, it reads the records and lays the listing out. The
// names follow the engine the listings were designed for: Reset, Password, WindowTitle,
// ReportFileName, DataFiles(0), Formulas(1..), SelectionFormula, Action = 1 runs it.
//
// Where the listing goes: when the environment variable QUORVEL_LISTAGENS names a folder, a PDF
// named after the template (02_Detalhes.pdf) is written there; otherwise the preview installed
// by the windows is shown. Every fault (missing template, unreadable formula, data file that
// does not open) is told through `avisa` in Portuguese, naming the file or the fault; nothing
// is printed then and nothing is changed.
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "reports/ExportacaoExtracto.h"

class BaseDados;
struct Listagem;

class CrystalReport1
{
public:
    // `ligacaoPrograma`: the program's own connection, used when DataFiles(0) is its file (no
    // second opening of the same file); any other data file is opened with Password.
    explicit CrystalReport1(std::function<BaseDados *()> ligacaoPrograma = {});

    void Reset();

    QString Password;       // line feed + the database password
    QString WindowTitle;
    QString ReportFileName;
    std::array<QString, 1> DataFiles;
    std::array<QString, 10> Formulas; // 1 to 9 used
    QString SelectionFormula;

    // Action = 1 runs the report. True when the listing was shown or written.
    bool setAction(int accao);

    // Instead of printing, writes the same listing (records, order, balances, totals) to a
    // spreadsheet file. True when written; `registos` then holds the number of records.
    bool exporta(const QString &caminho, FormatoFolha formato, int *registos = nullptr);

    // Shows a ready listing (print preview); the listing lives as long as the viewer keeps it.
    // Installed by the windows; tests leave it empty.
    std::function<void(std::shared_ptr<const Listagem>)> visor;
    // Tells the user of a fault. Installed by the windows.
    std::function<void(const QString &)> avisa;

    // The PDF of the last run written to QUORVEL_LISTAGENS ("" when none).
    const QString &ultimoPdf() const { return m_ultimoPdf; }
    // The listing of the last successful run, until the next one.
    Listagem *ultimaListagem() const { return m_ultima.get(); }

    // Writes a ready listing to a PDF file; false when the file cannot be written.
    static bool escrevePdf(const Listagem &listagem, const QString &caminho);

private:
    Listagem prepara(); // throws ErroRelatorio, ErroFormula, ErroBaseDados
    void falha(const QString &mensagem);
    void falhaExportacao(const QString &mensagem);
    std::function<BaseDados *()> m_ligacaoPrograma;
    QString m_ultimoPdf;
    std::shared_ptr<Listagem> m_ultima;
};
