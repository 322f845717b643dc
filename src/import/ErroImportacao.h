#pragma once
// What stops an import or a load of QIF files, in words the user can act on: a missing side
// database or table, a file that cannot be read, a line that cannot be read (with its place).
#include <QString>
#include <stdexcept>

class ErroImportacao : public std::runtime_error
{
public:
    explicit ErroImportacao(const QString &mensagem)
        : std::runtime_error(mensagem.toStdString()), m_mensagem(mensagem)
    {
    }
    const QString &mensagem() const { return m_mensagem; }

private:
    QString m_mensagem;
};
