// The dialog helpers cannot let a test pass by accident: each case of DialogosQueFalham runs in a
// child process and must fail, promptly, saying why; the control case must pass.
#include "ProcessoQuorvel.h"
#include "support/RegistoTestes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

class TestDialogos : public QObject
{
    Q_OBJECT
private slots:
    void falhamDepressa_data()
    {
        QTest::addColumn<QString>("funcao");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("limiteMs");
        QTest::newRow("controlo") << "respondido" << 0 << "" << 20000;
        QTest::newRow("nunca abre, em espera")
            << "nuncaAbreEnquantoEspera" << 1
            << "a janela modal esperada em nuncaAbreEnquantoEspera nunca abriu" << 20000;
        QTest::newRow("nunca abre, teste acabado")
            << "nuncaAbreEOTesteAcaba" << 1
            << "a janela modal esperada em nuncaAbreEOTesteAcaba nunca abriu" << 20000;
        QTest::newRow("falha no dialogo")
            << "falhaDentroDoDialogo" << 1 << "'false' returned FALSE" << 20000;
        QTest::newRow("outra classe")
            << "janelaDeOutraClasse" << 1 << "abriu QDialog em vez de QMessageBox" << 20000;
    }
    void falhamDepressa()
    {
        QFETCH(QString, funcao);
        QFETCH(int, codigo);
        QFETCH(QString, mensagem);
        QFETCH(int, limiteMs);
        QTemporaryDir home;
        QProcessEnvironment amb = ambienteLimpo(home.path());
        amb.insert(QStringLiteral("QUORVEL_DIALOGOS_QUE_FALHAM"), QStringLiteral("1"));
        QElapsedTimer relogio;
        relogio.start();
        const Execucao e = executa(QCoreApplication::applicationFilePath(),
                                   {QStringLiteral("DialogosQueFalham"), funcao}, amb, limiteMs);
        QVERIFY2(e.terminou, "hung instead of failing");
        const QString saida = e.saida + e.erros;
        QVERIFY2(e.codigo == codigo, qPrintable(saida));
        QVERIFY2(saida.contains(mensagem), qPrintable(saida));
        if (codigo != 0)
            QVERIFY2(saida.contains(QStringLiteral("FAIL!")), qPrintable(saida));
    }
};

QUORVEL_TESTE(TestDialogos)
#include "TestDialogos.moc"
