#pragma once
// Helpers of the restore tests: a ledger to restore, a backup made of it, the
// files a restore may leave in a folder, and answering the open dialog and the
// restore window.
#include "ApoioBackup.h"
#include "backup/CopiaSeguranca.h"
#include "backup/Frm_ReporBackup.h"
#include "data/ErroBaseDados.h"

#include <QCryptographicHash>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>

namespace ApoioReposicao {

inline QByteArray resumoFicheiro(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// `n` movements of 12,50 € debit each in account `conta`, in one transaction.
inline void poeMovimentos(BaseDados &bd, int conta, int n, const QString &texto = {})
{
    bd.iniciaTransaccao();
    for (int i = 0; i < n; ++i)
        bd.executa(QStringLiteral("INSERT INTO TabBancos1Det (Data, Descricao, S, Debito, Credito,"
                                  " NumBanco) VALUES (?, ?, '', ?, 0, ?)"),
            {QDate(2026, 1, 1).addDays(i % 330).toString(Qt::ISODate),
                texto.isEmpty() ? QStringLiteral("Movimento %1").arg(i) : texto, 1250, conta});
    bd.confirmaTransaccao();
}

inline void nomeiaConta(BaseDados &bd, int conta, const QString &nome)
{
    bd.executa(QStringLiteral("UPDATE TabBancos SET banco = ? WHERE NumBanco = ?"), {nome, conta});
}

inline qint64 contaLinhas(BaseDados &bd, const QString &onde = QStringLiteral("1 = 1"))
{
    return bd.consulta(QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det WHERE ") + onde)
        .inteiro(QStringLiteral("n"));
}

inline QString integridade(BaseDados &bd)
{
    Registos r = bd.consulta(QStringLiteral("PRAGMA integrity_check"));
    return r.valor(r.nomesColunas().value(0)).toString();
}

// The verified copy the program makes, of `bd` to `destino`.
inline bool fazCopia(BaseDados &bd, const QString &destino)
{
    CopiaSeguranca copia(bd);
    return copia.copia(destino);
}

// The hidden temporary copies in a folder.
inline QStringList temporarios(const QString &pasta)
{
    return QDir(pasta).entryList(
        {QStringLiteral("*.quorvel-tmp-*")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// The restore window's table, one text per row: "nº|conta na cópia|mov.|conta
// actual|mov.".
inline QStringList linhasGrelha(const QTableWidget *g)
{
    QStringList linhas;
    for (int r = 0; r < g->rowCount(); ++r) {
        QStringList campos;
        for (int c = 0; c < g->columnCount(); ++c)
            campos << (g->item(r, c) ? g->item(r, c)->text() : QString());
        linhas << campos.join(QLatin1Char('|'));
    }
    return linhas;
}

// While it lives, each restore window that opens is counted and `accao` runs on
// it (it reads the window and clicks "Repor esta cópia" or not); a window left
// open is cancelled, so that no test hangs.
class VigiaReposicao
{
public:
    explicit VigiaReposicao(std::function<void(Frm_ReporBackup *)> accao = {})
        : m_accao(std::move(accao))
    {
        m_temporizador.setInterval(10);
        QObject::connect(&m_temporizador, &QTimer::timeout, [this] {
            auto *w = qobject_cast<Frm_ReporBackup *>(QApplication::activeModalWidget());
            if (!w || !w->isVisible() || w->property("vigiada").toBool())
                return;
            w->setProperty("vigiada", true);
            ++aberturas;
            if (m_accao)
                m_accao(w);
            if (w->isVisible())
                w->Cmd_Cancelar->click();
        });
        m_temporizador.start();
    }

    int aberturas = 0;

private:
    std::function<void(Frm_ReporBackup *)> m_accao;
    QTimer m_temporizador;
};

} // namespace ApoioReposicao
