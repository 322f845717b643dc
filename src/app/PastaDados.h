#pragma once
// Which folder the program works in, and the user's own data folder made ready on its first run.
#include <QString>

enum class OrigemPasta {
    Opcao,      // --pasta DIR
    Ambiente,   // QUORVEL_PASTA
    Executavel, // the executable's folder holds quorvel.mdb: the portable layout
    Utilizador, // the user's data folder (installed copies)
};

struct PastaEscolhida {
    QString caminho;
    OrigemPasta origem;
};

// The first that applies: the option, the environment variable, the executable's folder when
// it holds the database (name compared without regard to case), else the user's data folder.
PastaEscolhida EscolhePasta(const QString &opcao, const QString &ambiente,
                            const QString &pastaExecutavel, const QString &pastaUtilizador);

// QStandardPaths::AppDataLocation: ~/.local/share/Quorvel/Quorvel on Linux.
QString PastaDadosUtilizador();

// The installed copy of the application folder's files: ../share/quorvel from the executable's
// folder, so an install under any prefix finds its own.
QString PastaPartilhada(const QString &pastaExecutavel);

// Makes the user's data folder ready: creates it, copies every file of the shared folder that
// is missing (names compared without regard to case; files already there are never touched)
// and creates a fresh empty database when there is none. An existing database is never
// written. Returns "" or a Portuguese description of what failed.
QString PreparaPastaUtilizador(const QString &pasta, const QString &partilhada);
