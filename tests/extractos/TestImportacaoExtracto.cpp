// Undoing an account's last statement import: exactly back to the ledger before it, or refused
// with nothing changed when a movement it touched was changed since.
#include "ApoioExtractos.h"
#include "data/Esquema.h"
#include "data/EsquemaExtractos.h"
#include "extractos/ImportacaoExtracto.h"
#include "support/RegistoTestes.h"

#include <QTest>

namespace {

struct Cenario {
    PastaTeste pasta;
    qint64 meu = 0;       // a movement of the user the statement matches
    QStringList antes;    // the ledger before the import
    qint64 criado = 0;    // a movement the import made

    Cenario()
    {
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        pasta.nomeiaConta(2, QStringLiteral("Outra"));
        meu = pasta.insereMovimento(1, QStringLiteral("2026-03-02"), 4599, 0, QStringLiteral("O"),
                                    QStringLiteral("Telefone"));
        pasta.insereExtras(meu, 1, QStringLiteral("Telefone e Internet"), {}, {});
        pasta.insereMovimento(2, QStringLiteral("2026-03-02"), 4599, 0);
        antes = despejoRazao(pasta.bd());
        BaseDados &bd = pasta.bd();
        RegrasCategoria::grava(bd, 1, {{QStringLiteral("renda"), QStringLiteral("Renda"), {}}});
        auto p = ImportacaoExtracto::prepara(
            bd, 1,
            {extractoDe({linhaExtracto(QStringLiteral("2026-03-03"), -4599, QStringLiteral("MEO")),
                         linhaExtracto(QStringLiteral("2026-03-08"), -75000,
                                       QStringLiteral("RENDA MARCO"))})},
            QStringLiteral("a.ofx"), "a");
        ImportacaoExtracto::confirma(bd, p);
        criado = bd.consulta(QStringLiteral("SELECT max(NumAutomatico) AS n FROM TabBancos1Det"))
                     .inteiro(QStringLiteral("n"));
    }
};

} // namespace

class TestImportacaoExtracto : public QObject
{
    Q_OBJECT
private slots:
    void anulaExactamente()
    {
        Cenario c;
        BaseDados &bd = c.pasta.bd();
        QCOMPARE(bd.consulta(QStringLiteral("SELECT S FROM TabBancos1Det WHERE NumAutomatico = ?"),
                             {c.meu})
                     .texto(QStringLiteral("S")),
                 QStringLiteral("V"));
        // The grid writes every row back with its balance: that is not a change.
        bd.executa(QStringLiteral("UPDATE TabBancos1Det SET Saldo = 123, Alterou = 0"));
        const ResultadoAnulacao r = ImportacaoExtracto::anulaUltima(bd, 1);
        QCOMPARE(r.removidos, 1);
        QCOMPARE(r.repostos, 1);
        QCOMPARE(r.importacao.ficheiro, QStringLiteral("a.ofx"));
        bd.executa(QStringLiteral("UPDATE TabBancos1Det SET Saldo = 0"));
        QCOMPARE(despejoRazao(bd), c.antes);
        QCOMPARE(contaLinhas(bd, QStringLiteral("SELECT count(*) AS n FROM TabImportacoes")), 0);
        QCOMPARE(contaLinhas(bd, QStringLiteral("SELECT count(*) AS n FROM TabImportacoesLinhas")),
                 0);
        // Undone, the same file comes in again as the first time.
        auto p = ImportacaoExtracto::prepara(
            bd, 1,
            {extractoDe(
                {linhaExtracto(QStringLiteral("2026-03-03"), -4599, QStringLiteral("MEO"))})},
            QStringLiteral("a.ofx"), "a");
        QCOMPARE(p.plano.linhas[0].decisao, DecisaoLinha::Conciliado);
        QVERIFY(p.avisos.isEmpty());
        // Nothing more to undo.
        try {
            ImportacaoExtracto::anulaUltima(bd, 1);
            QFAIL("anulou sem importação");
        } catch (const ImportacaoRecusada &e) {
            QVERIFY(e.mensagem().contains(QStringLiteral("nenhuma importação")));
        }
    }

    void anulacaoRecusadaDepoisDeAlterar_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("doCriado");
        QTest::newRow("descrição do movimento novo")
            << QStringLiteral("UPDATE TabBancos1Det SET Descricao = 'Renda de Março' "
                              "WHERE NumAutomatico = ?")
            << true;
        QTest::newRow("categoria do movimento novo")
            << QStringLiteral("UPDATE TabBancosDetOutros SET Categoria = 'Outra' "
                              "WHERE NumAutoDet = ?")
            << true;
        QTest::newRow("movimento novo apagado")
            << QStringLiteral("UPDATE TabBancos1Det SET NumBanco = -1 WHERE NumAutomatico = ?")
            << true;
        QTest::newRow("situação do movimento conciliado")
            << QStringLiteral("UPDATE TabBancos1Det SET S = 'A' WHERE NumAutomatico = ?") << false;
        QTest::newRow("valor do movimento conciliado")
            << QStringLiteral("UPDATE TabBancos1Det SET Debito = 4600 WHERE NumAutomatico = ?")
            << false;
    }
    void anulacaoRecusadaDepoisDeAlterar()
    {
        QFETCH(QString, sql);
        QFETCH(bool, doCriado);
        Cenario c;
        BaseDados &bd = c.pasta.bd();
        bd.executa(sql, {doCriado ? c.criado : c.meu});
        const QStringList depois = despejoRazao(bd);
        try {
            ImportacaoExtracto::anulaUltima(bd, 1);
            QFAIL("a anulação foi feita");
        } catch (const ImportacaoRecusada &e) {
            QVERIFY2(e.mensagem().startsWith(QStringLiteral("Não é possível anular a importação "
                                                            "de a.ofx")),
                     qPrintable(e.mensagem()));
            QVERIFY(e.mensagem().endsWith(QStringLiteral("Nada foi alterado.")));
        }
        QCOMPARE(despejoRazao(bd), depois);
        QCOMPARE(contaLinhas(bd, QStringLiteral("SELECT count(*) AS n FROM TabImportacoes")), 1);
    }

    // Another account's import is not this account's last one.
    void soAContaDaImportacao()
    {
        Cenario c;
        try {
            ImportacaoExtracto::anulaUltima(c.pasta.bd(), 2);
            QFAIL("anulou a importação de outra conta");
        } catch (const ImportacaoRecusada &) {
        }
        QCOMPARE(contaLinhas(c.pasta.bd(), QStringLiteral("SELECT count(*) AS n FROM "
                                                          "TabImportacoes")),
                 1);
    }

    // A matched movement changed between the preview and the confirmation stops everything.
    void alteradoAntesDeConfirmar()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        const qint64 m = pasta.insereMovimento(1, QStringLiteral("2026-03-02"), 4599, 0);
        BaseDados &bd = pasta.bd();
        auto p = ImportacaoExtracto::prepara(
            bd, 1,
            {extractoDe({linhaExtracto(QStringLiteral("2026-03-02"), -4599, QStringLiteral("MEO")),
                         linhaExtracto(QStringLiteral("2026-03-01"), -1, QStringLiteral("X"))})},
            QStringLiteral("b.ofx"), "b");
        bd.executa(QStringLiteral("UPDATE TabBancos1Det SET S = 'V' WHERE NumAutomatico = ?"), {m});
        const QStringList antes = despejoRazao(bd);
        QVERIFY_THROWS_EXCEPTION(ImportacaoRecusada, ImportacaoExtracto::confirma(bd, p));
        QCOMPARE(despejoRazao(bd), antes);
        QCOMPARE(contaLinhas(bd, QStringLiteral("SELECT count(*) AS n FROM TabImportacoes")), 0);
    }

    // A file of the earlier version gains the tables when opened, and keeps its movements.
    void ficheiroAntigoActualizado()
    {
        PastaTeste pasta;
        BaseDados &bd = pasta.bd();
        bd.executaScript(QStringLiteral("DROP TABLE TabImportacoes;"
                                        " DROP TABLE TabImportacoesLinhas;"
                                        " DROP TABLE TabRegrasCategoria;"
                                        " UPDATE Meta SET valor = '1';"));
        pasta.insereMovimento(1, QStringLiteral("2026-01-01"), 1, 0);
        EsquemaExtractos::actualiza(bd);
        EsquemaExtractos::actualiza(bd); // twice is harmless
        QCOMPARE(Esquema::versao(bd), 2);
        QCOMPARE(contaLinhas(bd, QStringLiteral("SELECT count(*) AS n FROM TabImportacoes")), 0);
        QCOMPARE(contaLinhas(bd, QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det")), 1);
    }

    // The fingerprints kept by imports of earlier versions (FNV-1a of each field's UTF-8 and a
    // 0x1f, in hex): if the way they are made changed, every undo of an older import would be
    // refused as "changed since".
    void impressoesDeImportacoesAntigas_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<QString>("situacao");
        QTest::addColumn<qint64>("debito");
        QTest::addColumn<qint64>("credito");
        QTest::addColumn<int>("conta");
        QTest::addColumn<bool>("comExtras");
        QTest::addColumn<QString>("impressao");
        QTest::newRow("movimento marcado") << "2026-03-02" << "O" << "Telefone" << "V"
                                           << qint64(4599) << qint64(0) << 1 << false
                                           << "4341e0673ca51b0c";
        QTest::newRow("movimento criado, com extras") << "2026-03-02" << "O" << "Telefone" << "V"
                                                      << qint64(4599) << qint64(0) << 1 << true
                                                      << "a2154917f8a541ab";
        QTest::newRow("acentos e euro") << "2026-03-05" << "" << u"Pão € água"_qs << ""
                                        << qint64(0) << qint64(123456) << 3 << false
                                        << "fedd56d83c796d16";
    }
    void impressoesDeImportacoesAntigas()
    {
        QFETCH(QString, data);
        QFETCH(QString, numero);
        QFETCH(QString, descricao);
        QFETCH(QString, situacao);
        QFETCH(qint64, debito);
        QFETCH(qint64, credito);
        QFETCH(int, conta);
        QFETCH(bool, comExtras);
        QFETCH(QString, impressao);
        PastaTeste pasta;
        const qint64 n =
            pasta.insereMovimento(conta, data, debito, credito, situacao, descricao, numero);
        if (comExtras)
            pasta.insereExtras(n, conta, QStringLiteral("Telefone e Internet"), {},
                               QStringLiteral("Data valor: 03-03-2026"));
        QCOMPARE(ImportacaoExtracto::impressaoActual(pasta.bd(), n, conta, comExtras), impressao);
    }
};

QUORVEL_TESTE(TestImportacaoExtracto)
#include "TestImportacaoExtracto.moc"
