#pragma once
// Whether a file is a whole Quorvel database this version can open, and what it holds: the
// check and the summary a restore shows before anything is replaced.
#include <QDateTime>
#include <QString>
#include <vector>

class BaseDados;

struct ContaResumida {
    int numBanco = 0;
    QString banco;       // "" for a free slot that still holds movements
    qint64 movimentos = 0;
};

struct ResumoBase {
    int versao = 0;
    // When the copy was made: recorded in the copy by the program, or else the time the file
    // was last written (a copy made by hand, or by an older version).
    QDateTime data;
    bool dataRegistada = false;
    std::vector<ContaResumida> contas; // named accounts and those with movements, by number
    qint64 totalMovimentos() const;
};

namespace ExameBackup {

// Opens the file with the key and checks it: the engine's integrity check, every table and
// column a Quorvel file has had since its first version, and a version no newer than this
// program's. Throws ErroBaseDados with the reason in the user's words; never writes the file.
ResumoBase examina(const QString &caminho);

// The checks alone, on an open database.
void verifica(BaseDados &bd);

// The version, the recorded date and the accounts with their movement counts. Throws
// ErroBaseDados.
ResumoBase resume(BaseDados &bd);

} // namespace ExameBackup
