// Tests that must fail: run one by one by TestDialogos in a child process, which checks that each
// fails promptly with its message. They do nothing unless QUORVEL_DIALOGOS_QUE_FALHAM is set, so
// running the whole test executable by hand stays green.
#include "support/Dialogos.h"
#include "support/RegistoTestes.h"

#include <QDialog>
#include <QMessageBox>
#include <QTest>

class DialogosQueFalham : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("QUORVEL_DIALOGOS_QUE_FALHAM"))
            QSKIP("only run by TestDialogos");
    }

    void respondido()
    {
        aoAbrirModal([](QWidget *w) { qobject_cast<QDialog *>(w)->accept(); });
        QDialog d;
        QCOMPARE(d.exec(), int(QDialog::Accepted));
    }

    void nuncaAbreEnquantoEspera()
    {
        aoAbrirModal([](QWidget *) {});
        // Until the helper gives up on the window and fails this test, still running.
        static_cast<void>(QTest::qWaitFor([] { return QTest::currentTestFailed(); }, 6000));
    }

    void nuncaAbreEOTesteAcaba()
    {
        aoAbrirModal([](QWidget *) {});
    }

    void falhaDentroDoDialogo()
    {
        aoAbrirModal([](QWidget *) { QVERIFY(false); });
        QDialog d;
        d.exec();
        // The code under test carries on and opens another window: it is closed as well.
        QDialog outra;
        outra.exec();
    }

    void janelaDeOutraClasse()
    {
        aoAbrir<QMessageBox>([](QMessageBox *m) { m->accept(); });
        QDialog d;
        d.exec();
    }
};

QUORVEL_TESTE(DialogosQueFalham)
#include "DialogosQueFalham.moc"
