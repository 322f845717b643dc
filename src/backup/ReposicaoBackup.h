#pragma once
// Putting a backup back in place of the database, without windows.
//
// The chosen file is first copied, as it lies, to a hidden temporary file beside the database,
// and that copy is the one checked (ExameBackup) and, once the user confirms, renamed over the
// database in one step. So the file checked is the file put in place, the user's backup is only
// ever read, and a kill at any moment leaves under the database's name either the old file or
// the new one, whole: never part of one. Before the rename, the current database is copied with
// the normal verified backup, so the restore can be undone.
#include "backup/ExameBackup.h"

#include <QDate>
#include <QString>
#include <functional>

class BaseDados;

class ReposicaoBackup
{
public:
    // `base` is the database file the backup will replace.
    explicit ReposicaoBackup(QString base);
    ~ReposicaoBackup(); // a copy that was not put in place is removed
    ReposicaoBackup(const ReposicaoBackup &) = delete;
    ReposicaoBackup &operator=(const ReposicaoBackup &) = delete;

    // Copies `escolhido` beside the database and checks the copy. False, with the reason in
    // erro(), when it is not a whole Quorvel backup this version can open; nothing is left
    // behind then.
    bool prepara(const QString &escolhido);
    const ResumoBase &resumo() const { return m_resumo; }

    // "Quorvel-backup-<d>-<m>-<yyyy>-antes-da-reposicao.MDB" in `pasta`, or the first of
    // "...-antes-da-reposicao-2.MDB", "-3", ... that does not exist yet.
    static QString nomeAntes(const QString &pasta, const QDate &dia);

    enum class Resultado {
        Reposta,            // the backup is the database now; every connection was closed
        CopiaAntesFalhou,   // nothing changed; the connection is still open
        SubstituicaoFalhou, // the old database is still in place, but the connection is closed
    };
    // The confirmed restore: a verified copy of `actual` to `antes`, then `fecha` closes every
    // connection to the database and the prepared copy replaces it in one rename.
    Resultado repoe(BaseDados &actual, const QString &antes, const std::function<void()> &fecha);

    // The prepared copy, flushed, renamed over the database; no connection may be open on it.
    bool poeNoLugar();

    const QString &erro() const { return m_erro; }

    // The database in use after a restore forgets when its backup was made: a file copied from
    // it by hand later must not show that time as its own. Throws ErroBaseDados.
    static void esqueceMomentoCopia(BaseDados &bd);

private:
    QString m_base;
    QString m_candidato; // the hidden copy, "" when there is none
    ResumoBase m_resumo;
    QString m_erro;
};
