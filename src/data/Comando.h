#pragma once
// A prepared statement with bound parameters. Values go in as QVariant; user text never
// becomes SQL text.
#include <QVariant>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

class Comando
{
public:
    Comando(sqlite3 *db, const QString &sql);
    ~Comando();
    Comando(const Comando &) = delete;
    Comando &operator=(const Comando &) = delete;
    Comando(Comando &&outro) noexcept;

    // Binds parameter i (1-based). A null QVariant binds NULL; bool binds 0/1.
    void liga(int i, const QVariant &valor);
    void ligaTodos(const QVariantList &valores);

    // Steps once; true while a row is available.
    bool avanca();
    void reinicia();

    int colunas() const;
    QString nomeColuna(int i) const;
    bool nulo(int i) const;
    int tipo(int i) const; // the engine's storage class of column i (SQLITE_INTEGER, ...)
    qint64 inteiro(int i) const;
    QString texto(int i) const; // NULL reads as ""
    // Column i as the engine holds it (UTF-8, NULL as empty), valid until the next step: no
    // copy and no conversion, for readers that keep the bytes or look at them only.
    std::string_view utf8(int i) const;
    QVariant valor(int i) const;

private:
    [[noreturn]] void falha(const char *onde) const;
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};
