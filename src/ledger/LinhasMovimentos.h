#pragma once
// The movement grid's rows as read from the database: each movement's key, date, amounts,
// situation and texts in compact arrays, and its running balance summed over them in cents.
// The grid asks these rows for the texts and colours it paints or the program reads
// (FonteCelulas), so opening an account formats nothing ahead; the texts are exactly those a
// grid filled cell by cell would hold.
#include <QDate>
#include <QString>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/Dinheiro.h"
#include "data/TabelaMovimentos.h"
#include "platform/FonteCelulas.h"

class BaseDados;
class FlexGrid;

class LinhasMovimentos final : public FonteCelulas
{
public:
    // The movements of account `numBanco`, in the grid's order.
    static std::shared_ptr<LinhasMovimentos> le(BaseDados &bd, int numBanco);
    // Shows `linhas` in the grid: the header row and one row per movement; the grid's previous
    // cells, written texts and colours go.
    static void mostra(FlexGrid &g, std::shared_ptr<LinhasMovimentos> linhas);
    // The rows the grid shows, or nullptr when it was filled some other way.
    static LinhasMovimentos *daGrelha(const FlexGrid &g);

    // The first grid row whose key cell reads `chave`, or 0; rows as loaded are looked up by
    // their raw key, without making its text.
    static int linhaDaChave(const FlexGrid &g, qint64 chave);

    int total() const { return int(m_chaves.size()); }
    int numBanco() const { return m_numBanco; }

    // The running balance of every row, in cents: a movement whose situation starts with "A"
    // leaves it unchanged but still shows it. From then on the balance column shows it and the
    // rows get their colours (rows of `hoje` grey, annulled rows light red, negative balances
    // red). Returns the final balance.
    Dinheiro calculaSaldos(const QDate &hoje);

    // The movement of grid row r (1 to total()) as loaded, for writing back; with its running
    // balance when `comSaldo` (0 before the balances are summed, as the empty cell reads).
    TabelaMovimentos::AlteracaoMovimento alteracao(int r, bool comSaldo) const;

    int linhas() const override { return total() + 1; }
    int colunas() const override;
    QString texto(int r, int c) const override;
    QRgb fundo(int r, int c) const override;
    QRgb frente(int r, int c) const override;

private:
    explicit LinhasMovimentos(int numBanco);
    static constexpr qint32 SemData = std::numeric_limits<qint32>::min();
    static qint32 diaDe(std::string_view iso);
    quint32 indiceSituacao(std::string_view s);
    QString numero(size_t i) const;
    QString descricao(size_t i) const;
    QDate data(size_t i) const;

    int m_numBanco;
    QString m_numBancoTexto;
    std::vector<qint64> m_chaves;
    std::vector<qint32> m_datas; // Julian days; SemData for a movement without a date
    std::vector<qint64> m_debitos, m_creditos; // cents
    std::vector<quint32> m_situacoes;           // index into m_textosSituacao
    std::string m_textos;           // Numero and Descricao of every row, UTF-8, back to back
    std::vector<quint32> m_marcas; // row i: Numero [2i, 2i+1), Descricao [2i+1, 2i+2)

    // The few distinct situations ("V", "", "A") each kept once.
    std::vector<QString> m_textosSituacao;
    std::vector<bool> m_anulada;  // exactly "A": the row is coloured
    std::vector<bool> m_foraSaldo; // starts with "A": the balance leaves it out
    std::unordered_map<std::string, quint32> m_indicesSituacao;
    std::string m_ultimaSituacao;
    quint32 m_ultimoIndice = 0;

    std::vector<qint64> m_saldos; // empty until calculaSaldos
    qint32 m_hoje = SemData;
};
