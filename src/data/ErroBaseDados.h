#pragma once
// The database engine's errors, carried as one exception type so that event handlers can catch
// them at their boundary and tell the user in Portuguese.
#include <QString>
#include <stdexcept>

class ErroBaseDados : public std::runtime_error
{
public:
    explicit ErroBaseDados(const QString &mensagem)
        : std::runtime_error(mensagem.toStdString()), m_mensagem(mensagem)
    {
    }
    const QString &mensagem() const { return m_mensagem; }

private:
    QString m_mensagem;
};
