#include "data/ErroBaseDados.h"

#include <sqlite3.h>

namespace {

QString explicacao(int codigo)
{
    switch (codigo & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("A base de dados está ocupada por outro programa e não ficou livre"
                              " a tempo. Feche esse programa e tente de novo; nada foi gravado.");
    case SQLITE_FULL:
        return QStringLiteral("O disco está cheio: não foi possível gravar na base de dados.");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return QStringLiteral("Não é possível escrever na base de dados (ficheiro só de leitura"
                              " ou sem permissão).");
    case SQLITE_IOERR:
        return QStringLiteral("Erro de leitura ou escrita no disco da base de dados.");
    default:
        return {};
    }
}

} // namespace

ErroBaseDados ErroBaseDados::doMotor(sqlite3 *db, int codigo, const QString &onde)
{
    QString motor = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(codigo));
    if (!onde.isEmpty())
        motor += QStringLiteral(" (") + onde + QStringLiteral(")");
    const QString texto = explicacao(codigo);
    return ErroBaseDados(texto.isEmpty() ? motor : texto + QStringLiteral("\r") + motor,
                         codigo & 0xFF);
}
