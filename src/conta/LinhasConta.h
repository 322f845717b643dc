#pragma once
// The movements of the open account as read from the database: each movement's key, date,
// amounts, situation and texts in compact arrays, in the grid's order (by date, undated first,
// then by creation), and its running balance summed over them in cents. Rows change in place
// after a write (replaced, moved to their date, added, removed), so an edit costs what it
// touches, not a reload. Beside what the grid shows, each row knows whether the balance stored
// with it is its running balance and whether the stored row is exactly what a write-back of it
// would write, so a write-back sends only what differs.
#include <QDate>
#include <QDeadlineTimer>
#include <QString>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/Comando.h"
#include "data/Dinheiro.h"
#include "data/TabelaMovimentos.h"

class BaseDados;

class LinhasConta
{
public:
    static constexpr qint32 SemData = std::numeric_limits<qint32>::min();

    void limpa();

    // The movements of account `numBanco`, in the grid's order, read in steps so the first rows
    // show while the rest are read: comeca prepares the query (no row yet), each continua
    // reads up to `maxLinhas` more rows or until `ate` expires and says whether rows remain;
    // the query is let go once the last row is read. Rows come in the grid's order, so each
    // row read is final, its running balance summed as it comes.
    void comeca(BaseDados &bd, int numBanco);
    // Room for every row of the account, counted on `bd` (beside the query): arrays grown
    // row by row would hold the whole twice while they move.
    void reservaTodas(BaseDados &bd);
    bool continua(int maxLinhas,
                  const QDeadlineTimer &ate = QDeadlineTimer(QDeadlineTimer::Forever));
    bool aLer() const { return m_leitura != nullptr; }
    void paraLeitura() { m_leitura.reset(); } // the rows read stay; the rest never come

    int total() const { return int(m_ordem.size()); }
    int numBanco() const { return m_numBanco; }

    // Row i, 0 to total() - 1, in the grid's order.
    qint64 chave(int i) const { return m_chaves[s(i)]; }
    qint32 dia(int i) const { return m_dias[s(i)]; } // Julian day, or SemData
    QDate data(int i) const;
    QString numero(int i) const;
    QString descricao(int i) const;
    const QString &situacao(int i) const { return m_textosSituacao[m_situacoes[s(i)]]; }
    qint64 debito(int i) const { return montantes(s(i)).first; }
    qint64 credito(int i) const { return montantes(s(i)).second; }
    bool anulada(int i) const { return m_anulada[m_situacoes[s(i)]]; }    // exactly "A": coloured
    bool foraDoSaldo(int i) const { return m_foraSaldo[m_situacoes[s(i)]]; } // starts with "A"

    // The running balance: a movement whose situation starts with "A" leaves it unchanged.
    // Summed as the rows are read, and again after a change, from row `desde` or from the
    // first row a change made stale, whichever comes first (the rows before keep theirs; by
    // default only what is stale, so asking again costs nothing); returns the final balance.
    // The grid shows balances once they are asked for (temSaldos).
    bool temSaldos() const { return m_comSaldos; }
    qint64 saldo(int i) const { return m_saldos[s(i)]; }
    qint64 calculaSaldos(int desde = std::numeric_limits<int>::max());
    qint64 saldoFinal() const { return m_ordem.empty() ? 0 : m_saldos[m_ordem.back()]; }

    // Row i as loaded, for writing back; with its running balance when `comSaldo`.
    TabelaMovimentos::AlteracaoMovimento alteracao(int i, bool comSaldo) const;

    // What is stored: the row as a write-back of it would write it (nothing but the balance
    // can differ), and a balance equal to its running balance.
    bool guardadaComoMostra(int i) const { return !m_porAcertar[s(i)]; }
    bool saldoGuardadoCerto(int i) const { return m_saldoCerto[s(i)]; }
    // After a write of row i, with balance `saldo` when given: stored as shown, or (a row
    // written from other values than its own) not.
    void gravada(int i, std::optional<qint64> saldo, bool comoMostra = true);

    // A movement as kept (its index, which a row's move or removal does not change), for a
    // write of balances that must not hold a copy of them: the key and balance are read from
    // here as they are sent. The generation changes whenever a running balance does or the
    // rows are read again, so balances sent at one generation are still the ones shown while
    // it holds.
    quint32 guardada(int i) const { return m_ordem[size_t(i)]; }
    int linhaDaGuardada(quint32 k, int perto) const; // its row, looked for from row `perto` out
    qint64 chaveGuardada(quint32 k) const { return m_chaves[k]; }
    qint64 saldoGuardado(quint32 k) const { return m_saldos[k]; }
    void saldoGravado(quint32 k) { m_saldoCerto[k] = true; }
    quint64 geracaoSaldos() const { return m_geracaoSaldos; }


    // Changes that follow a write, each keeping the grid's order and returning the row the
    // movement ends on. The balances from the first row touched on must be summed again
    // (calculaSaldos(desde)); `desde` receives that row.
    // Row i takes `a`'s values (its date only when `a` has one); -1 when `a` moves it to
    // another account, which removes it.
    int substitui(int i, const TabelaMovimentos::AlteracaoMovimento &a, int &desde);
    int insere(const Movimento &m, int &desde); // a new movement, stored as shown
    void remove(int i, int &desde);

private:
    // Where a movement's Numero and Descricao are, back to back: at `posicao` of the blocks
    // (block posicao / TamanhoBloco), or, for the rare texts too long for a block or for
    // their lengths, m_longos[posicao] (tamNumero == Longos).
    struct Marca {
        quint32 posicao;
        quint16 tamNumero, tamDescricao;
    };
    static constexpr quint16 Longos = 0xFFFF;
    size_t s(int i) const { return m_ordem[size_t(i)]; }
    std::pair<qint64, qint64> montantes(size_t k) const // debit, credit
    {
        if (m_temAmbos[k])
            return m_ambos.at(quint32(k));
        return m_aCredito[k] ? std::pair<qint64, qint64>(0, m_montantes[k])
                             : std::pair<qint64, qint64>(m_montantes[k], 0);
    }
    void defineMontantes(size_t k, qint64 debito, qint64 credito);
    void reserva(size_t n); // room for n movements in every array
    static qint32 diaDe(std::string_view iso, bool &canonica);
    quint32 indiceSituacao(std::string_view s);
    quint32 indiceSituacao(const QString &s);
    Marca guardaTextos(std::string_view numero, std::string_view descricao);
    std::string_view textos(const Marca &m, bool descricao) const;
    void acrescenta(qint64 chave, qint32 dia, qint64 debito, qint64 credito, quint32 situacao,
                    const Marca &m, qint64 saldo, bool saldoCerto, bool porAcertar);
    int posicaoOrdenada(qint32 dia, qint64 chave) const; // where a row of that date and key goes
    int move(int i, int &desde);                          // row i to its place by date and key

    int m_numBanco = 0;
    std::unique_ptr<Comando> m_leitura; // the account's query while rows remain to be read
    // Per stored movement (index s), in the order read or added.
    std::vector<qint64> m_chaves;
    std::vector<qint32> m_dias;
    // The amount in cents: the debit, or the credit where m_aCredito says so; the rare movement
    // with both (an older file's) has them in m_ambos, keyed by its index.
    std::vector<qint64> m_montantes;
    std::vector<bool> m_aCredito, m_temAmbos;
    std::unordered_map<quint32, std::pair<qint64, qint64>> m_ambos;
    std::vector<quint16> m_situacoes; // index into m_textosSituacao
    std::vector<Marca> m_marcas;
    std::vector<qint64> m_saldos;   // the running balance
    std::vector<bool> m_porAcertar; // the stored row differs from what the grid would write
    // The balance stored with it equals m_saldos: true when read so, or written; false once
    // the running balance moves away from it (the stored value itself is not kept).
    std::vector<bool> m_saldoCerto;
    // Row i of the grid is stored movement m_ordem[i].
    std::vector<quint32> m_ordem;
    bool m_comSaldos = false;
    int m_somadas = 0; // the first rows, whose running balance no change has made stale
    quint64 m_geracaoSaldos = 0;

    // Texts, UTF-8, back to back in blocks that never move: no copy of the whole as it grows,
    // so reading a large account never holds its texts twice.
    static constexpr quint32 TamanhoBloco = 1u << 20;
    std::vector<std::unique_ptr<char[]>> m_blocos;
    quint32 m_usadosNoUltimo = TamanhoBloco;
    std::vector<std::pair<std::string, std::string>> m_longos;

    // The few distinct situations ("V", "", "A") each kept once.
    std::vector<QString> m_textosSituacao;
    std::vector<bool> m_anulada, m_foraSaldo;
    std::unordered_map<std::string, quint32> m_indicesSituacao;
    std::string m_ultimaSituacao;
    quint32 m_ultimoIndice = 0;
};
