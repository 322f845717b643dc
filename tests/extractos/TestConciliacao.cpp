// What each statement line does to an account, decided without windows: matches, new lines,
// lines already in, the movements only in the ledger, the balances.
#include "ApoioExtractos.h"
#include "extractos/GeradorExtractos.h"
#include "extractos/ImportacaoExtracto.h"
#include "extractos/LeitorExtracto.h"
#include "support/RegistoTestes.h"

#include <QTest>

namespace {

struct MovimentoTeste {
    QString data;
    qint64 debito, credito;
    QString situacao, descricao, numero;
};

QString nomeDecisao(DecisaoLinha d)
{
    switch (d) {
    case DecisaoLinha::Conciliado: return QStringLiteral("C");
    case DecisaoLinha::Novo: return QStringLiteral("N");
    case DecisaoLinha::JaImportado: return QStringLiteral("J");
    case DecisaoLinha::Ignorado: return QStringLiteral("I");
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(std::vector<MovimentoTeste>)
Q_DECLARE_METATYPE(std::vector<LinhaExtracto>)

class TestConciliacao : public QObject
{
    Q_OBJECT
private slots:
    // Each row: the ledger, the statement, and per line "C<i>" (matched with movement i of the
    // ledger, 0-based), "N" new or "J" already in.
    void decisoes_data()
    {
        QTest::addColumn<std::vector<MovimentoTeste>>("razao");
        QTest::addColumn<std::vector<LinhaExtracto>>("linhas");
        QTest::addColumn<QStringList>("esperado");
        const auto l = [](const char *d, qint64 c, const char *t, const char *n = "") {
            return linhaExtracto(QString::fromLatin1(d), c, QString::fromUtf8(t),
                                 QString::fromLatin1(n));
        };
        const auto m = [](const char *d, qint64 deb, qint64 cred, const char *s = "",
                          const char *t = "", const char *n = "") {
            return MovimentoTeste{QString::fromLatin1(d), deb, cred, QString::fromLatin1(s),
                                  QString::fromUtf8(t), QString::fromLatin1(n)};
        };
        QTest::newRow("um dia de diferença")
            << std::vector{m("2026-03-10", 1250, 0)} << std::vector{l("2026-03-11", -1250, "X")}
            << QStringList{"C0"};
        QTest::newRow("três dias ainda conciliam, quatro não")
            << std::vector{m("2026-03-10", 1250, 0), m("2026-03-20", 1250, 0)}
            << std::vector{l("2026-03-13", -1250, "X"), l("2026-03-24", -1250, "Y")}
            << QStringList{"C0", "N"};
        QTest::newRow("o mesmo valor no outro sentido não concilia")
            << std::vector{m("2026-03-10", 0, 1250)} << std::vector{l("2026-03-10", -1250, "X")}
            << QStringList{"N"};
        QTest::newRow("movimentos verificados e anulados ficam de fora")
            << std::vector{m("2026-03-10", 1250, 0, "V"), m("2026-03-10", 1250, 0, "A")}
            << std::vector{l("2026-03-10", -1250, "X")} << QStringList{"N"};
        QTest::newRow("dois valores iguais no mesmo dia, um movimento cada")
            << std::vector{m("2026-03-10", 500, 0), m("2026-03-10", 500, 0)}
            << std::vector{l("2026-03-10", -500, "Taxa"), l("2026-03-10", -500, "Taxa")}
            << QStringList{"C0", "C1"};
        QTest::newRow("dois valores iguais, um só movimento: o outro é novo")
            << std::vector{m("2026-03-10", 500, 0)}
            << std::vector{l("2026-03-10", -500, "Taxa"), l("2026-03-10", -500, "Taxa")}
            << QStringList{"C0", "N"};
        QTest::newRow("o dia mais próximo primeiro")
            << std::vector{m("2026-03-08", 700, 0), m("2026-03-11", 700, 0)}
            << std::vector{l("2026-03-10", -700, "X")} << QStringList{"C1"};
        QTest::newRow("o número do documento desempata")
            << std::vector{m("2026-03-10", 9000, 0, "", "Fornecedor", "1001"),
                           m("2026-03-10", 9000, 0, "", "Fornecedor", "1002")}
            << std::vector{l("2026-03-10", -9000, "CHEQUE", "0001002")} << QStringList{"C1"};
        QTest::newRow("a descrição desempata")
            << std::vector{m("2026-03-10", 0, 3000, "", "Depósito loja"),
                           m("2026-03-10", 0, 3000, "", "Transferência Silva")}
            << std::vector{l("2026-03-10", 3000, "TRF SILVA LDA")} << QStringList{"C1"};
        QTest::newRow("quem está mais perto fica com o movimento")
            << std::vector{m("2026-03-11", 400, 0), m("2026-03-13", 400, 0)}
            << std::vector{l("2026-03-10", -400, "A"), l("2026-03-11", -400, "B")}
            << QStringList{"C1", "C0"};
    }
    void decisoes()
    {
        QFETCH(std::vector<MovimentoTeste>, razao);
        QFETCH(std::vector<LinhaExtracto>, linhas);
        QFETCH(QStringList, esperado);
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        std::vector<qint64> chaves;
        for (const MovimentoTeste &m : razao)
            chaves.push_back(pasta.insereMovimento(1, m.data, m.debito, m.credito, m.situacao,
                                                   m.descricao, m.numero));
        const ImportacaoPreparada p = ImportacaoExtracto::prepara(
            pasta.bd(), 1, {extractoDe(linhas)}, QStringLiteral("e.ofx"), "x");
        QStringList obtido;
        for (const LinhaPlano &lp : p.plano.linhas) {
            QString t = nomeDecisao(lp.decisao);
            if (lp.decisao == DecisaoLinha::Conciliado)
                t += QString::number(std::find(chaves.begin(), chaves.end(), lp.movimento)
                                     - chaves.begin());
            obtido << t;
        }
        QCOMPARE(obtido, esperado);
    }

    // Importing the same statement again adds nothing, and says it was seen; lines without the
    // bank's id are known by their fingerprint, repeats counted.
    void mesmoFicheiroDuasVezes_data()
    {
        QTest::addColumn<bool>("comId");
        QTest::newRow("com o id do banco") << true;
        QTest::newRow("sem id: impressão digital") << false;
    }
    void mesmoFicheiroDuasVezes()
    {
        QFETCH(bool, comId);
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        pasta.insereMovimento(1, QStringLiteral("2026-03-02"), 0, 10000, {}, QStringLiteral("Dep"));
        const auto id = [&](const char *i) { return comId ? QString::fromLatin1(i) : QString(); };
        const Extracto e = extractoDe({
            linhaExtracto(QStringLiteral("2026-03-02"), 10000, QStringLiteral("DEP"), {}, id("a")),
            linhaExtracto(QStringLiteral("2026-03-05"), -250, QStringLiteral("COMISSAO"), {},
                          id("b")),
            linhaExtracto(QStringLiteral("2026-03-05"), -250, QStringLiteral("COMISSAO"), {},
                          id("c")),
        });
        BaseDados &bd = pasta.bd();
        auto p = ImportacaoExtracto::prepara(bd, 1, {e}, QStringLiteral("/tmp/m.ofx"), "abc");
        QVERIFY(p.avisos.isEmpty());
        const ResultadoImportacao r = ImportacaoExtracto::confirma(bd, p);
        QCOMPARE(r.conciliados, 1);
        QCOMPARE(r.novos, 2); // two genuine identical fees of one day both come in
        const QStringList depois = despejoRazao(bd);

        auto outra = ImportacaoExtracto::prepara(bd, 1, {e}, QStringLiteral("m.ofx"), "abc");
        QCOMPARE(outra.plano.conta(DecisaoLinha::JaImportado), 3);
        QCOMPARE(outra.avisos.size(), 1);
        QVERIFY(outra.avisos.first().startsWith(QStringLiteral("Este ficheiro já foi importado")));
        const ResultadoImportacao r2 = ImportacaoExtracto::confirma(bd, outra);
        QCOMPARE(r2.numImportacao, 0);
        QCOMPARE(despejoRazao(bd), depois);
        QCOMPARE(contaLinhas(bd, QStringLiteral("SELECT count(*) AS n FROM TabImportacoes")), 1);

        // A later statement overlapping the period, with one of the two fees again and one
        // new line: the fee is known, the new line comes in, the overlap is told.
        const Extracto seguinte = extractoDe({
            linhaExtracto(QStringLiteral("2026-03-05"), -250, QStringLiteral("COMISSAO"), {},
                          id("b")),
            linhaExtracto(QStringLiteral("2026-03-09"), -4000, QStringLiteral("RENDA"), {},
                          id("d")),
        });
        auto terceira = ImportacaoExtracto::prepara(bd, 1, {seguinte}, QStringLiteral("n.ofx"),
                                                    "outro");
        QCOMPARE(terceira.plano.linhas[0].decisao, DecisaoLinha::JaImportado);
        QCOMPARE(terceira.plano.linhas[1].decisao, DecisaoLinha::Novo);
        QCOMPARE(terceira.avisos.size(), 1);
        QVERIFY(terceira.avisos.first().contains(QStringLiteral("sobrepõe-se")));
        QVERIFY(terceira.avisos.first().contains(QStringLiteral("m.ofx")));
    }

    // The same days in another format: other texts, ids or none; already in all the same. Two
    // files that both carry the bank's ids are told apart by them alone.
    void outroFormato_data()
    {
        QTest::addColumn<QString>("primeiro");
        QTest::addColumn<QString>("segundo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("camt.053 e depois CSV") << "camt" << "csv" << "JJJ";
        QTest::newRow("CSV e depois OFX") << "csv" << "ofx" << "JJJ";
        QTest::newRow("OFX e depois MT940 com outros ids") << "ofx" << "mt940-outros" << "NNN";
    }
    void outroFormato()
    {
        QFETCH(QString, primeiro);
        QFETCH(QString, segundo);
        QFETCH(QString, esperado);
        const auto ficheiro = [](const QString &forma) {
            const bool outros = forma.endsWith(QLatin1String("-outros"));
            Extracto e = extractoDe(
                {linhaExtracto(QStringLiteral("2026-03-05"), -250, QStringLiteral("Comissão"), {},
                               outros ? QStringLiteral("X1") : QStringLiteral("A1")),
                 linhaExtracto(QStringLiteral("2026-03-05"), -250, QStringLiteral("Comissão"), {},
                               outros ? QStringLiteral("X2") : QStringLiteral("A2")),
                 linhaExtracto(QStringLiteral("2026-03-06"), 12345, QStringLiteral("TRF Silva"),
                               {}, outros ? QStringLiteral("X3") : QStringLiteral("A3"))},
                QStringLiteral("PT50003300004567891234567"));
            e.saldoInicial = SaldoExtracto{QDate(2026, 3, 4), Dinheiro::deCentimos(0)};
            e.saldoFinal = SaldoExtracto{QDate(2026, 3, 6), Dinheiro::deCentimos(11845)};
            if (forma == QLatin1String("camt"))
                return GeradorExtractos::camt053({e});
            if (forma == QLatin1String("ofx"))
                return GeradorExtractos::ofx2(e);
            if (forma.startsWith(QLatin1String("mt940")))
                return GeradorExtractos::mt940({e});
            return GeradorExtractos::csv(e, CodificacaoTexto::Windows1252, u';',
                                         FormaDebito::ColunaDebito, FormaData::DiaMesAnoHifen);
        };
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        BaseDados &bd = pasta.bd();
        const QByteArray a = ficheiro(primeiro), b = ficheiro(segundo);
        auto p = ImportacaoExtracto::prepara(bd, 1, leExtracto(a, QStringLiteral("a")),
                                             QStringLiteral("a"), a);
        QCOMPARE(p.plano.conta(DecisaoLinha::Novo), 3);
        ImportacaoExtracto::confirma(bd, p);
        auto q = ImportacaoExtracto::prepara(bd, 1, leExtracto(b, QStringLiteral("b")),
                                             QStringLiteral("b"), b);
        QString obtido;
        for (const LinhaPlano &l : q.plano.linhas)
            obtido += nomeDecisao(l.decisao);
        QCOMPARE(obtido, esperado);
    }

    // The statement's balances beside the ledger's, new lines counted in.
    void saldos_data()
    {
        QTest::addColumn<qint64>("inicial");
        QTest::addColumn<qint64>("final");
        QTest::addColumn<bool>("emFalta");
        QTest::addColumn<qint64>("diferencaFinal");
        // The ledger: 1000,00 on 28 Feb (and an annulled 50,00, left out), 100,00 out on 3 Mar.
        // The statement: -100,00 on 3 Mar (matched), -20,00 on 4 Mar (new).
        QTest::newRow("tudo certo") << qint64(100000) << qint64(88000) << false << qint64(0);
        QTest::newRow("o saldo final não bate") << qint64(100000) << qint64(87000) << false
                                               << qint64(-1000);
        QTest::newRow("movimentos em falta antes do extracto")
            << qint64(110000) << qint64(98000) << true << qint64(10000);
    }
    void saldos()
    {
        QFETCH(qint64, inicial);
        QFETCH(qint64, final);
        QFETCH(bool, emFalta);
        QFETCH(qint64, diferencaFinal);
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        pasta.insereMovimento(1, QStringLiteral("2026-02-28"), 0, 100000, QStringLiteral("V"));
        pasta.insereMovimento(1, QStringLiteral("2026-02-28"), 0, 5000, QStringLiteral("A"));
        pasta.insereMovimento(1, QStringLiteral("2026-03-03"), 10000, 0);
        Extracto e = extractoDe({linhaExtracto(QStringLiteral("2026-03-03"), -10000,
                                               QStringLiteral("PAG")),
                                 linhaExtracto(QStringLiteral("2026-03-04"), -2000,
                                               QStringLiteral("TAXA"))});
        e.saldoInicial = SaldoExtracto{QDate(2026, 2, 28), Dinheiro::deCentimos(inicial)};
        e.saldoFinal = SaldoExtracto{QDate(2026, 3, 4), Dinheiro::deCentimos(final)};
        const auto p = ImportacaoExtracto::prepara(pasta.bd(), 1, {e}, QStringLiteral("s.xml"),
                                                   "s");
        QVERIFY(p.plano.saldoInicial && p.plano.saldoFinal);
        QCOMPARE(p.plano.saldoInicial->razao.centimos(), qint64(100000));
        QCOMPARE(p.plano.movimentosEmFalta, emFalta);
        QCOMPARE(p.plano.saldoFinal->razao.centimos(), qint64(88000));
        QCOMPARE(p.plano.saldoFinal->diferenca().centimos(), diferencaFinal);
    }

    // The ledger's movements of the period the bank has not seen.
    void soNoRazao()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        pasta.insereMovimento(1, QStringLiteral("2026-03-01"), 300, 0, {}, QStringLiteral("antes"));
        pasta.insereMovimento(1, QStringLiteral("2026-03-05"), 300, 0, {}, QStringLiteral("casa"));
        pasta.insereMovimento(1, QStringLiteral("2026-03-06"), 999, 0, {}, QStringLiteral("falta"));
        pasta.insereMovimento(1, QStringLiteral("2026-03-07"), 111, 0, QStringLiteral("V"));
        pasta.insereMovimento(1, QStringLiteral("2026-03-20"), 300, 0, {},
                              QStringLiteral("depois"));
        const auto p = ImportacaoExtracto::prepara(
            pasta.bd(), 1,
            {extractoDe({linhaExtracto(QStringLiteral("2026-03-04"), -300, QStringLiteral("X")),
                         linhaExtracto(QStringLiteral("2026-03-10"), -5, QStringLiteral("Y"))})},
            QStringLiteral("p.ofx"), "p");
        QStringList textos;
        for (size_t j : p.plano.soNoRazao)
            textos << p.plano.porVerificar[j].descricao;
        QCOMPARE(textos, QStringList{QStringLiteral("falta")});
    }

    // Refused files: a clear message naming the file, and nothing written.
    void recusados_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<QString>("moeda");
        QTest::addColumn<QString>("nib");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("em dólares") << QString() << QStringLiteral("USD")
                                    << QStringLiteral("0033 0000 45678912345 67")
                                    << QStringLiteral("O extracto x.xml está em USD");
        QTest::newRow("de outra conta") << QStringLiteral("PT50003500001111111111111")
                                        << QStringLiteral("EUR")
                                        << QStringLiteral("0033 0000 45678912345 67")
                                        << QStringLiteral("O extracto x.xml é da conta "
                                                          "PT50003500001111111111111");
        QTest::newRow("de um banco estrangeiro") << QStringLiteral("DE89370400440532013000")
                                                 << QStringLiteral("EUR")
                                                 << QStringLiteral("0033.0000.4567891234567")
                                                 << QStringLiteral("não da conta \"Conta\"");
    }
    void recusados()
    {
        QFETCH(QString, iban);
        QFETCH(QString, moeda);
        QFETCH(QString, nib);
        QFETCH(QString, mensagem);
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        pasta.bd().executa(QStringLiteral("UPDATE TabBancos SET nib = ? WHERE NumBanco = 1"),
                           {nib});
        pasta.insereMovimento(1, QStringLiteral("2026-03-01"), 300, 0);
        const QStringList antes = despejoRazao(pasta.bd());
        const Extracto e = extractoDe(
            {linhaExtracto(QStringLiteral("2026-03-01"), -300, QStringLiteral("X"))}, iban, moeda);
        try {
            ImportacaoExtracto::prepara(pasta.bd(), 1, {e}, QStringLiteral("/dl/x.xml"), "x");
            QFAIL("o extracto foi aceite");
        } catch (const ImportacaoRecusada &r) {
            QVERIFY2(r.mensagem().contains(mensagem), qPrintable(r.mensagem()));
            QVERIFY(r.mensagem().endsWith(QStringLiteral("Nada foi importado.")));
        }
        QCOMPARE(despejoRazao(pasta.bd()), antes);
        QCOMPARE(
            contaLinhas(pasta.bd(), QStringLiteral("SELECT count(*) AS n FROM TabImportacoes")),
            0);
    }

    // The same account written another way is the same account.
    void mesmaConta_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<QString>("nib");
        QTest::addColumn<QString>("numconta");
        QTest::addColumn<bool>("mesma");
        QTest::newRow("IBAN e NIB") << "PT50 0033 0000 4567 8912 3456 7"
                                    << "0033.0000.45678912345.67" << "" << true;
        QTest::newRow("IBAN e número de conta") << "PT50003300004567891234567" << ""
                                                << "45678912345" << true;
        QTest::newRow("NIB escrito como IBAN") << "PT50003300004567891234567"
                                               << "PT50 0033 0000 4567 8912 3456 7" << "" << true;
        QTest::newRow("conta sem números") << "PT50003300004567891234567" << "" << "" << true;
        QTest::newRow("outro NIB") << "PT50003300004567891234567" << "0035 0000 11111111111 11"
                                   << "" << false;
        QTest::newRow("NIB certo, número de outra") << "PT50003300004567891234567"
                                                    << "0033 0000 45678912345 67" << "999999999"
                                                    << true;
    }
    void mesmaConta()
    {
        QFETCH(QString, iban);
        QFETCH(QString, nib);
        QFETCH(QString, numconta);
        QFETCH(bool, mesma);
        Conta c;
        c.nib = nib;
        c.numconta = numconta;
        QCOMPARE(ImportacaoExtracto::mesmaConta(iban, c), mesma);
    }

    // A new line gets its category from the account's rules, and a value date of its own in
    // the observations; the statement's text never overwrites a matched movement's.
    void novosComRegrasEDataValor()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        const qint64 meu = pasta.insereMovimento(1, QStringLiteral("2026-03-02"), 4599, 0, {},
                                                 QStringLiteral("Telefone de Março"));
        BaseDados &bd = pasta.bd();
        RegrasCategoria::grava(bd, 1, {{QStringLiteral("edp"), QStringLiteral("Electricidade"),
                                        QStringLiteral("Loja")},
                                       {QStringLiteral("  "), QStringLiteral("X"), {}}});
        RegrasCategoria::grava(bd, 2, {{QStringLiteral("EDP"), QStringLiteral("Outra"), {}}});
        LinhaExtracto edp = linhaExtracto(QStringLiteral("2026-03-04"), -8010,
                                          QStringLiteral("DD EDP Comercial"), QStringLiteral("77"));
        edp.dataValor = QDate(2026, 3, 6);
        auto p = ImportacaoExtracto::prepara(
            bd, 1,
            {extractoDe({linhaExtracto(QStringLiteral("2026-03-02"), -4599, QStringLiteral("MEO")),
                         edp})},
            QStringLiteral("r.ofx"), "r");
        ImportacaoExtracto::confirma(bd, p);
        QCOMPARE(bd.consulta(QStringLiteral("SELECT Descricao || '|' || S AS t FROM TabBancos1Det "
                                            "WHERE NumAutomatico = ?"),
                             {meu})
                     .texto(QStringLiteral("t")),
                 QStringLiteral("Telefone de Março|V"));
        Registos n = bd.consulta(QStringLiteral(
            "SELECT m.Data, m.Numero, m.Descricao, m.S, m.Debito, m.Credito, o.Categoria, "
            "o.Categoria1, o.Observacoes FROM TabBancos1Det m JOIN TabBancosDetOutros o "
            "ON o.NumAutoDet = m.NumAutomatico AND o.NumBanco = m.NumBanco WHERE m.NumBanco = 1 "
            "AND m.NumAutomatico <> ?"),
            {meu});
        QCOMPARE(n.contagem(), 1);
        QCOMPARE(n.texto(QStringLiteral("Data")), QStringLiteral("2026-03-04"));
        QCOMPARE(n.texto(QStringLiteral("Numero")), QStringLiteral("77"));
        QCOMPARE(n.texto(QStringLiteral("Descricao")), QStringLiteral("DD EDP Comercial"));
        QCOMPARE(n.texto(QStringLiteral("S")), QStringLiteral("V"));
        QCOMPARE(n.inteiro(QStringLiteral("Debito")), 8010);
        QCOMPARE(n.inteiro(QStringLiteral("Credito")), 0);
        QCOMPARE(n.texto(QStringLiteral("Categoria")), QStringLiteral("Electricidade"));
        QCOMPARE(n.texto(QStringLiteral("Categoria1")), QStringLiteral("Loja"));
        QCOMPARE(n.texto(QStringLiteral("Observacoes")), QStringLiteral("Data valor: 06-03-2026"));
        QCOMPARE(RegrasCategoria::le(bd, 1).size(), size_t(1)); // the blank rule was dropped
    }
};

QUORVEL_TESTE(TestConciliacao)
#include "TestConciliacao.moc"
