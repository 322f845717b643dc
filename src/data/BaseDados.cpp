#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/ErroBaseDados.h"

#include <QCollator>
#include <QFileInfo>
#include <exception>
#include <utility>
#include <sqlite3.h>

namespace {

// DOBRA(texto): the text with Unicode case folded; NULL stays NULL.
void dobra(sqlite3_context *ctx, int, sqlite3_value **args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(args[0]));
    const QByteArray r =
        QString::fromUtf8(p, sqlite3_value_bytes(args[0])).toCaseFolded().toUtf8();
    sqlite3_result_text(ctx, r.constData(), int(r.size()), SQLITE_TRANSIENT);
}

// COLLATE PORTUGUES: Portuguese alphabetical order without regard to case ("Água" before "Banco").
int comparaPortugues(void *, int n1, const void *a, int n2, const void *b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Portuguese, QLocale::Portugal));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(QString::fromUtf8(static_cast<const char *>(a), n1),
                            QString::fromUtf8(static_cast<const char *>(b), n2));
}

QString mensagemDe(sqlite3 *db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

} // namespace

BaseDados::BaseDados(sqlite3 *db, QString caminho) : m_db(db), m_caminho(std::move(caminho)) {}

BaseDados::~BaseDados()
{
    try {
        acabaLeituraPendente();
    } catch (...) {
        // The reader's own errors are its to report; the file closes all the same.
    }
    sqlite3_close_v2(m_db);
}

void BaseDados::defineLeituraPendente(std::function<void()> acaba)
{
    m_leituraPendente = std::move(acaba);
}

void BaseDados::acabaLeituraPendente() const
{
    // Taken out first: finishing may let the reading go, or start nothing new.
    if (auto acaba = std::exchange(m_leituraPendente, nullptr))
        acaba();
}

std::unique_ptr<BaseDados> BaseDados::abre(const QString &caminho, const QByteArray &chave,
                                           bool criar)
{
    if (!criar && !QFileInfo::exists(caminho))
        throw ErroBaseDados(QStringLiteral("o ficheiro não existe: ") + caminho);
    sqlite3 *db = nullptr;
    // A connection is used by the thread that opened it alone, so it takes no lock of its own:
    // every value read from a row would otherwise lock and unlock a mutex.
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (criar ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(caminho.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK) {
        const QString msg = db ? mensagemDe(db) : QStringLiteral("sem memória");
        sqlite3_close_v2(db);
        throw ErroBaseDados(msg);
    }
    std::unique_ptr<BaseDados> bd(new BaseDados(db, caminho));
    if (!chave.isEmpty()) {
        // PRAGMA key takes no bound parameter; the key is ours, never user text.
        bd->executaScript(QStringLiteral("PRAGMA key = '%1';").arg(QString::fromUtf8(chave)));
    }
    // The first real read proves the key and the file: a wrong key or a damaged file fails here.
    bd->consulta(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    bd->executaScript(QStringLiteral("PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL; "
                                      "PRAGMA cache_size = -16384;"));
    // Another program holding the file (an administrator's sqlcipher session) is waited for a
    // few seconds; then the statement fails with a busy error the user is told about.
    sqlite3_busy_timeout(db, BaseDados::EsperaOcupadaMs);
    if (sqlite3_create_function_v2(db, "DOBRA", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   dobra, nullptr, nullptr, nullptr)
        != SQLITE_OK)
        throw ErroBaseDados(mensagemDe(db));
    if (sqlite3_create_collation_v2(db, "PORTUGUES", SQLITE_UTF8, nullptr, comparaPortugues,
                                    nullptr)
        != SQLITE_OK)
        throw ErroBaseDados(mensagemDe(db));
    return bd;
}

Comando BaseDados::prepara(const QString &sql)
{
    acabaLeituraPendente();
    return Comando(m_db, sql);
}

Registos BaseDados::consulta(const QString &sql, const QVariantList &parametros)
{
    acabaLeituraPendente();
    Comando c(m_db, sql);
    c.ligaTodos(parametros);
    return Registos(c);
}

qint64 BaseDados::executa(const QString &sql, const QVariantList &parametros)
{
    acabaLeituraPendente();
    Comando c(m_db, sql);
    c.ligaTodos(parametros);
    while (c.avanca()) {
    }
    return sqlite3_changes(m_db);
}

qint64 BaseDados::insere(const QString &sql, const QVariantList &parametros)
{
    executa(sql, parametros);
    return sqlite3_last_insert_rowid(m_db);
}

void BaseDados::executaScript(const QString &sql)
{
    acabaLeituraPendente();
    char *erro = nullptr;
    if (const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &erro);
        rc != SQLITE_OK) {
        sqlite3_free(erro);
        throw ErroBaseDados::doMotor(m_db, rc);
    }
}

void BaseDados::iniciaTransaccao()
{
    m_aposConfirmar.clear(); // nothing of an earlier transaction the engine rolled back itself
    executaScript(QStringLiteral("BEGIN IMMEDIATE"));
}

void BaseDados::confirmaTransaccao()
{
    executaScript(QStringLiteral("COMMIT"));
    auto depois = std::move(m_aposConfirmar);
    m_aposConfirmar.clear();
    for (const auto &f : depois)
        f();
}

void BaseDados::anulaTransaccao()
{
    m_aposConfirmar.clear();
    if (emTransaccao())
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void BaseDados::aposConfirmar(std::function<void()> f)
{
    if (emTransaccao())
        m_aposConfirmar.push_back(std::move(f));
    else
        f();
}
void BaseDados::defineEsperaOcupada(int ms) { sqlite3_busy_timeout(m_db, ms); }

bool BaseDados::emTransaccao() const { return sqlite3_get_autocommit(m_db) == 0; }

Transaccao::Transaccao(BaseDados &bd) : m_bd(bd), m_excepcoes(std::uncaught_exceptions())
{
    m_bd.iniciaTransaccao();
}

Transaccao::~Transaccao() noexcept(false)
{
    if (std::uncaught_exceptions() > m_excepcoes) {
        m_bd.anulaTransaccao();
        return;
    }
    try {
        m_bd.confirmaTransaccao();
    } catch (...) {
        m_bd.anulaTransaccao();
        throw;
    }
}
