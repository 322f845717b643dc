#include "data/Comando.h"
#include "data/ErroBaseDados.h"

#include <sqlite3.h>

Comando::Comando(sqlite3 *db, const QString &sql) : m_db(db)
{
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr)
        != SQLITE_OK)
        falha("prepare");
}

Comando::~Comando() { sqlite3_finalize(m_stmt); }

Comando::Comando(Comando &&outro) noexcept : m_db(outro.m_db), m_stmt(outro.m_stmt)
{
    outro.m_stmt = nullptr;
}

void Comando::falha(const char *onde) const
{
    throw ErroBaseDados::doMotor(m_db, sqlite3_errcode(m_db), QString::fromLatin1(onde));
}

void Comando::liga(int i, const QVariant &valor)
{
    int rc;
    if (valor.isNull() || !valor.isValid()) {
        rc = sqlite3_bind_null(m_stmt, i);
    } else {
        switch (valor.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
            rc = sqlite3_bind_int64(m_stmt, i, valor.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(m_stmt, i, valor.toDouble());
            break;
        default: {
            const QByteArray t = valor.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        falha("bind");
}

void Comando::ligaTodos(const QVariantList &valores)
{
    for (int i = 0; i < valores.size(); ++i)
        liga(i + 1, valores.at(i));
}

bool Comando::avanca()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    falha("step");
}

void Comando::reinicia()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Comando::colunas() const { return sqlite3_column_count(m_stmt); }

QString Comando::nomeColuna(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

bool Comando::nulo(int i) const { return sqlite3_column_type(m_stmt, i) == SQLITE_NULL; }

int Comando::tipo(int i) const { return sqlite3_column_type(m_stmt, i); }

qint64 Comando::inteiro(int i) const { return sqlite3_column_int64(m_stmt, i); }

QString Comando::texto(int i) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
    const int bytes = sqlite3_column_bytes(m_stmt, i);
    return p && bytes > 0 ? QString::fromUtf8(p, bytes) : QString(); // "" costs no allocation
}

std::string_view Comando::utf8(int i) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
    const int bytes = sqlite3_column_bytes(m_stmt, i);
    return p && bytes > 0 ? std::string_view(p, size_t(bytes)) : std::string_view();
}

QVariant Comando::valor(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, i));
    default:
        return QVariant(texto(i));
    }
}
