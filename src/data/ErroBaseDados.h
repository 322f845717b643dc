#pragma once
// The database engine's errors, carried as one exception type so that event handlers can catch
// them at their boundary and tell the user in Portuguese.
#include <QString>
#include <stdexcept>

struct sqlite3;

class ErroBaseDados : public std::runtime_error
{
public:
    explicit ErroBaseDados(const QString &mensagem, int codigo = 0)
        : std::runtime_error(mensagem.toStdString()), m_mensagem(mensagem), m_codigo(codigo)
    {
    }
    const QString &mensagem() const { return m_mensagem; }
    int codigo() const { return m_codigo; } // the engine's primary result code; 0 when none

    // The engine's last error on db, as a Portuguese sentence for the cases a user can act on
    // (busy, disk full, read-only, I/O) followed by the engine's own words.
    static ErroBaseDados doMotor(sqlite3 *db, int codigo, const QString &onde = {});

private:
    QString m_mensagem;
    int m_codigo = 0;
};
