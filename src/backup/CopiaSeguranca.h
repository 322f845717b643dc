#pragma once
// The backup of the whole ledger, without windows: the proposed file name, the checks on the
// chosen name, the copy itself and the days since the last one.
//
// The copy is taken through SQLite's online backup from the program's own open connection, into
// a hidden temporary file beside the chosen one; only when that file reopens with the key and
// passes PRAGMA integrity_check is it renamed to the chosen name. So the copy is consistent even
// while the connection stays open, and a failure, a crash or a kill at any moment leaves either
// nothing or a whole database under the chosen name, never part of one.
#include <QDate>
#include <QString>
#include <functional>

class BaseDados;

class CopiaSeguranca
{
public:
    explicit CopiaSeguranca(BaseDados &bd) : m_bd(bd) {}

    // The key of the Meta row in which a copy records when it was made (ISO date and time).
    static inline const QString ChaveMomentoCopia = QStringLiteral("copiaem");

    // "Quorvel-backup-" + day + "-" + month + "-" + year + ".MDB", no leading zeros, no folder.
    static QString nomeProposto(const QDate &dia);

    enum class Destino {
        Livre,         // the copy may go there
        JaExiste,      // a file (or a link, or a folder) of that name exists
        MesmoFicheiro, // the database's own name in its own folder, however it is written
    };
    // The name as the user chose it. The database counts as the same file when the target's
    // folder is the database's folder (links and relative parts resolved) and the names match
    // without regard to case or outer blanks: the program finds its database that way too.
    Destino verificaDestino(const QString &destino) const;

    // Called after every step of the copy with the pages done and the pages in all.
    using Progresso = std::function<void(int feitas, int total)>;
    // Copies the database to `destino`, which should not exist. True when the file is there and
    // whole; otherwise nothing is left behind and erro() says what the engine or the file system
    // reported. Temporary copies a killed copy left in that folder are removed first.
    bool copia(const QString &destino, const Progresso &progresso = {});
    const QString &erro() const { return m_erro; }

    // Size of the database file, in bytes; a copy above LimiteProgresso deserves a progress bar.
    qint64 tamanho() const;
    static constexpr qint64 LimiteProgresso = 4 * 1024 * 1024;

    // Stores today's date as the date of the last backup (nothing when the settings row is
    // missing). Throws ErroBaseDados.
    void gravaUltimoBackup();
    // Whole days from the last backup to today: 0 when there was none (or no settings row),
    // negative when the stored date lies ahead. Throws ErroBaseDados.
    int diasSemBackup() const;

private:
    void copiaPaginas(BaseDados &copia, const Progresso &progresso);
    static void verificaCopia(const QString &caminho);

    BaseDados &m_bd;
    QString m_erro;
};
