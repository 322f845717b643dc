#pragma once
// One copy of the program per application folder. Two copies on the same folder would each
// write their grid back at the end of the run, the last silently undoing the other's changes.
// A lock file in the folder says a copy is running; one left by a killed program (its process
// is gone) is taken over.
#include <QLockFile>
#include <QString>

class InstanciaUnica
{
public:
    explicit InstanciaUnica(const QString &pasta);

    enum class Resultado {
        Adquirida,   // this copy is the only one on the folder
        OutraAberta, // another running copy holds the folder
        SemBloqueio, // the folder cannot hold a lock file (read-only, missing): carry on
    };
    Resultado adquire();

    static QString nomeFicheiro() { return QStringLiteral("quorvel.lock"); }
    // What the user is told when another copy holds the folder.
    static QString mensagemOutraAberta(const QString &pasta);

private:
    QLockFile m_bloqueio;
};
