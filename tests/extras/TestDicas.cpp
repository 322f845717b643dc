// The tip of the day: the tip file as the user wrote it, the switch in the
// per-user settings and the menu item that mirrors it, and the window at the
// first activation of a run.
#include "app/Frm_bancos.h"
#include "extras/Apresentacao.h"
#include "extras/FicheiroDicas.h"
#include "extras/frmTip.h"
#include "support/Dialogos.h"
#include "support/Esperas.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Subsistemas.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

const QString Chave = QStringLiteral("Options/Show Tips at Startup");

void escreve(const QString &caminho, const QByteArray &dados)
{
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(dados);
}

bool dicasMostradas(const Frm_bancos *janela)
{
    return subsistemaDe<Apresentacao>(janela)->DicasMostradas();
}

QString definicao()
{
    return QSettings().value(Chave).toString();
}

} // namespace

class TestDicas : public QObject
{
    Q_OBJECT
private slots:
    void init() { QSettings().setValue(Chave, QStringLiteral("1")); }
    void cleanup() { QSettings().setValue(Chave, QStringLiteral("0")); } // as the suite runs

    void leFicheiro_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("dicas");
        QTest::newRow("uma linha sem fim") << QByteArray("Só uma") << QStringList{"Só uma"};
        QTest::newRow("linha em branco")
            << QByteArray("A\r\n\r\nB\r\n") << QStringList{"A", "", "B"};
        QTest::newRow("fins LF e CR") << QByteArray("A\nB\rC\n") << QStringList{"A", "B", "C"};
        QTest::newRow("vazio") << QByteArray() << QStringList{};
        QTest::newRow("so um fim de linha") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("UTF-8 com BOM")
            << (QByteArray("\xEF\xBB\xBF") + "Crédito à vista\n") << QStringList{"Crédito à vista"};
        QTest::newRow("Windows-1252") << QByteArray("Cr\xE9"
                                                    "dito de 5 \x80 \x93ok\x94\r\n")
                                      << QStringList{QStringLiteral("Crédito de 5 € “ok”")};
    }
    void leFicheiro()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, dicas);
        PastaTeste pasta(false);
        const QString caminho = pasta.caminho(QStringLiteral("dicas.txt"));
        escreve(caminho, bytes);
        QCOMPARE(FicheiroDicas::le(caminho), std::optional<QStringList>(dicas));
        QVERIFY(!FicheiroDicas::le(pasta.caminho(QStringLiteral("nada.txt"))));
        QVERIFY(!FicheiroDicas::le(QString()));
    }

    // A one-line file shows its line, also after "Proxima dica"; the mark follows
    // the window.
    void umaLinhaSempreAMesma()
    {
        PastaTeste pasta;
        escreve(pasta.caminho(QStringLiteral("TIPOFDAY.TXT")), "A única dica.\r\n");
        QStringList vistas;
        bool caixaMarcada = false;
        QString titulo;
        aoAbrir<frmTip>([&](frmTip *t) {
            titulo = t->windowTitle();
            caixaMarcada = t->chkLoadTipsAtStartup->isChecked();
            vistas << t->lblTipText->text();
            for (int i = 0; i < 5; ++i) {
                QTest::mouseClick(t->cmdNextTip, Qt::LeftButton);
                vistas << t->lblTipText->text();
            }
            QTest::mouseClick(t->cmdOK, Qt::LeftButton);
        });
        auto janela = pasta.iniciaPrograma();
        QVERIFY(janela);
        QTRY_VERIFY(dicasMostradas(janela.get()));
        QCOMPARE(titulo, QStringLiteral("Quorvel - Dica do Dia "));
        QVERIFY(caixaMarcada);
        QCOMPARE(vistas, QStringList(6, QStringLiteral("A única dica.")));
        QVERIFY(janela->Mnu_DicasEntrada->isChecked());
        // Shown once per run: a later activation opens nothing.
        janela->Form_Activate();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // A blank line is a tip like the others and can be drawn.
    void linhaEmBrancoPodeSair()
    {
        PastaTeste pasta;
        escreve(pasta.caminho(QStringLiteral("TIPOFDAY.TXT")), "Primeira\n\nTerceira\n");
        frmTip t(nullptr, nullptr);
        QVERIFY(t.Form_Load());
        QCOMPARE(t.TipList, (QStringList{"Primeira", "", "Terceira"}));
        QSet<QString> vistas;
        for (int i = 0; i < 300 && vistas.size() < 3; ++i) {
            QTest::mouseClick(t.cmdNextTip, Qt::LeftButton);
            QVERIFY(t.TipIndex >= 1 && t.TipIndex <= 3);
            vistas << t.lblTipText->text();
        }
        QCOMPARE(vistas, (QSet<QString>{"Primeira", "", "Terceira"}));
    }

    void semFicheiro()
    {
        PastaTeste pasta;
        QFile::remove(pasta.caminho(QStringLiteral("TIPOFDAY.TXT")));
        frmTip t(nullptr, nullptr);
        QVERIFY(t.Form_Load());
        const QString texto = QStringLiteral("That the TIPOFDAY.TXT file was not found? "
                                             "\r\n\r\nCreate a text file named "
                                             "TIPOFDAY.TXT using NotePad with 1 tip per line. Then "
                                             "place it in the same directory "
                                             "as the application. ");
        QCOMPARE(t.lblTipText->text(), texto);
        QTest::mouseClick(t.cmdNextTip, Qt::LeftButton); // nothing to draw from
        QCOMPARE(t.lblTipText->text(), texto);
    }

    // Switched off: no window, the item unchecked, and again at the next
    // activation until the user uses the item, which checks it, saves "1" and
    // ends the attempts for this run.
    void desligadas()
    {
        QSettings().setValue(Chave, QStringLiteral("0"));
        PastaTeste pasta;
        // A tip window that wrongly opened is noted and closed, so the test fails,
        // not hangs.
        bool abriu = false;
        QTimer guarda;
        connect(&guarda, &QTimer::timeout, this, [&] {
            if (auto *t = qobject_cast<frmTip *>(QApplication::activeModalWidget())) {
                abriu = true;
                t->reject();
            }
        });
        guarda.start(20);
        Activacoes activacoes;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(janela);
        QVERIFY(activacoes.espera(janela.get())); // the first activation, where a tip would open
        QVERIFY(!abriu);
        janela->Mnu_DicasEntrada->setChecked(true);
        janela->Form_Activate();
        QVERIFY(!janela->Mnu_DicasEntrada->isChecked());
        QVERIFY(!dicasMostradas(janela.get()));

        janela->Mnu_DicasEntrada->trigger();
        QVERIFY(janela->Mnu_DicasEntrada->isChecked());
        QCOMPARE(definicao(), QStringLiteral("1"));
        QVERIFY(dicasMostradas(janela.get()));
        janela->Form_Activate();
        umaVoltaDoCiclo();
        QVERIFY(!abriu);

        janela->Mnu_DicasEntrada->trigger();
        QVERIFY(!janela->Mnu_DicasEntrada->isChecked());
        QCOMPARE(definicao(), QStringLiteral("0"));
    }

    // The box in the window saves the switch and moves the menu mark at once;
    // after the window closes the mark still shows what was saved.
    void caixaNaJanela_data()
    {
        QTest::addColumn<int>("cliques");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("desmarcada") << 1 << QStringLiteral("0");
        QTest::newRow("desmarcada e remarcada") << 2 << QStringLiteral("1");
    }
    void caixaNaJanela()
    {
        QFETCH(int, cliques);
        QFETCH(QString, guardado);
        PastaTeste pasta;
        QList<bool> marcasMenu;
        QStringList guardados;
        Frm_bancos *principal = nullptr;
        aoAbrir<frmTip>([&](frmTip *t) {
            for (int i = 0; i < cliques; ++i) {
                QTest::mouseClick(t->chkLoadTipsAtStartup, Qt::LeftButton);
                guardados << definicao();
                if (principal)
                    marcasMenu << principal->Mnu_DicasEntrada->isChecked();
            }
            QTest::mouseClick(t->cmdOK, Qt::LeftButton);
        });
        auto janela = std::make_unique<Frm_bancos>();
        principal = janela.get();
        QCOMPARE(janela->Form_Load(), 0);
        janela->show();
        QTRY_VERIFY(dicasMostradas(janela.get()));
        QCOMPARE(guardados.last(), guardado);
        QCOMPARE(marcasMenu.last(), guardado == QLatin1String("1"));
        QCOMPARE(janela->Mnu_DicasEntrada->isChecked(), guardado == QLatin1String("1"));
        QCOMPARE(definicao(), guardado);
    }
};

QUORVEL_TESTE(TestDicas)
#include "TestDicas.moc"
