// The "Contas" menu, opening accounts with and without passwords, and what a run remembers
// for the next one.
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/TabelaContas.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "app/Frm_Password.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTest>

namespace {

QStringList contasVisiveis(Frm_bancos &janela)
{
    QStringList t;
    for (int n = 1; n <= 9; ++n)
        if (janela.Mnu_Banco[size_t(n)]->isVisible())
            t << QString::number(n) + QLatin1Char(':') + janela.Mnu_Banco[size_t(n)]->text();
    return t;
}

bool contaAberta(Frm_bancos &janela) { return janela.MSHFlexGrid1->isVisible(); }

// One key event per character as a keyboard sends it: a character beyond the first plane (an
// emoji) arrives as one event carrying both of its halves.
void escreveComoTeclado(QWidget *w, const QString &texto)
{
    for (qsizetype i = 0; i < texto.size();) {
        const qsizetype n = texto[i].isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const QString c = texto.mid(i, n);
        if (c[0].unicode() < 128)
            QTest::keyClick(w, c[0].toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, c, Qt::NoModifier);
        i += n;
    }
}

} // namespace

class TestContas : public QObject
{
    Q_OBJECT
private slots:
    void menuSoComContasComNome()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Caixa"));
        pasta.nomeiaConta(2, QStringLiteral("  BPI  "));
        pasta.nomeiaConta(5, QStringLiteral("Sócios & Filhos"));
        pasta.nomeiaConta(3, QStringLiteral("   "));
        auto janela = pasta.iniciaPrograma();
        QCOMPARE(contasVisiveis(*janela),
                 (QStringList{"1:Caixa", "2:  BPI  ", "5:Sócios && Filhos"}));
        QVERIFY(janela->Mnu_NovaConta->isVisible());

        // Item 5 opens account 5.
        pasta.insereMovimento(5, QStringLiteral("2024-01-02"), 0, 1000);
        janela->Mnu_Banco[5]->trigger();
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("5"));
        QCOMPARE(janela->Lbl_NomeDoBanco->text(), QStringLiteral("Sócios & Filhos"));
        QVERIFY(contaAberta(*janela));
        QVERIFY(janela->Mnu_GestBanco->isVisible());
        QVERIFY(janela->Mnu_Movimentos->menuAction()->isVisible());
    }

    void novaContaEscondidaComNonaOcupada()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(9, QStringLiteral("Última"));
        auto janela = pasta.iniciaPrograma();
        QVERIFY(!janela->Mnu_NovaConta->isVisible());
        QCOMPARE(contasVisiveis(*janela), QStringList{QStringLiteral("9:Última")});
    }

    void passwordDaConta_data()
    {
        QTest::addColumn<QString>("digitada");
        QTest::addColumn<QString>("geral");
        QTest::addColumn<bool>("abre");
        QTest::newRow("exacta") << "Segredo" << "" << true;
        QTest::newRow("outra caixa") << "sEGREDO" << "" << true;
        QTest::newRow("com brancos") << "  segredo  " << "" << true;
        QTest::newRow("acentos noutra caixa") << "SEGREDO" << "" << true;
        QTest::newRow("errada") << "segredo1" << "" << false;
        QTest::newRow("vazia sem geral") << "" << "" << false;
        QTest::newRow("geral") << "mestre" << "MESTRE" << true;
        QTest::newRow("geral com brancos") << " Mestre " << "MESTRE" << true;
        QTest::newRow("vazia com geral") << "" << "MESTRE" << false;
    }
    void passwordDaConta()
    {
        QFETCH(QString, digitada);
        QFETCH(QString, geral);
        QFETCH(bool, abre);
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(2, QStringLiteral("Protegida"), QStringLiteral("Segredo"));
        pasta.definePasswordGeral(geral);
        pasta.insereMovimento(2, QStringLiteral("2024-01-02"), 0, 1000);
        auto janela = pasta.iniciaPrograma();

        respondePassword(digitada);
        janela->Mnu_Banco_Click(2);
        QCOMPARE(contaAberta(*janela), abre);
        if (abre) {
            QCOMPARE(caixas.caixas.size(), 0);
            QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("10,00 €"));
        } else {
            QCOMPARE(caixas.textos(), QStringList{QStringLiteral("password incorrecta...")});
            QCOMPARE(caixas.caixas[0].titulo, QStringLiteral("Quorvel"));
            QVERIFY(!janela->Mnu_GestBanco->isVisible());
            QVERIFY(!janela->Mnu_Movimentos->menuAction()->isVisible());
            QVERIFY(janela->Image1->isVisible());
            // The refused account stays chosen: the start picture asks again.
            QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("2"));
            respondePassword(QStringLiteral("segredo"));
            janela->Image1_Click();
            QVERIFY(contaAberta(*janela));
        }
    }

    // Typed key by key into the real prompt, accents and the euro sign included.
    void passwordComAcentos_data()
    {
        QTest::addColumn<QString>("guardada");
        QTest::addColumn<QString>("digitada");
        QTest::addColumn<bool>("abre");
        const QString acao = QStringLiteral("Ação€");
        QTest::newRow("igual") << acao << acao << true;
        QTest::newRow("outra caixa") << acao << QStringLiteral("AÇÃO€") << true;
        QTest::newRow("acentos compostos ao escrever")
            << acao << QStringLiteral("Ac\u0327a\u0303o€") << true;
        QTest::newRow("acentos compostos na guardada")
            << QStringLiteral("Ac\u0327a\u0303o€") << acao << true;
        QTest::newRow("emoji") << QStringLiteral("cofre🔐") << QStringLiteral("COFRE🔐") << true;
        QTest::newRow("sem acentos") << acao << QStringLiteral("Acao€") << false;
        QTest::newRow("sem o euro") << acao << QStringLiteral("Ação") << false;
        QTest::newRow("outro acento") << acao << QStringLiteral("Açáo€") << false;
    }
    void passwordComAcentos()
    {
        QFETCH(QString, guardada);
        QFETCH(QString, digitada);
        QFETCH(bool, abre);
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(2, QStringLiteral("Protegida"), guardada);
        pasta.insereMovimento(2, QStringLiteral("2024-01-02"), 0, 1000);
        auto janela = pasta.iniciaPrograma();

        QString naCaixa;
        aoAbrir<Frm_Password>([&](Frm_Password *p) {
            escreveComoTeclado(p->Text1, digitada);
            naCaixa = p->Text1->text();
            QTest::mouseClick(p->Cmd_Entrar, Qt::LeftButton);
        });
        janela->Mnu_Banco_Click(2);
        QCOMPARE(naCaixa, digitada); // every character reached the box
        QCOMPARE(contaAberta(*janela), abre);
        QCOMPARE(caixas.textos(),
                 abre ? QStringList() : QStringList{QStringLiteral("password incorrecta...")});
    }

    void sairDoPromptTambemSubmete()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Protegida"), QStringLiteral("abc"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 1000);
        auto janela = pasta.iniciaPrograma();
        aoAbrir<Frm_Password>([](Frm_Password *p) {
            QTest::keyClicks(p->Text1, QStringLiteral("ABC"));
            QTest::mouseClick(p->Cmd_Sair, Qt::LeftButton);
        });
        janela->Image1_Click();
        QVERIFY(contaAberta(*janela));
        QCOMPARE(caixas.caixas.size(), 0);
    }

    // Closing with account 4 open and row 37 at the top: the next run chooses account 4 and
    // the start picture shows it scrolled back to row 37.
    void posicaoLembradaEntreExecucoes()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Primeira"));
        pasta.nomeiaConta(4, QStringLiteral("Quarta"));
        pasta.bd().iniciaTransaccao();
        const QDate inicio(2023, 1, 1);
        for (int i = 0; i < 200; ++i)
            pasta.insereMovimento(4, inicio.addDays(i).toString(Qt::ISODate), i % 3 ? 0 : 1500,
                                  i % 3 ? 2500 : 0);
        pasta.bd().confirmaTransaccao();
        {
            auto janela = pasta.iniciaPrograma();
            janela->Mnu_Banco_Click(4);
            QVERIFY(contaAberta(*janela));
            QCOMPARE(janela->MSHFlexGrid1->TopRow(), 1); // from the menu: the first row
            janela->MSHFlexGrid1->setTopRow(37);
            QCOMPARE(janela->MSHFlexGrid1->TopRow(), 37);
            QVERIFY(janela->close());
        }
        const auto conta = TabelaContas::le(pasta.bd(), 4);
        QVERIFY(conta->ultimo);
        QCOMPARE(conta->ultimaVezReg, 37);
        // 133 credits of 25,00 and 67 debits of 15,00 (every third movement from the first).
        QCOMPARE(conta->saldo.centimos(), 133 * 2500 - 67 * 1500);
        QVERIFY(!TabelaContas::le(pasta.bd(), 1)->ultimo);

        auto janela = pasta.iniciaPrograma();
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("4"));
        QCOMPARE(janela->Lbl_NomeDoBanco->text(), QStringLiteral("Quarta"));
        QVERIFY(!contaAberta(*janela));
        QTest::mouseClick(janela->Image1, Qt::LeftButton);
        QVERIFY(contaAberta(*janela));
        QCOMPARE(janela->MSHFlexGrid1->TopRow(), 37);
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void posicaoImpossivelFicaNoInicio()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 1000);
        pasta.bd().executa(QStringLiteral("UPDATE TabBancos SET ultimo = 1, ultimavezreg = 5000 WHERE NumBanco = 1"));
        auto janela = pasta.iniciaPrograma();
        janela->Image1_Click();
        QVERIFY(contaAberta(*janela));
        QCOMPARE(janela->MSHFlexGrid1->TopRow(), 1);
    }

    void fecharSemContaAbertaNaoMexeNoEstado()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(3, QStringLiteral("Terceira"));
        pasta.bd().executa(QStringLiteral("UPDATE TabBancos SET ultimo = 1, ultimavezreg = 9, Saldo = 777 WHERE NumBanco = 3"));
        {
            auto janela = pasta.iniciaPrograma();
            QVERIFY(janela->close());
        }
        const auto conta = TabelaContas::le(pasta.bd(), 3);
        QVERIFY(conta->ultimo);
        QCOMPARE(conta->ultimaVezReg, 9);
        QCOMPARE(conta->saldo.centimos(), 777);
    }

    void abreComOTeclado()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 1000);
        auto janela = pasta.iniciaPrograma();
        QApplication::setActiveWindow(janela.get());
        QVERIFY(QTest::qWaitForWindowActive(janela.get()));
        QTRY_VERIFY(janela->Image1->hasFocus());
        QTest::keyClick(janela->Image1, Qt::Key_Return);
        QVERIFY(contaAberta(*janela));
        QVERIFY(janela->MSHFlexGrid1->hasFocus());
    }

    void contaInexistenteMostraBanco1()
    {
        PastaTeste pasta;
        pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 1000);
        auto janela = pasta.iniciaPrograma();
        janela->Txt_NumBanco->setText(QStringLiteral("12"));
        janela->AbreConta();
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("1"));
        QCOMPARE(janela->Lbl_NomeDoBanco->text(), QStringLiteral("Banco 1"));
        QVERIFY(contaAberta(*janela));
        janela->Txt_NumBanco->setText(QStringLiteral("x"));
        janela->AbreConta();
        QVERIFY(!contaAberta(*janela));
        QVERIFY(janela->Image1->isVisible());
    }
};

QUORVEL_TESTE(TestContas)
#include "TestContas.moc"
