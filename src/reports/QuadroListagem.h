#pragma once
// A listing as a table, worked out once from its records: the heading and footer lines with
// their formulas filled, every cell as a value of its kind (text, date, number, cents), the
// totals, the sums of the annulled records and the final balance. The printed pages and the
// exported spreadsheets are all made from it, so a file cannot add up to other totals than the
// listing.
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "reports/ModeloRelatorio.h"

struct Listagem;

// An annulled movement: its situation starts with "A", the rule the running balance follows
// (lower-case "a" does not annul).
bool situacaoAnulada(const QString &situacao);

enum class TipoCelula { Vazia, Texto, Data, Inteiro, Dinheiro };

struct CelulaQuadro {
    TipoCelula tipo = TipoCelula::Vazia;
    QString texto; // Texto
    QDate data;    // Data
    qint64 numero = 0; // Inteiro, or cents for Dinheiro
};

class QuadroListagem
{
public:
    // The listing must outlive the table: the records are read from it, not copied.
    explicit QuadroListagem(const Listagem &listagem);

    QStringList cabecalho; // the template's heading lines, filled: title, selection
    QStringList rodape;    // the footer lines, filled: the account's bank data
    const std::vector<ColunaModelo> &colunas() const;

    int registos() const;
    CelulaQuadro celula(int registo, int coluna) const;
    QString textoCelula(int registo, int coluna) const; // as printed: "05-01-2004", "1.234,50"
    bool anulado(int registo) const;

    bool temTotais = false;   // some column is totalled
    bool temAnulados = false; // annulled records go on a line of their own
    bool temSaldoFinal = false;
    int registosAnulados = 0;
    std::vector<qint64> totais;   // per column, in cents: the records not annulled
    std::vector<qint64> anulados; // per column, in cents: the annulled records
    qint64 saldoFinal = 0;        // the balance field of the last record (0 when none)
    int colunaSaldo = -1;         // the column showing the balance field (-1: none)
    QString rotuloTotais, rotuloAnulados, rotuloSaldoFinal;

private:
    const Listagem &m_listagem;
    std::vector<int> m_indices; // per column, the field's place in a record (-1: not read)
    std::vector<bool> m_anulados;
};
