#include "app/InstanciaUnica.h"

#include <QDir>

InstanciaUnica::InstanciaUnica(const QString &pasta)
    : m_bloqueio(QDir(pasta).filePath(nomeFicheiro()))
{
    // The lock lasts the whole run: its age says nothing. Only a holder that is no longer
    // running (same machine) makes it stale.
    m_bloqueio.setStaleLockTime(0);
}

InstanciaUnica::Resultado InstanciaUnica::adquire()
{
    if (m_bloqueio.tryLock(0))
        return Resultado::Adquirida;
    return m_bloqueio.error() == QLockFile::LockFailedError ? Resultado::OutraAberta
                                                            : Resultado::SemBloqueio;
}

QString InstanciaUnica::mensagemOutraAberta(const QString &pasta)
{
    return QStringLiteral("O Quorvel já está aberto nesta pasta:\r%1\r\r"
                          "Só pode estar aberta uma cópia do programa em cada pasta, para que "
                          "nenhuma grave por cima das alterações da outra. Use a janela que já "
                          "está aberta, ou feche-a e volte a abrir o Quorvel.")
        .arg(QDir::toNativeSeparators(pasta));
}
