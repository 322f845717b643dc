#pragma once
// Helpers of the backup tests: the frozen date, the stored backup date, answering the real save
// dialog, and a watch on the reminder window.
#include "app/Frm_bancos.h"
#include "backup/Frm_Backups.h"
#include "data/Relogio.h"
#include "data/BaseDados.h"
#include "data/Esquema.h"
#include "platform/BotaoQuebraTexto.h"
#include "support/Dialogos.h"
#include "support/Esperas.h"
#include "support/PastaTeste.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

namespace ApoioBackup {

inline const QDate Hoje(2027, 1, 1);

// The day the run froze at its start, read before any test froze Hoje.
inline QDate &diaDaExecucao()
{
    static QDate dia;
    return dia;
}

// Each test sees Hoje; after it the program's clock is given back the run's own frozen day (the
// system's day may have moved on since).
inline void congelaHoje()
{
    if (!diaDaExecucao().isValid())
        diaDaExecucao() = Relogio::hoje();
    Relogio::congela(Hoje);
}
inline void repoeDiaDaExecucao()
{
    Relogio::congela(diaDaExecucao());
}

inline const QString JaExiste =
    QStringLiteral("Já existe um ficheiro de backup com esse nome!... Backup não efectuado...");
inline const QString NomeInvalido =
    QStringLiteral("Nome Inválido do Backup... terá que escolher outro nome.");
inline const QString Falhou = QStringLiteral("ATENÇÃO: O BACKUP NÃO FOI EFECTUADO COM SUCESSO..."
                                             "\r\rEscolha outro local no disco para efectuar o "
                                             "seu backup");
inline const QString Sucesso = QStringLiteral("Backup efectuado com sucesso...");

// ultimobackup as stored: ISO text, or a null QString for NULL.
inline QString ultimoBackup(PastaTeste &p)
{
    Registos r = p.bd().consulta(
        QStringLiteral("SELECT ultimobackup FROM Tabempresa WHERE numempresa = 1"));
    return r.vazio() || r.nulo(QStringLiteral("ultimobackup"))
               ? QString()
               : r.texto(QStringLiteral("ultimobackup"));
}

inline void defineUltimoBackup(PastaTeste &p, const QDate &dia)
{
    p.bd().executa(QStringLiteral("UPDATE Tabempresa SET ultimobackup = ? WHERE numempresa = 1"),
                   {dia.isValid() ? QVariant(dia.toString(Qt::ISODate)) : QVariant()});
}

// What the save dialog showed when it opened.
struct DialogoVisto {
    bool aberto = false;
    QString titulo, nome, filtro, objecto;
    bool semPerguntaSobrescrever = false;
};

// Answers the next save dialog as a user would: the file name box gets `caminho` and the dialog
// is accepted; an empty `caminho` closes the dialog without a choice.
inline void escolheFicheiro(const QString &caminho, DialogoVisto *visto = nullptr)
{
    aoAbrir<QFileDialog>([=](QFileDialog *d) {
        if (!d) {
            qWarning("the modal window is not the save dialog");
            return;
        }
        auto *nome = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (visto) {
            visto->aberto = true;
            visto->titulo = d->windowTitle();
            visto->nome = nome ? nome->text() : QString();
            visto->filtro = d->selectedNameFilter();
            visto->objecto = d->objectName();
            visto->semPerguntaSobrescrever = d->testOption(QFileDialog::DontConfirmOverwrite);
        }
        if (caminho.isEmpty() || !nome) {
            d->reject();
            return;
        }
        nome->setText(caminho);
        static_cast<QDialog *>(d)->accept(); // as the "Guardar" button does
    });
}

// Every file of a folder, hidden ones included (a leftover temporary file would be hidden).
inline QStringList ficheirosEm(const QString &pasta)
{
    return QDir(pasta).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// While it lives, each reminder window that opens is counted, its day-count text kept, and
// `accao` runs on it; a reminder left open is closed with "Fechar" so that no test hangs.
class VigiaAviso
{
public:
    explicit VigiaAviso(std::function<void(Frm_Backups *)> accao = {}) : m_accao(std::move(accao))
    {
        m_temporizador.setInterval(10);
        QObject::connect(&m_temporizador, &QTimer::timeout, [this] {
            auto *w = qobject_cast<Frm_Backups *>(QApplication::activeModalWidget());
            if (!w || !w->isVisible() || w->property("vigiada").toBool())
                return;
            w->setProperty("vigiada", true);
            ++aberturas;
            textos << w->Label2->text();
            QApplication::setActiveWindow(w);
            if (m_accao)
                m_accao(w);
            if (w->isVisible())
                w->CommandButton1->click();
        });
        m_temporizador.start();
    }

    int aberturas = 0;
    QStringList textos;

private:
    std::function<void(Frm_Backups *)> m_accao;
    QTimer m_temporizador;
};

// The main window becomes active again, as after closing a dialog or switching programs; true
// once its activation has been handled.
[[nodiscard]] inline bool reactiva(Frm_bancos *janela)
{
    Activacoes activacoes;
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    QApplication::setActiveWindow(janela);
    return activacoes.espera(janela);
}

} // namespace ApoioBackup
