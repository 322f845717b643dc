// The reminder after 30 days without a backup: when it shows, what it says, its two buttons,
// and that it shows once per run, before the tip of the day.
#include "ApoioBackup.h"
#include "admin/Frm_PassGeral.h"
#include "backup/Backups.h"
#include "platform/BotaoQuebraTexto.h"
#include "platform/EtiquetaInformacao.h"
#include "support/MensagensGuionadas.h"
#include "support/RegistoTestes.h"
#include "support/Subsistemas.h"

#include <QAction>
#include <QLabel>
#include <QFile>
#include <QTemporaryDir>

using namespace ApoioBackup;

namespace {

const QString Aviso31 =
    QStringLiteral("ATENÇÃO: JÁ NÃO FAZ COPIAS DE SEGURANÇA À  \n\n 31 DIAS!...");

Backups *backups(const Frm_bancos *janela) { return subsistemaDe<Backups>(janela); }

} // namespace

class TestAvisoBackup : public QObject
{
    Q_OBJECT
private slots:
    void init() { congelaHoje(); }
    void cleanup() { repoeDiaDaExecucao(); }

    void avisoSoDepoisDeTrintaDias_data()
    {
        QTest::addColumn<QString>("ultimo"); // ISO date, "" for NULL, "sem linha" for no row
        QTest::addColumn<int>("dias");
        QTest::addColumn<bool>("aviso");
        QTest::newRow("31 dias") << "2026-12-01" << 31 << true;
        QTest::newRow("30 dias") << "2026-12-02" << 30 << false;
        QTest::newRow("400 dias") << "2025-11-27" << 400 << true;
        QTest::newRow("hoje") << "2027-01-01" << 0 << false;
        QTest::newRow("nunca (vazio)") << "" << 0 << false;
        QTest::newRow("data futura") << "2027-03-01" << -59 << false;
        QTest::newRow("texto que não é data") << "ontem" << 0 << false;
        // Without the settings row no backup date can ever be stored: a reminder then would
        // come back on every run, whatever the user does.
        QTest::newRow("sem linha de definições") << "sem linha" << 0 << false;
    }
    void avisoSoDepoisDeTrintaDias()
    {
        QFETCH(QString, ultimo);
        QFETCH(int, dias);
        QFETCH(bool, aviso);
        PastaTeste pasta;
        if (ultimo == QLatin1String("sem linha"))
            pasta.bd().executa(QStringLiteral("DELETE FROM Tabempresa"));
        else
            pasta.bd().executa(
                QStringLiteral("UPDATE Tabempresa SET ultimobackup = ? WHERE numempresa = 1"),
                {ultimo.isEmpty() ? QVariant() : QVariant(ultimo)});
        MensagensGuionadas caixas;
        int diasNaJanela = -1;
        VigiaAviso vigia([&](Frm_Backups *f) { diasNaJanela = f->DiasSemBackup(); });
        Activacoes activacoes;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(activacoes.espera(janela.get())); // a reminder due opens in there

        QCOMPARE(vigia.aberturas, aviso ? 1 : 0);
        if (aviso) {
            QCOMPARE(diasNaJanela, dias);
            QCOMPARE(vigia.textos.value(0),
                     Frm_Backups::TextoDiasSemBackup(dias).replace(QLatin1Char('\r'),
                                                                   QLatin1Char('\n')));
            QCOMPARE(backups(janela.get())->DiasSemBackup(), 0); // set back when the window closed
        } else {
            QCOMPARE(backups(janela.get())->DiasSemBackup(), dias);
        }
        QCOMPARE(backups(janela.get())->AvisoBackupMostrado(), aviso);
        QCOMPARE(caixas.textos(), QStringList());
    }

    void janelaDeAviso_data()
    {
        QTest::addColumn<bool>("comImagens");
        QTest::newRow("com imagens") << true;
        QTest::newRow("sem imagens") << false; // missing pictures are skipped without a word
    }
    void janelaDeAviso()
    {
        QFETCH(bool, comImagens);
        PastaTeste pasta;
        if (!comImagens)
            for (const char *f : {"backup1.ico", "fundoveiculos.jpg", "exit.gif", "inf.ico"})
                QVERIFY(QFile::remove(pasta.caminho(QString::fromLatin1(f))));
        defineUltimoBackup(pasta, QDate(2026, 12, 1));
        MensagensGuionadas caixas;
        QStringList vistos;
        VigiaAviso vigia([&](Frm_Backups *f) {
            QCOMPARE(f->objectName(), QStringLiteral("Frm_Backups"));
            QCOMPARE(f->windowTitle(), QStringLiteral("Backups (cópias de segurança do programa)"));
            QVERIFY(f->isModal());
            QCOMPARE(f->Label1->text(), QStringLiteral("BACKUPS (Cópias de Segurança)"));
            QCOMPARE(f->Label1->font().family(), QStringLiteral("Book Antiqua"));
            QCOMPARE(f->Label2->text(), Aviso31);
            QCOMPARE(f->Label25->text(),
                     QStringLiteral("Aproveite e faça já as cópias de segurança... "
                                    "Faça regularmente os seus backups..."));
            QCOMPARE(f->CommandButton2->text(),
                     QStringLiteral("Fazer agora as cópias de segurança"));
            QCOMPARE(f->CommandButton1->text(), QStringLiteral("Fechar"));
            for (const char *nome : {"Label1", "Label2", "Label25", "CommandButton1",
                                     "CommandButton2", "Image1"})
                QVERIFY2(f->findChild<QWidget *>(QString::fromLatin1(nome)), nome);
            QCOMPARE(!f->CommandButton1->icon().isNull(), comImagens);
            QCOMPARE(!f->CommandButton2->icon().isNull(), comImagens);
            QCOMPARE(f->Image1->pixmap().size(), comImagens ? QSize(660, 400) : QSize(0, 0));
            QCOMPARE(f->Image1->geometry(), QRect(0, 0, 660, 400));
            QCOMPARE(f->size(), QSize(660, 400));
            vistos << f->objectName();
            QTest::keyClick(f, Qt::Key_Escape); // as "Fechar" or the close box
            QVERIFY(!f->isVisible());
        });
        Activacoes activacoes;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(activacoes.espera(janela.get())); // a reminder due opens in there
        QCOMPARE(vistos, QStringList{QStringLiteral("Frm_Backups")});
        QVERIFY(backups(janela.get())->AvisoBackupMostrado());
        QCOMPARE(caixas.textos(), QStringList());
    }

    // "Fechar", then another dialog of the program opened and closed: the main window becomes
    // active again and counts again, but the reminder does not come back in this run.
    void umaVezPorExecucao()
    {
        PastaTeste pasta;
        defineUltimoBackup(pasta, QDate(2026, 11, 1));
        MensagensGuionadas caixas;
        VigiaAviso vigia(
            [](Frm_Backups *f) { QTest::mouseClick(f->CommandButton1, Qt::LeftButton); });
        Activacoes activacoes;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(activacoes.espera(janela.get())); // a reminder due opens in there
        QCOMPARE(vigia.aberturas, 1);
        QCOMPARE(backups(janela.get())->DiasSemBackup(), 0);

        aoAbrir<Frm_PassGeral>([](Frm_PassGeral *d) {
            if (d)
                d->Cmd_CancelarPass->click();
        });
        janela->Mnu_PassGeral->trigger();
        QVERIFY(reactiva(janela.get()));
        QVERIFY(reactiva(janela.get()));
        QCOMPARE(backups(janela.get())->DiasSemBackup(), 61); // counted again on activation
        QCOMPARE(vigia.aberturas, 1);
        QVERIFY(backups(janela.get())->AvisoBackupMostrado());
        QCOMPARE(caixas.textos(), QStringList());
    }

    // The backup made from the reminder closes it and stores today; the next count is 0.
    void backupAPartirDoAviso()
    {
        PastaTeste pasta;
        pasta.insereMovimento(1, QStringLiteral("2026-06-01"), 500, 0);
        defineUltimoBackup(pasta, QDate(2026, 10, 1));
        QTemporaryDir destino;
        const QString ficheiro = destino.filePath(QStringLiteral("lembrete.MDB"));
        MensagensGuionadas caixas;
        DialogoVisto visto;
        bool fechouSozinha = false;
        VigiaAviso vigia([&](Frm_Backups *f) {
            escolheFicheiro(ficheiro, &visto);
            QTest::mouseClick(f->CommandButton2, Qt::LeftButton);
            fechouSozinha = !f->isVisible() && f->result() == QDialog::Accepted;
        });
        Activacoes activacoes;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(activacoes.espera(janela.get())); // a reminder due opens in there
        QVERIFY(visto.aberto);
        QCOMPARE(visto.nome, QStringLiteral("Quorvel-backup-1-1-2027.MDB"));
        QVERIFY(fechouSozinha);
        QCOMPARE(caixas.textos(), QStringList{Sucesso});
        QCOMPARE(ultimoBackup(pasta), QStringLiteral("2027-01-01"));
        QVERIFY(QFileInfo::exists(ficheiro));
        QVERIFY(reactiva(janela.get()));
        QCOMPARE(backups(janela.get())->DiasSemBackup(), 0);
        QCOMPARE(vigia.aberturas, 1);
    }

    // A refused or failed backup leaves the reminder open: the user may try again or close.
    void backupFalhadoDeixaOAvisoAberto()
    {
        PastaTeste pasta;
        defineUltimoBackup(pasta, QDate(2026, 10, 1));
        QTemporaryDir destino;
        MensagensGuionadas caixas;
        QList<bool> abertaDepois;
        VigiaAviso vigia([&](Frm_Backups *f) {
            escolheFicheiro(destino.filePath(QStringLiteral("nao/existe.MDB")));
            QTest::mouseClick(f->CommandButton2, Qt::LeftButton);
            abertaDepois << f->isVisible();
            escolheFicheiro(pasta.caminhoBase());
            QTest::mouseClick(f->CommandButton2, Qt::LeftButton);
            abertaDepois << f->isVisible();
            escolheFicheiro(QString()); // the dialog closed without a choice
            QTest::mouseClick(f->CommandButton2, Qt::LeftButton);
            abertaDepois << f->isVisible();
            QTest::mouseClick(f->CommandButton1, Qt::LeftButton);
            abertaDepois << f->isVisible();
        });
        Activacoes activacoes;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(activacoes.espera(janela.get())); // a reminder due opens in there
        QCOMPARE(abertaDepois, (QList<bool>{true, true, true, false}));
        QCOMPARE(caixas.textos(), (QStringList{Falhou, JaExiste}));
        QCOMPARE(ultimoBackup(pasta), QStringLiteral("2026-10-01"));
        QCOMPARE(ficheirosEm(destino.path()), QStringList());
    }

    // The reminder's hook runs before the tip of the day's: a due reminder is the first window
    // of the run.
    void avisoAntesDaDicaDoDia()
    {
        PastaTeste pasta;
        defineUltimoBackup(pasta, QDate(2026, 11, 15));
        MensagensGuionadas caixas;
        QStringList janelas;
        QTimer observa;
        observa.setInterval(5);
        QObject::connect(&observa, &QTimer::timeout, [&] {
            QWidget *m = QApplication::activeModalWidget();
            if (m && m->isVisible() && !m->property("contada").toBool()) {
                m->setProperty("contada", true);
                janelas << m->objectName();
                if (auto *f = qobject_cast<Frm_Backups *>(m))
                    f->CommandButton1->click();
                else if (auto *d = qobject_cast<QDialog *>(m))
                    d->reject();
            }
        });
        observa.start();
        Activacoes activacoes;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(activacoes.espera(janela.get())); // a reminder due opens in there
        observa.stop();
        QVERIFY(!janelas.isEmpty());
        QCOMPARE(janelas.first(), QStringLiteral("Frm_Backups"));
        QCOMPARE(janelas.count(QStringLiteral("Frm_Backups")), 1);
    }
};

QUORVEL_TESTE(TestAvisoBackup)
#include "TestAvisoBackup.moc"
