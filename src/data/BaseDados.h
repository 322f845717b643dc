#pragma once
// One open SQLCipher database file. Every statement is prepared and bound; engine errors become
// ErroBaseDados. A function DOBRA(texto) folds Unicode case, so "without regard to case"
// comparisons are written DOBRA(coluna) = DOBRA(?) (SQLite's NOCASE folds ASCII only), and
// lists of names are ordered with COLLATE PORTUGUES.
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <vector>

#include "data/Registos.h"

struct sqlite3;
class Comando;

class BaseDados
{
public:
    static constexpr int EsperaOcupadaMs = 5000; // how long a file held by another program is waited for

    // Opens an existing file (criar = false) or creates a new one. With a key, the file is
    // encrypted with it; a wrong key or a damaged file throws here, before anything is written.
    static std::unique_ptr<BaseDados> abre(const QString &caminho, const QByteArray &chave,
                                           bool criar = false);
    ~BaseDados();
    BaseDados(const BaseDados &) = delete;
    BaseDados &operator=(const BaseDados &) = delete;

    Registos consulta(const QString &sql, const QVariantList &parametros = {});
    qint64 executa(const QString &sql, const QVariantList &parametros = {}); // rows changed
    qint64 insere(const QString &sql, const QVariantList &parametros = {});  // new row's key
    Comando prepara(const QString &sql);
    void executaScript(const QString &sql); // several statements, no parameters

    void iniciaTransaccao();
    void confirmaTransaccao();
    void anulaTransaccao();
    bool emTransaccao() const;
    // Runs `f` once what was written so far is committed: at once outside a transaction, else
    // after the COMMIT of the one open; a rollback drops it. For what a caller may only
    // believe stored once it truly is (a write inside someone else's transaction).
    void aposConfirmar(std::function<void()> f);

    // A reading left open across the event loop (the rest of a large account, read while the
    // user looks at its first rows): `acaba` finishes it, and runs once, before any other
    // statement on this connection, any use of the engine's handle, or the connection's close,
    // so nothing else ever runs beside a half-read query. One at a time; nullptr lets it go.
    void defineLeituraPendente(std::function<void()> acaba);

    // How long this connection waits for a file held by another program (EsperaOcupadaMs from
    // the start); tests shorten it so a busy file costs them a moment, not five seconds.
    void defineEsperaOcupada(int ms);

    const QString &caminho() const { return m_caminho; }
    sqlite3 *ligacaoNativa() const
    {
        acabaLeituraPendente();
        return m_db;
    }

private:
    BaseDados(sqlite3 *db, QString caminho);
    void acabaLeituraPendente() const;
    sqlite3 *m_db;
    QString m_caminho;
    std::vector<std::function<void()>> m_aposConfirmar;
    mutable std::function<void()> m_leituraPendente;
};

// Commits when it leaves scope normally, rolls back when an exception is in flight.
class Transaccao
{
public:
    explicit Transaccao(BaseDados &bd);
    ~Transaccao() noexcept(false);
    Transaccao(const Transaccao &) = delete;
    Transaccao &operator=(const Transaccao &) = delete;

private:
    BaseDados &m_bd;
    int m_excepcoes;
};
