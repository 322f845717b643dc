// The account frame: creating an account in the first free slot, editing the open account's
// settings, what is stored and what the window shows afterwards.
#include "admin/Administracao.h"
#include "admin/Frm_GestaoBancos.h"
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Teclado.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString Sucesso = QStringLiteral("Criação da conta com sucesso!, volte novamente ao Menu "
                                       "Contas e seleccione a Conta Criada.");
const QString NomeEmFalta = QStringLiteral("Terá que introduzir um Nome para a Conta/Banco");

// The account frame is open for "Nova Conta".
bool criandoConta(Frm_bancos *j) { return j->findChild<Administracao *>()->CriandoConta(); }

QLineEdit *caixa(Frm_bancos *j, int i)
{
    return j->findChild<QLineEdit *>(QStringLiteral("TxtCampo(%1)").arg(i));
}

QPlainTextEdit *observacoes(Frm_bancos *j)
{
    return j->findChild<QPlainTextEdit *>(QStringLiteral("TxtCampo(11)"));
}

QPushButton *botao(Frm_bancos *j, const char *nome)
{
    return j->findChild<QPushButton *>(QString::fromLatin1(nome));
}

QString coluna(PastaTeste &p, int numBanco, const char *nome)
{
    Registos r = p.bd().consulta(QStringLiteral("SELECT * FROM TabBancos WHERE NumBanco = ?"),
                                 {numBanco});
    return r.texto(QString::fromLatin1(nome));
}

} // namespace

class TestGestaoBancos : public QObject
{
    Q_OBJECT
private slots:
    void novaContaOcupaPrimeiroLugarLivre()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Caixa"));
        pasta.nomeiaConta(2, QStringLiteral("BPI"));
        pasta.nomeiaConta(5, QStringLiteral("Santander"));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();

        janela->Mnu_NovaConta->trigger();
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("3"));
        QVERIFY(janela->Frm_GestaoBancos->isVisible());
        QCOMPARE(janela->Frm_GestaoBancos->pos(), QPoint(120 / 15, 600 / 15));
        QCOMPARE(janela->Frm_GestaoBancos->title(), QString()); // the label above is its title
        QVERIFY(janela->Lbl_NomeDoBanco->isVisible());
        QCOMPARE(janela->Lbl_NomeDoBanco->text(), QStringLiteral("CRIAÇÃO DE NOVA CONTA / BANCO"));
        QVERIFY(!botao(janela.get(), "Cmd_ApagarTudo")->isVisible());
        QVERIFY(janela->Mnu_Banco[3]->isVisible());
        QVERIFY(criandoConta(janela.get()));

        escreve(caixa(janela.get(), 5), QStringLiteral("  Crédito Agrícola d'Oeste"));
        escreve(caixa(janela.get(), 8), QStringLiteral("0035 0001 00012345678 90"));
        QTest::mouseClick(botao(janela.get(), "Cmd_Fechar1"), Qt::LeftButton);

        QCOMPARE(caixas.textos(), QStringList{Sucesso});
        QCOMPARE(caixas.caixas.front().titulo, QStringLiteral("Quorvel"));
        QVERIFY(!criandoConta(janela.get()));
        QVERIFY(!janela->Frm_GestaoBancos->isVisible());
        // Stored as typed: only the emptiness test trims.
        QCOMPARE(coluna(pasta, 3, "banco"), QStringLiteral("  Crédito Agrícola d'Oeste"));
        QCOMPARE(coluna(pasta, 3, "nib"), QStringLiteral("0035 0001 00012345678 90"));
        QVERIFY(janela->Mnu_Banco[3]->isVisible());
        QCOMPARE(janela->Mnu_Banco[3]->text(), QStringLiteral("  Crédito Agrícola d'Oeste"));
        // Not opened: the window is back in its start state.
        QVERIFY(janela->Image1->isVisible());
        QVERIFY(!janela->MSHFlexGrid1->isVisible());

        // The next one goes to slot 4, not to a slot after the last used one.
        janela->Mnu_NovaConta->trigger();
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("4"));
    }

    void nomeEmBrancoRecusado()
    {
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        QApplication::setActiveWindow(janela.get());
        janela->Mnu_NovaConta->trigger();
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("1"));

        escreve(caixa(janela.get(), 5), QStringLiteral("    "));
        escreve(caixa(janela.get(), 6), QStringLiteral("Sé"));
        caixa(janela.get(), 6)->setFocus();
        QTest::mouseClick(botao(janela.get(), "Cmd_Fechar1"), Qt::LeftButton);

        QCOMPARE(caixas.textos(), QStringList{NomeEmFalta});
        QCOMPARE(caixas.caixas.front().titulo, QStringLiteral("Quorvel"));
        QVERIFY(janela->Frm_GestaoBancos->isVisible());
        QVERIFY(criandoConta(janela.get()));
        QTRY_VERIFY(caixa(janela.get(), 5)->hasFocus());
        QCOMPARE(coluna(pasta, 1, "banco"), QString());
        QCOMPARE(coluna(pasta, 1, "dependencia"), QString());
    }

    void textosCortadosAoGravar()
    {
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_NovaConta->trigger();

        const QString numero = QStringLiteral("1234567890").repeated(4);  // 40
        const QString gestor = QStringLiteral("Dr. Zé Antunes ").repeated(8); // 120
        escreve(caixa(janela.get(), 5), QStringLiteral("D'Ávila & Filhos, Lda."));
        escreve(caixa(janela.get(), 7), numero);
        escreve(caixa(janela.get(), 9), gestor + QStringLiteral("excesso"));
        escreve(caixa(janela.get(), 10), QStringLiteral("it's 'x'; --"));
        observacoes(janela.get())->setPlainText(QStringLiteral("linha 1\nlinha 'dois'"));
        QCOMPARE(caixa(janela.get(), 7)->text(), numero); // the box takes all 40
        QCOMPARE(caixa(janela.get(), 9)->text(), gestor);  // and 120 here
        QTest::mouseClick(botao(janela.get(), "Cmd_Fechar1"), Qt::LeftButton);

        QCOMPARE(coluna(pasta, 1, "banco"), QStringLiteral("D'Ávila & Filhos, Lda."));
        QCOMPARE(coluna(pasta, 1, "numconta"), numero.left(30));
        QCOMPARE(coluna(pasta, 1, "gestor"), gestor.left(50));
        QCOMPARE(coluna(pasta, 1, "ObservDiversas"), QStringLiteral("it's 'x'; --"));
        QCOMPARE(coluna(pasta, 1, "Observmemo"), QStringLiteral("linha 1\nlinha 'dois'"));
        // The menu shows the ampersand itself, not a shortcut mark.
        QCOMPARE(janela->Mnu_Banco[1]->text(), QStringLiteral("D'Ávila && Filhos, Lda."));
    }

    void cancelarCriacaoNaoDeixaRasto()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Caixa"));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_NovaConta->trigger();
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("2"));
        QVERIFY(janela->Mnu_Banco[2]->isVisible());
        escreve(caixa(janela.get(), 5), QStringLiteral("Novo Banco"));
        QTest::mouseClick(botao(janela.get(), "Cmd_Cancelar1"), Qt::LeftButton);

        QVERIFY(caixas.caixas.isEmpty());
        QVERIFY(!criandoConta(janela.get()));
        QVERIFY(!janela->Frm_GestaoBancos->isVisible());
        QVERIFY(!janela->Mnu_Banco[2]->isVisible());
        QVERIFY(!janela->Lbl_NomeDoBanco->isVisible());
        QCOMPARE(coluna(pasta, 2, "banco"), QString());
        // The slot is still the first free one.
        janela->Mnu_NovaConta->trigger();
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("2"));
    }

    void enterPercorreAsCaixas()
    {
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        QApplication::setActiveWindow(janela.get());
        QVERIFY(QTest::qWaitForWindowActive(janela.get()));
        janela->Mnu_NovaConta->trigger();
        QTRY_VERIFY(caixa(janela.get(), 5)->hasFocus());
        for (int i = 5; i <= 10; ++i) {
            QVERIFY(QApplication::focusWidget() == caixa(janela.get(), i));
            escreve(QApplication::focusWidget(), QStringLiteral("c%1").arg(i));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(QApplication::focusWidget() == observacoes(janela.get()));
        escreve(QApplication::focusWidget(), QStringLiteral("um"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        escreve(QApplication::focusWidget(), QStringLiteral("dois"));
        QCOMPARE(observacoes(janela.get())->toPlainText(), QStringLiteral("um\ndois"));
        // Enter never saved anything on the way.
        QVERIFY(caixas.caixas.isEmpty());
        QCOMPARE(coluna(pasta, 1, "banco"), QString());
        QCOMPARE(caixa(janela.get(), 5)->text(), QStringLiteral("c5"));
        QCOMPARE(caixa(janela.get(), 10)->text(), QStringLiteral("c10"));
    }

    void semContaAbertaAvisa()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Caixa"));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_GestBanco_Click();
        QCOMPARE(caixas.textos(), QStringList{QStringLiteral(
                                      "Não está nenhum banco seleccionado....\r\r"
                                      "Seleccione no Menu Bancos o banco desejado.")});
        QCOMPARE(caixas.caixas.front().titulo, QStringLiteral("Sem Banco Seleccionado."));
        QVERIFY(!janela->Frm_GestaoBancos->isVisible());
    }

    void configuracaoDaContaAberta()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Caixa"));
        pasta.nomeiaConta(2, QStringLiteral("BPI"));
        pasta.bd().executa(QStringLiteral("UPDATE TabBancos SET gestor = 'Ana', Observmemo = "
                                          "NULL WHERE NumBanco = 2"));
        pasta.insereMovimento(2, QStringLiteral("2024-01-05"), 0, 12345);
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco[2]->trigger();
        QVERIFY(janela->MSHFlexGrid1->isVisible());
        QVERIFY(janela->Mnu_GestBanco->isVisible());

        janela->Mnu_GestBanco->trigger();
        QVERIFY(janela->Frm_GestaoBancos->isVisible());
        QVERIFY(botao(janela.get(), "Cmd_ApagarTudo")->isVisible());
        QCOMPARE(caixa(janela.get(), 5)->text(), QStringLiteral("BPI"));
        QCOMPARE(caixa(janela.get(), 9)->text(), QStringLiteral("Ana"));
        QCOMPARE(observacoes(janela.get())->toPlainText(), QString());

        caixa(janela.get(), 5)->setText(QStringLiteral("BPI Empresas"));
        escreve(caixa(janela.get(), 10), QStringLiteral("chave"));
        QTest::mouseClick(botao(janela.get(), "Cmd_Fechar1"), Qt::LeftButton);
        QVERIFY(caixas.caixas.isEmpty()); // no success text outside creation
        QCOMPARE(coluna(pasta, 2, "banco"), QStringLiteral("BPI Empresas"));
        QCOMPARE(coluna(pasta, 2, "ObservDiversas"), QStringLiteral("chave"));
        QCOMPARE(janela->Lbl_NomeDoBanco->text(), QStringLiteral("BPI Empresas"));
        QCOMPARE(janela->Mnu_Banco[2]->text(), QStringLiteral("BPI Empresas"));
        QCOMPARE(janela->Mnu_Banco[1]->text(), QStringLiteral("Caixa"));
        QVERIFY(janela->MSHFlexGrid1->isVisible()); // the ledger stays as it was

        // A double click on the name opens the frame again on the same account.
        QTest::mouseDClick(janela->Lbl_NomeDoBanco, Qt::LeftButton);
        QVERIFY(janela->Frm_GestaoBancos->isVisible());
        QCOMPARE(caixa(janela.get(), 5)->text(), QStringLiteral("BPI Empresas"));
    }

    void sucessoSoUmaVez()
    {
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_NovaConta->trigger();
        escreve(caixa(janela.get(), 5), QStringLiteral("Montepio"));
        QTest::mouseClick(botao(janela.get(), "Cmd_Fechar1"), Qt::LeftButton);
        QCOMPARE(caixas.textos(), QStringList{Sucesso});

        pasta.insereMovimento(1, QStringLiteral("2024-02-01"), 500, 0);
        janela->Mnu_Banco[1]->trigger();
        QVERIFY(janela->MSHFlexGrid1->isVisible());
        janela->Mnu_GestBanco->trigger();
        escreve(caixa(janela.get(), 6), QStringLiteral("Sede"));
        QTest::mouseClick(botao(janela.get(), "Cmd_Fechar1"), Qt::LeftButton);
        QCOMPARE(caixas.textos(), QStringList{Sucesso});
        QCOMPARE(coluna(pasta, 1, "dependencia"), QStringLiteral("Sede"));
    }

    void outraContaEscolhidaFechaAMoldura()
    {
        // Boxes loaded from one slot must never be saved over another.
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Caixa"));
        pasta.nomeiaConta(2, QStringLiteral("BPI"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-05"), 0, 100);
        pasta.insereMovimento(2, QStringLiteral("2024-01-05"), 0, 100);
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco[1]->trigger();
        janela->Mnu_GestBanco->trigger();
        QVERIFY(janela->Frm_GestaoBancos->isVisible());
        janela->Mnu_Banco[2]->trigger();
        QVERIFY(!janela->Frm_GestaoBancos->isVisible());
        QCOMPARE(coluna(pasta, 2, "banco"), QStringLiteral("BPI"));
    }

    void nenhumLugarLivre()
    {
        PastaTeste pasta;
        for (int n = 1; n <= 9; ++n)
            pasta.nomeiaConta(n, QStringLiteral("Conta %1").arg(n));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(!janela->Mnu_NovaConta->isVisible());
        janela->Mnu_NovaConta_Click();
        QVERIFY(!criandoConta(janela.get()));
        QVERIFY(!janela->Frm_GestaoBancos->isVisible());
        QVERIFY(caixas.caixas.isEmpty());
    }
};

QUORVEL_TESTE(TestGestaoBancos)
#include "TestGestaoBancos.moc"
