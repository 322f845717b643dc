// Changing the general password through its dialog, and what it then opens.
#include "admin/Administracao.h"
#include "admin/Frm_PassGeral.h"
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "platform/FlexGrid.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Subsistemas.h"
#include "support/Teclado.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Errada = QStringLiteral("A Password antiga está incorrecta!...");
const QString NaoCoincide = QStringLiteral("A nova password não coincide com a verificação!..");
const QString Alterada = QStringLiteral("A password foi alterada com sucesso!...");

QString guardada(PastaTeste &p)
{
    return p.bd()
        .consulta(QStringLiteral("SELECT campo2 FROM Tabempresa WHERE numempresa = 1"))
        .texto(QStringLiteral("campo2"));
}

// The general password the running program holds.
QString emUso(const Frm_bancos *janela)
{
    return subsistemaDe<Administracao>(janela)->PasswordGeral();
}

void preenche(Frm_PassGeral *d, const QString &antiga, const QString &nova, const QString &outra)
{
    for (QLineEdit *c : d->Txt_Var)
        c->clear();
    escreve(d->Txt_Var[0], antiga);
    escreve(d->Txt_Var[1], nova);
    escreve(d->Txt_Var[2], outra);
}

} // namespace

class TestPassGeral : public QObject
{
    Q_OBJECT
private slots:
    void semPasswordAntigaSoVazioServe()
    {
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        bool aindaAberta = false;
        aoAbrir<Frm_PassGeral>([&](Frm_PassGeral *d) {
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Password Geral de Acesso (supervisor)"));
            preenche(d, QStringLiteral(" "), QStringLiteral("abc"), QStringLiteral("abc"));
            QTest::mouseClick(d->Cmd_ValPassGer, Qt::LeftButton);
            aindaAberta = d->isVisible();
            QCOMPARE(d->Txt_Var[1]->text(), QStringLiteral("abc")); // the boxes keep their texts
            preenche(d, QString(), QStringLiteral("Mestre"), QStringLiteral("MESTRE"));
            QTest::mouseClick(d->Cmd_ValPassGer, Qt::LeftButton);
        });
        janela->Mnu_PassGeral->trigger();
        QVERIFY(aindaAberta);
        QCOMPARE(caixas.textos(), (QStringList{Errada, Alterada}));
        QCOMPARE(guardada(pasta), QStringLiteral("MESTRE"));
        QCOMPARE(emUso(janela.get()), QStringLiteral("MESTRE"));
    }

    // The old password and the repeated new one match as every password of the program does:
    // without regard to case, however the accents were typed (a letter and a combining mark, as
    // some keyboards and other systems send them). The new one is kept trimmed, in capitals.
    void passwordReconhecida_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("antiga");
        QTest::addColumn<QString>("nova");
        QTest::addColumn<QString>("repetida");
        QTest::addColumn<QString>("gravada");
        QTest::newRow("antiga noutra caixa e nova aparada")
            << "SEGREDO" << "sEgReDo" << "  Ação nº2 " << "AÇÃO Nº2" << "AÇÃO Nº2";
        QTest::newRow("antiga com o acento decomposto")
            << "JOSÉ" << "jose\u0301" << "novo" << "novo" << "NOVO";
        // Capitals are how the password is stored: an "ß" typed then was kept as "SS".
        QTest::newRow("antiga com ß, guardada em maiúsculas")
            << "STRASSE" << "straße" << "novo" << "novo" << "NOVO";
        QTest::newRow("repetida com os acentos decompostos")
            << "SEGREDO" << "segredo" << "Ação" << "ac\u0327a\u0303o" << "AÇÃO";
    }
    void passwordReconhecida()
    {
        QFETCH(QString, actual);
        QFETCH(QString, antiga);
        QFETCH(QString, nova);
        QFETCH(QString, repetida);
        QFETCH(QString, gravada);
        PastaTeste pasta;
        pasta.definePasswordGeral(actual);
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        aoAbrir<Frm_PassGeral>([&](Frm_PassGeral *d) {
            preenche(d, antiga, nova, repetida);
            QTest::mouseClick(d->Cmd_ValPassGer, Qt::LeftButton);
            if (d->isVisible())
                d->reject();
        });
        janela->Mnu_PassGeral->trigger();
        QCOMPARE(caixas.textos(), QStringList{Alterada});
        QCOMPARE(guardada(pasta), gravada);
        QCOMPARE(emUso(janela.get()), gravada);
    }

    void repeticaoDiferente()
    {
        PastaTeste pasta;
        pasta.definePasswordGeral(QStringLiteral("SEGREDO"));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        bool aindaAberta = false;
        aoAbrir<Frm_PassGeral>([&](Frm_PassGeral *d) {
            preenche(d, QStringLiteral("segredo"), QStringLiteral("um"), QStringLiteral("uns"));
            QTest::mouseClick(d->Cmd_ValPassGer, Qt::LeftButton);
            aindaAberta = d->isVisible();
            QTest::mouseClick(d->Cmd_CancelarPass, Qt::LeftButton);
        });
        janela->Mnu_PassGeral->trigger();
        QVERIFY(aindaAberta);
        QCOMPARE(caixas.textos(), QStringList{NaoCoincide});
        QCOMPARE(guardada(pasta), QStringLiteral("SEGREDO"));
        QCOMPARE(emUso(janela.get()), QStringLiteral("SEGREDO"));
    }

    void enterChegaAoValidarSemConfirmar()
    {
        PastaTeste pasta;
        pasta.definePasswordGeral(QStringLiteral("SEGREDO"));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        bool focoNoValidar = false, aindaAberta = false, semMensagem = false;
        QStringList focos;
        aoAbrir<Frm_PassGeral>([&](Frm_PassGeral *d) {
            QApplication::setActiveWindow(d);
            QVERIFY(QTest::qWaitForWindowActive(d));
            d->Txt_Var[0]->setFocus();
            for (const QString &t : {QStringLiteral("segredo"), QStringLiteral("novo"),
                                     QStringLiteral("novo")}) {
                focos << QApplication::focusWidget()->objectName();
                escreve(QApplication::focusWidget(), t);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            focoNoValidar = QApplication::focusWidget() == d->Cmd_ValPassGer;
            aindaAberta = d->isVisible();
            semMensagem = caixas.caixas.isEmpty();
            // One more Enter presses "Validar", which now has the focus.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (d->isVisible())
                d->reject();
        });
        janela->Mnu_PassGeral->trigger();
        QCOMPARE(focos, (QStringList{QStringLiteral("Txt_Var(0)"), QStringLiteral("Txt_Var(1)"),
                                     QStringLiteral("Txt_Var(2)")}));
        QVERIFY(focoNoValidar);
        QVERIFY(aindaAberta);
        QVERIFY(semMensagem);
        QCOMPARE(caixas.textos(), QStringList{Alterada});
        QCOMPARE(guardada(pasta), QStringLiteral("NOVO"));
    }

    void vaziaRetiraAPassword()
    {
        PastaTeste pasta;
        pasta.definePasswordGeral(QStringLiteral("MESTRE"));
        pasta.nomeiaConta(1, QStringLiteral("Caixa"), QStringLiteral("conta1"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-05"), 0, 100);
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();

        // While it is set, the general password opens the protected account.
        respondePassword(QStringLiteral("mestre"));
        janela->Mnu_Banco[1]->trigger();
        QVERIFY(janela->MSHFlexGrid1->isVisible());

        aoAbrir<Frm_PassGeral>([&](Frm_PassGeral *d) {
            preenche(d, QStringLiteral("Mestre"), QString(), QString());
            QTest::mouseClick(d->Cmd_ValPassGer, Qt::LeftButton);
        });
        janela->Mnu_PassGeral->trigger();
        QCOMPARE(caixas.textos(), QStringList{Alterada});
        QCOMPARE(guardada(pasta), QString());
        QCOMPARE(emUso(janela.get()), QString());

        // Now only the account's own password opens it; an empty answer never does.
        respondePassword(QStringLiteral("mestre"));
        janela->Mnu_Banco[1]->trigger();
        QVERIFY(!janela->MSHFlexGrid1->isVisible());
        respondePassword(QString());
        janela->Mnu_Banco[1]->trigger();
        QVERIFY(!janela->MSHFlexGrid1->isVisible());
        QCOMPARE(caixas.textos().mid(1), (QStringList{QStringLiteral("password incorrecta..."),
                                                      QStringLiteral("password incorrecta...")}));
        respondePassword(QStringLiteral("CONTA1"));
        janela->Mnu_Banco[1]->trigger();
        QVERIFY(janela->MSHFlexGrid1->isVisible());
    }
};

QUORVEL_TESTE(TestPassGeral)
#include "TestPassGeral.moc"
