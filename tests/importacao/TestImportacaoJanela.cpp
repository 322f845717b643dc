// The import as a user starts it: a double click on the title of the category table window,
// the question, the import, the end of the run; and the next start showing both accounts.
#include "admin/Frm_Tabelas.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "import/BaseImportacao.h"
#include "import/LinhasQif.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

// Exports as Money writes them: Windows-1252 text, CR LF line ends.
const QByteArray Conta5Qif = "!Type:Bank\r\n"
                             "D12/30'05\r\nT-1,234.56\r\nN1001\r\nPRenda do escrit\xF3rio\r\n"
                             "MDezembro\r\nLRenda\r\n^\r\n"
                             "D1/ 2'06\r\nT2,000.00\r\nPDep\xF3sito\r\nL\r\n^\r\n";
const QByteArray Conta6Qif = "!Type:Bank\r\nD6/15/1998\r\nT-0.45\r\nPComiss\xE3o\r\n"
                             "LComiss\xF5" "es\r\n^\r\n";

QStringList tabelas(BaseDados &bd)
{
    QStringList r;
    for (const char *sql : {"SELECT * FROM TabBancos ORDER BY NumBanco",
                            "SELECT * FROM TabBancos1Det ORDER BY NumAutomatico",
                            "SELECT * FROM TabBancosDetOutros ORDER BY rowid"})
        for (Registos t = bd.consulta(QString::fromLatin1(sql)); !t.eof(); t.seguinte()) {
            QStringList campos;
            for (const QString &c : t.nomesColunas())
                campos << (t.nulo(c) ? QStringLiteral("NULL") : t.texto(c));
            r << campos.join(u'|');
        }
    return r;
}

void preparaContas(PastaTeste &p)
{
    p.nomeiaConta(2, QStringLiteral("Caixa"), QStringLiteral("abc"));
    p.nomeiaConta(5, QStringLiteral("Antiga 5"), QStringLiteral("cinco"));
    p.nomeiaConta(6, QStringLiteral("Antiga 6"));
    for (int n : {2, 5, 6})
        p.insereExtras(p.insereMovimento(n, QStringLiteral("2003-01-01"), 500, 0, QString(),
                                         QStringLiteral("Velho")),
                       n, QStringLiteral("Cat"), QString(), QStringLiteral("Obs"));
}

// The side database as quorvel-qif writes it from the two exports.
void carregaQif(PastaTeste &p, const QByteArray &conta5, const QByteArray &conta6)
{
    BaseImportacao::cria(p.caminho(BaseImportacao::NomeFicheiro),
                         LinhasQif::linhasDe(conta5), LinhasQif::linhasDe(conta6));
}

void duploCliqueNoTitulo(Frm_Tabelas *t)
{
    QTest::mouseClick(t->Lbl_TituloModulo, Qt::LeftButton);
    QTest::mouseDClick(t->Lbl_TituloModulo, Qt::LeftButton);
}

} // namespace

class TestImportacaoJanela : public QObject
{
    Q_OBJECT
private slots:
    void importaETermina()
    {
        PastaTeste pasta;
        preparaContas(pasta);
        carregaQif(pasta, Conta5Qif, Conta6Qif);
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        respondePassword(QStringLiteral("abc"));
        janela->Mnu_Banco_Click(2); // asks the account's password
        QCOMPARE(janela->Lbl_NomeDoBanco->text(), QStringLiteral("Caixa"));
        bool abriu = false;
        aoAbrir<Frm_Tabelas>([&](Frm_Tabelas *t) {
            abriu = t != nullptr;
            duploCliqueNoTitulo(t);
        });
        // The run ends from inside the modal category window: the program's own event loop
        // returns with status 0. A safety stop keeps a broken import from hanging the test.
        QTimer::singleShot(0, janela.get(), [&] { janela->Mnu_Categorias->trigger(); });
        QTimer seguranca;
        seguranca.setSingleShot(true);
        connect(&seguranca, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        seguranca.start(30000);
        const int estado = QApplication::exec();
        QVERIFY(abriu);
        QCOMPARE(estado, 0);
        QVERIFY(!LigacaoAberta());

        QCOMPARE(caixas.caixas.size(), 2);
        QCOMPARE(caixas.caixas[0].texto, QStringLiteral("\r\nDeseja mesmo Importar dados?"));
        QCOMPARE(caixas.caixas[0].titulo,
                 QStringLiteral("Importação do msmoney para o local do banco 5"));
        QCOMPARE(caixas.caixas[0].botoes, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(caixas.caixas[1].texto, QStringLiteral("Espere até o programa sair..."));
        // Nothing of the closing steps ran: account 2 was open, and is not remembered.
        QCOMPARE(pasta.bd()
                     .consulta(QStringLiteral("SELECT count(*) AS n FROM TabBancos "
                                              "WHERE ultimo <> 0"))
                     .inteiro(QStringLiteral("n")),
                 0);
        janela.reset();

        // The next start: both accounts with their movements and balances; account 2 whole.
        auto outra = pasta.iniciaPrograma();
        QCOMPARE(outra->Mnu_Banco[5]->text(), QStringLiteral("Banco Importado do MsMoney"));
        QCOMPARE(outra->Mnu_Banco[6]->text(), QStringLiteral("Banco Importado do MsMoney"));
        QCOMPARE(outra->Mnu_Banco[2]->text(), QStringLiteral("Caixa"));
        outra->Mnu_Banco_Click(5); // no password any more
        const FlexGrid *g = outra->MSHFlexGrid1;
        QCOMPARE(g->Rows() - FlexGrid::FixedRows, 2);
        QCOMPARE(g->TextMatrix(1, 2), QStringLiteral("30-12-2005"));
        QCOMPARE(g->TextMatrix(1, 3), QStringLiteral("1001"));
        QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("Renda do escritório"));
        QCOMPARE(g->TextMatrix(2, 4), QStringLiteral("Depósito"));
        QCOMPARE(outra->Txt_SaldoFinal->text(), QStringLiteral("765,44 €"));
        outra->Mnu_Banco_Click(6);
        QCOMPARE(g->Rows() - FlexGrid::FixedRows, 1);
        QCOMPARE(g->TextMatrix(1, 2), QStringLiteral("15-06-1998"));
        QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("Comissão"));
        QCOMPARE(outra->Txt_SaldoFinal->text(), QStringLiteral("-0,45 €"));
        QCOMPARE(pasta.bd()
                     .consulta(QStringLiteral("SELECT Categoria FROM TabBancosDetOutros "
                                              "WHERE NumBanco = 6"))
                     .texto(QStringLiteral("Categoria")),
                 QStringLiteral("Comissões"));
    }

    // An export of account 5 alone (banco6 empty): the user is told before the question that
    // account 6 stays as it is; after the import the run ends, so no menu or grid shows the
    // accounts as they were, and the next start has account 5 imported and account 6 whole.
    void so5ETermina()
    {
        PastaTeste pasta;
        preparaContas(pasta);
        carregaQif(pasta, Conta5Qif, QByteArray());
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        aoAbrir<Frm_Tabelas>([&](Frm_Tabelas *t) { duploCliqueNoTitulo(t); });
        QTimer::singleShot(0, janela.get(), [&] { janela->Mnu_Categorias->trigger(); });
        QTimer seguranca;
        seguranca.setSingleShot(true);
        connect(&seguranca, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        seguranca.start(30000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(caixas.textos(),
                 (QStringList{"A tabela banco6 da base de importação não tem linhas: só a conta "
                              "5 será importada, e a conta 6 fica como está.",
                              "\r\nDeseja mesmo Importar dados?",
                              "Espere até o programa sair..."}));
        janela.reset();

        auto outra = pasta.iniciaPrograma();
        QCOMPARE(outra->Mnu_Banco[5]->text(), QStringLiteral("Banco Importado do MsMoney"));
        QCOMPARE(outra->Mnu_Banco[6]->text(), QStringLiteral("Antiga 6"));
        outra->Mnu_Banco_Click(5);
        QCOMPARE(outra->MSHFlexGrid1->Rows() - FlexGrid::FixedRows, 2);
        outra->Mnu_Banco_Click(6);
        QCOMPARE(outra->MSHFlexGrid1->Rows() - FlexGrid::FixedRows, 1);
        QCOMPARE(outra->MSHFlexGrid1->TextMatrix(1, 4), QStringLiteral("Velho"));
    }

    // Whatever stops the import, the ledger is as it was and the program goes on running.
    void nadaMuda_data()
    {
        QTest::addColumn<QByteArray>("conta5");
        QTest::addColumn<bool>("semBaseLateral");
        QTest::addColumn<bool>("responde");
        QTest::addColumn<QString>("aviso"); // a part of the last message; empty: none
        QTest::newRow("resposta nao") << Conta5Qif << false << false << QString();
        QTest::newRow("exportacao danificada")
            << QByteArray(Conta5Qif).replace("T2,000.00", "T2.000,00") << false << true
            << QStringLiteral("linha 10 da tabela banco5");
        QTest::newRow("banco5 vazio")
            << QByteArray() << false << true << QStringLiteral("não há nada para importar");
        QTest::newRow("sem base de importacao")
            << QByteArray() << true << true << QStringLiteral("quorvel-qif");
    }

    void nadaMuda()
    {
        QFETCH(QByteArray, conta5);
        QFETCH(bool, semBaseLateral);
        QFETCH(bool, responde);
        QFETCH(QString, aviso);
        PastaTeste pasta;
        preparaContas(pasta);
        if (!semBaseLateral)
            carregaQif(pasta, conta5, Conta6Qif);
        const QStringList antes = tabelas(pasta.bd());
        MensagensGuionadas caixas;
        caixas.respostas = {responde ? QMessageBox::Yes : QMessageBox::No, QMessageBox::Ok,
                            QMessageBox::Ok};
        auto janela = pasta.iniciaPrograma();
        bool abriu = false;
        aoAbrir<Frm_Tabelas>([&](Frm_Tabelas *t) {
            abriu = t != nullptr;
            duploCliqueNoTitulo(t);
            t->reject();
        });
        janela->Mnu_Categorias->trigger();
        QVERIFY(abriu);
        QVERIFY(LigacaoAberta());
        QVERIFY(janela->isVisible());
        QCOMPARE(tabelas(pasta.bd()), antes);
        QVERIFY(!caixas.caixas.isEmpty());
        if (aviso.isEmpty()) {
            QCOMPARE(caixas.textos(), QStringList{"\r\nDeseja mesmo Importar dados?"});
        } else {
            QVERIFY2(caixas.caixas.last().texto.contains(aviso),
                     qPrintable(caixas.caixas.last().texto));
            QCOMPARE(caixas.caixas.last().titulo, QStringLiteral("AVISO"));
        }
    }
};

QUORVEL_TESTE(TestImportacaoJanela)
#include "TestImportacaoJanela.moc"
