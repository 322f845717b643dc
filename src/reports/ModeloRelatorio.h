#pragma once
// A listing template: a JSON file of the application folder (01_Bancos.rpt, ...) that says what
// the listing reads, how its page is set up, which lines head and close every page, its columns
// and its totals. Lines may hold formula fields, written {@Nome}, filled from the named formulas
// the program hands the engine.
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

class ErroRelatorio : public std::runtime_error
{
public:
    explicit ErroRelatorio(const QString &mensagem)
        : std::runtime_error(mensagem.toStdString()), m_mensagem(mensagem)
    {
    }
    const QString &mensagem() const { return m_mensagem; }

private:
    QString m_mensagem;
};

// What a listing reads: the accounts (TabBancos) or the movements (TabBancos1Det with the
// extras of TabBancosDetOutros).
enum class FonteDados { Contas, Movimentos };

enum class FormatoColuna {
    Texto,
    Data,            // dd-mm-yyyy
    Dinheiro,        // 1.234,50
    DinheiroSemZero, // as Dinheiro, but a zero amount is left blank (a debit column)
    Inteiro,
};

struct ColunaModelo {
    QString campo, titulo;
    double larguraMm = 20;
    Qt::Alignment alinhamento = Qt::AlignLeft;
    FormatoColuna formato = FormatoColuna::Texto;
    bool total = false; // summed on the last page
};

struct ModeloRelatorio {
    FonteDados fonte = FonteDados::Movimentos;
    QPageSize::PageSizeId tamanho = QPageSize::A4;
    QPageLayout::Orientation orientacao = QPageLayout::Portrait;
    QMarginsF margensMm{12, 12, 12, 12};
    QString familia = QStringLiteral("DejaVu Sans");
    double letraTitulo = 13, letraCabecalho = 8, letraCorpo = 8;
    QStringList cabecalho; // the first line is the title, in the larger letter
    QStringList rodape;
    std::vector<ColunaModelo> colunas;
    QString rotuloTotais = QStringLiteral("Totais");
    // With a situation field, annulled records stay listed but are left out of the totals, as
    // the running balance leaves them out; their sums go on a line of their own.
    QString campoSituacao;
    QString rotuloAnulados = QStringLiteral("Anulados");
    QString rotuloSaldoFinal; // empty: no final balance line
    QString campoSaldo;       // the field whose last value is the final balance

    // Reads a template file; a missing, unreadable or malformed file throws ErroRelatorio
    // naming the file and the fault.
    static ModeloRelatorio le(const QString &caminho);
};
