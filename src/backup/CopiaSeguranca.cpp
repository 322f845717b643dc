#include "backup/CopiaSeguranca.h"
#include "backup/CopiaTemporaria.h"
#include "data/Relogio.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "data/TabelaEmpresa.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryFile>
#include <sqlite3.h>


namespace {

// Pages copied per step: about a megabyte at a time, so a progress bar moves smoothly.
constexpr int PaginasPorPasso = 256;

// Today as the program's one clock gives it, at the time of day of the system.
QString momentoCopia()
{
    return QDateTime(Relogio::hoje(), QTime::currentTime()).toString(Qt::ISODate);
}

bool mesmoNome(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

QString CopiaSeguranca::nomeProposto(const QDate &dia)
{
    return QStringLiteral("Quorvel-backup-%1-%2-%3.MDB")
        .arg(dia.day())
        .arg(dia.month())
        .arg(dia.year(), 4, 10, QLatin1Char('0'));
}

CopiaSeguranca::Destino CopiaSeguranca::verificaDestino(const QString &destino) const
{
    const QFileInfo alvo(destino);
    if (alvo.exists() || alvo.isSymLink())
        return Destino::JaExiste;
    const QString pastaAlvo = QFileInfo(alvo.absolutePath()).canonicalFilePath();
    if (pastaAlvo.isEmpty())
        return Destino::Livre; // a folder that does not exist cannot hold the database

    // The database as the program names it, and the file that name resolves to.
    const QFileInfo base(m_bd.caminho());
    const QFileInfo real(base.canonicalFilePath());
    const bool comoNomeada = QFileInfo(base.absolutePath()).canonicalFilePath() == pastaAlvo
                             && mesmoNome(alvo.fileName(), base.fileName());
    const bool comoGuardada = !real.filePath().isEmpty() && real.absolutePath() == pastaAlvo
                              && mesmoNome(alvo.fileName(), real.fileName());
    return comoNomeada || comoGuardada ? Destino::MesmoFicheiro : Destino::Livre;
}

qint64 CopiaSeguranca::tamanho() const { return QFileInfo(m_bd.caminho()).size(); }

bool CopiaSeguranca::copia(const QString &destino, const Progresso &progresso)
{
    m_erro.clear();
    const QFileInfo alvo(destino);
    // What a killed copy left in this folder goes first: it may be as large as the database.
    CopiaTemporaria::limpaAbandonadas(alvo.absolutePath());
    // Hidden, beside the target: the final rename stays on one file system, so it is atomic.
    QTemporaryFile reserva(CopiaTemporaria::modelo(destino));
    if (!reserva.open()) {
        m_erro = reserva.errorString();
        return false;
    }
    // From here the name is ours to remove: QTemporaryFile would follow it through the rename
    // and delete the finished backup.
    reserva.setAutoRemove(false);
    const QString temporario = reserva.fileName();
    reserva.close();
    bool entregue = false;
    const auto limpa = qScopeGuard([&] {
        if (!entregue)
            QFile::remove(temporario);
    });

    try {
        {
            auto copia = BaseDados::abre(temporario, Esquema::Chave, true);
            // The file is checked, flushed once and renamed as a whole: it needs neither a
            // rollback journal nor a flush after every step.
            copia->executaScript(
                QStringLiteral("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;"));
            copiaPaginas(*copia, progresso);
            // The copy carries the moment it was made, which a restore shows.
            copia->executa(QStringLiteral("INSERT OR REPLACE INTO Meta (chave, valor) "
                                          "VALUES (?, ?)"),
                           {ChaveMomentoCopia, momentoCopia()});
        }
        verificaCopia(temporario);
    } catch (const ErroBaseDados &erro) {
        m_erro = erro.mensagem();
        return false;
    }
    if (!CopiaTemporaria::sincroniza(temporario, false)) {
        m_erro = QStringLiteral("não foi possível gravar a cópia no disco");
        return false;
    }
    // QFile::rename never replaces an existing file: one that appeared meanwhile is kept.
    QFile ficheiro(temporario);
    if (!ficheiro.rename(destino)) {
        m_erro = ficheiro.errorString();
        return false;
    }
    entregue = true;
    CopiaTemporaria::sincroniza(alvo.absolutePath(), true);
    return QFileInfo::exists(destino);
}

void CopiaSeguranca::copiaPaginas(BaseDados &copia, const Progresso &progresso)
{
    sqlite3 *destino = copia.ligacaoNativa();
    sqlite3_backup *b = sqlite3_backup_init(destino, "main", m_bd.ligacaoNativa(), "main");
    if (!b)
        throw ErroBaseDados(QString::fromUtf8(sqlite3_errmsg(destino)));
    int rc = SQLITE_OK;
    while (rc == SQLITE_OK) {
        rc = sqlite3_backup_step(b, PaginasPorPasso);
        if (progresso) {
            const int total = sqlite3_backup_pagecount(b);
            progresso(total - sqlite3_backup_remaining(b), total);
        }
    }
    sqlite3_backup_finish(b);
    if (rc != SQLITE_DONE)
        throw ErroBaseDados(QString::fromUtf8(sqlite3_errstr(rc)));
}

void CopiaSeguranca::verificaCopia(const QString &caminho)
{
    // Reopened from disk with the key, as a restore would open it.
    auto copia = BaseDados::abre(caminho, Esquema::Chave);
    Registos r = copia->consulta(QStringLiteral("PRAGMA integrity_check"));
    const QString resultado = r.vazio() ? QString() : r.valor(r.nomesColunas().value(0)).toString();
    if (r.contagem() != 1 || resultado != QLatin1String("ok"))
        throw ErroBaseDados(QStringLiteral("a cópia não passou a verificação de integridade: ")
                            + resultado);
}

void CopiaSeguranca::gravaUltimoBackup()
{
    TabelaEmpresa::gravaUltimoBackup(m_bd, Relogio::hoje());
}

int CopiaSeguranca::diasSemBackup() const
{
    const std::optional<QDate> ultimo = TabelaEmpresa::leUltimoBackup(m_bd);
    if (!ultimo || !ultimo->isValid())
        return 0;
    return int(ultimo->daysTo(Relogio::hoje()));
}
