#pragma once
// The open account: which account is chosen and whether it is open, its movements as read
// (LinhasConta), what the user or the program wrote over them, the running balance and the
// rows a write-back must store. Widget-free: the ledger grid MSHFlexGrid1 shows it through the
// flex grid's design API (a ModeloCelulas), the ledger subsystem drives it, and the other
// subsystems read it through a const reference and its signals.
//
// The cells follow the grid's design: row 0 the header, column 0 the fixed column, the columns
// of ColunasGrelha. A cell the program writes is kept over the movement's own value until the
// account is read again or a write puts the movement's new values in place.
//
// A large account is read in steps: the first rows at once, the rest while the user looks
// (a timer of the event loop). Views see the rows read so far (linhasProntas); anything else
// that reads or writes the account, or runs any other statement on its connection, first has
// the rest read, so it always sees the whole account.
#include <QStringList>
#include <QTimer>
#include <optional>
#include <vector>

#include "conta/ColunasGrelha.h"
#include "conta/LinhasConta.h"
#include "grelha/CelulasEscritas.h"
#include "grelha/ModeloCelulas.h"

class BaseDados;
class ErroBaseDados;

class ContaAberta final : public ModeloCelulas
{
    Q_OBJECT
public:
    // Raw values beside the display texts: the key (qint64), the date (QDate), cents (qint64).
    enum Papel { PapelValor = Qt::UserRole + 1 };

    // Rows read at once when an account is opened: more than any screen shows.
    static constexpr int PrimeirasLinhas = 1000;

    explicit ContaAberta(QObject *pai = nullptr);
    ~ContaAberta() override;

    // ---- the chosen account ----
    // As Txt_NumBanco holds it: a number 1..9 as text, or anything else (no account).
    void escolhe(const QString &texto);
    void escolhe(int numBanco) { escolhe(QString::number(numBanco)); }
    const QString &escolha() const { return m_escolha; }
    bool escolhaNumerica() const { return m_escolhaNumerica; }
    int numBanco() const { return m_numBanco; } // 0 when the choice is not a whole number
    const QString &nome() const { return m_nome; }
    void defineNome(const QString &nome);
    // The account's grid is shown: what the write-back, the listings and the balance need.
    bool aberta() const { return m_aberta; }
    void defineAberta(bool aberta);

    // ---- its movements ----
    // The chosen account's movements read, its first rows at once and the rest while the user
    // looks (leituraAcabou then); every written cell goes. Throws ErroBaseDados, the account
    // then without rows; a later step that fails empties it and says leituraFalhou.
    void carrega(BaseDados &bd);
    void esquece(); // no movement rows; nothing of the account can be written back
    bool aLer() const { return m_linhas.aLer(); } // rows of the account remain to be read
    void acabaLeitura(); // the rest read now
    int total() const { precisaDeTodas(); return m_linhas.total(); } // as read or placed since
    bool semMovimentos() const { return m_linhas.total() == 0 && !m_linhas.aLer(); }
    // The grid holds every movement of the chosen account as read, and nothing more: what a
    // write can be shown on in place of reading the account again.
    bool completa() const;
    const LinhasConta &movimentos() const { precisaDeTodas(); return m_linhas; }

    // The running balance of every row and the rows' colours, today's rows grey; rows still to
    // be read get theirs as they come. Returns the balance of the rows read so far.
    Dinheiro calculaSaldos(const QDate &hoje);
    Dinheiro saldoFinal() const
    {
        precisaDeTodas();
        return Dinheiro::deCentimos(m_linhas.saldoFinal());
    }

    // The first grid row whose key cell reads `chave`, or 0; every such row.
    int linhaDaChave(qint64 chave) const;
    // The row nearest `perto` reading movement `chave` (the lower of two as near), or 0; it
    // costs the distance, where the first row costs the account.
    int linhaDaChave(qint64 chave, int perto) const;
    std::vector<int> linhasDaChave(qint64 chave, bool soAPrimeira = false) const;
    // The key grid row r's key cell reads; nothing when that is not a number.
    std::optional<qint64> chave(int r) const;

    // Typed marks over the design's hidden columns (they still read "True" and "-1").
    bool alterada(int r) const;
    void marcaAlterada(int r);
    void marcaApagada(int r);

    // ---- writing back ----
    struct Gravacao {
        std::vector<TabelaMovimentos::AlteracaoMovimento> linhas; // whole rows to write
        std::vector<int> linhasGrelha;                           // their grid rows
        // The movements differing in their balance only (as the account keeps them, 4 bytes
        // each: a million balances are not held twice), with the balances' generation then.
        std::vector<quint32> saldos;
        quint64 geracaoSaldos = 0;
        QStringList datasInvalidas; // date cells neither empty nor a date: their rows keep theirs
        bool vazia() const { return linhas.empty() && saldos.empty(); }
    };
    // Every row that differs from what is stored, with its running balance (`todas`), or the
    // rows marked changed. A row whose key cell is not a number is not a movement's and is
    // skipped; an account cell that is not a number counts as the open account.
    Gravacao porGravar(bool todas) const;
    // Writes g's balances on `bd` (in the caller's transaction, or one of its own), in slices
    // read from the account as they go. The account must not change in between.
    void gravaSaldos(BaseDados &bd, const Gravacao &g) const;
    // `g` was written: what is stored is known again, nothing on screen changes.
    void gravou(const Gravacao &g);
    // `g` was written, and the grid now shows what is stored, as if read again: the written
    // movements take their new values and places, deleted ones leave, written cells go.
    // False when that cannot be known without reading the account again (it was not changed).
    bool mostraGravado(const Gravacao &g);
    // Movement `m` was created in this account: it takes its place by date; written cells go.
    // Its grid row, or 0, as above, when the account must be read again.
    int mostraCriado(const Movimento &m);

    // ---- cells ----
    int linhas() const override { precisaDeTodas(); return m_numLinhas; }
    int linhasProntas() const override { return m_numLinhas; }
    void preparaAte(int r) override;
    int colunas() const override { return m_numColunas; }
    void defineTamanho(int linhas, int colunas) override;
    QString texto(int r, int c) const override;
    void defineTexto(int r, int c, const QString &t) override;
    QColor fundo(int r, int c) const override;
    void defineFundo(int r, int c, const QColor &cor) override;
    QColor frente(int r, int c) const override;
    void defineFrente(int r, int c, const QColor &cor) override;

signals:
    void contaMudou();    // the chosen account, its name, or whether it is open
    void linhasMudaram(); // rows read, placed, removed or forgotten
    void leituraAcabou(); // the last of the account's rows read: its final balance is known
    // A step of the reading failed: the account was emptied (nothing unsaved is lost, every
    // edit is written as it is made).
    void leituraFalhou(const ErroBaseDados &erro);

protected:
    QVariant outroPapel(int r, int c, int papel) const override;

private:
    // Whatever needs row r, or every row, has the rest of the account read first.
    void precisaDe(int r) const
    {
        if (r >= m_numLinhas && m_linhas.aLer())
            const_cast<ContaAberta *>(this)->acabaLeitura();
    }
    void precisaDeTodas() const
    {
        if (m_linhas.aLer())
            const_cast<ContaAberta *>(this)->acabaLeitura();
    }
    // Reads up to maxLinhas more rows or until `ate`, shows them (`aosPoucos`: only once
    // MostraMs have passed since rows were last shown), and ends the reading once the last row
    // came or a step failed; true while rows remain.
    bool le(int maxLinhas, const QDeadlineTimer &ate = QDeadlineTimer(QDeadlineTimer::Forever),
            bool aosPoucos = false);
    void leMais();                  // one step of the reading, from the timer
    void mostraNovas();             // rows read and not yet shown join the views
    void largaLeitura();            // the query let go, unread rows never come
    void falhouLeitura(const ErroBaseDados &erro);
    bool dentro(int r, int c) const { return r >= 0 && c >= 0 && r < m_numLinhas && c < m_numColunas; }
    // Cells still made by the movements (a cut keeps its cells empty even when the grid grows).
    bool dosMovimentos(int r, int c) const { return dentro(r, c) && r < m_linhasMov && c < m_colunasMov; }
    int comoLidas() const; // rows 1..n still wholly made by the movements, every column
    QString textoDoMovimento(int r, int c) const;
    QRgb fundoDoMovimento(int r, int c) const;
    QRgb frenteDoMovimento(int r, int c) const;
    std::optional<TabelaMovimentos::AlteracaoMovimento> deTextos(int r, bool todas,
                                                                 QStringList &datasInvalidas) const;
    void mostraMovimentos(); // the grid as the movements make it, written cells gone

    QString m_escolha;
    bool m_escolhaNumerica = false;
    int m_numBanco = 0;
    QString m_nome;
    bool m_aberta = false;

    LinhasConta m_linhas;
    bool m_lida = false;
    qint32 m_hoje = LinhasConta::SemData;
    int m_numLinhas = 2, m_numColunas = 2; // an empty grid, as a new flex grid is
    int m_linhasMov = 0, m_colunasMov = 0;
    CelulasEscritas m_escritas;
    BaseDados *m_bdLeitura = nullptr; // the connection of a reading in steps
    bool m_reservadas = false;        // room made for all its rows
    QDeadlineTimer m_proximaMostra;   // when the rows read in steps are next shown
    QTimer m_passo;
};
