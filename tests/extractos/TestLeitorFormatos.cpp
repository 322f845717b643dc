// The sample statement of the demo account in every format and encoding: each is recognised
// from its content and read to the same movements, balances, account and currency, amounts in
// exact cents, text with its accents and euro signs intact.
#include "extractos/GeradorExtractos.h"
#include "extractos/LeitorExtracto.h"
#include "support/RegistoTestes.h"

#include <QDir>
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(FormatoExtracto)

namespace {

QByteArray exemplo(const QString &nome)
{
    QFile f(QDir(QStringLiteral(QUORVEL_RESOURCES_DIR "/exemplos-extractos")).filePath(nome));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("falta o exemplo %s", qPrintable(nome));
    return f.readAll();
}

// One comparable text per line, in date order (CSV and spreadsheets list the newest first).
QStringList linhas(const Extracto &e)
{
    QStringList r;
    for (const LinhaExtracto &l : e.linhas)
        r << QStringLiteral("%1 %2 %3").arg(l.data.toString(Qt::ISODate))
                 .arg(l.valor.centimos()).arg(l.descricao);
    r.sort();
    return r;
}

} // namespace

class TestLeitorFormatos : public QObject
{
    Q_OBJECT
private slots:
    void exemplosDaContaDemo_data()
    {
        QTest::addColumn<QString>("ficheiro");
        QTest::addColumn<FormatoExtracto>("formato");
        QTest::addColumn<bool>("temIds"); // the format carries the bank's transaction ids
        QTest::newRow("CSV Windows-1252") << "millennium-windows1252.csv" << FormatoExtracto::Csv << false;
        QTest::newRow("CSV UTF-16 com tabulações") << "millennium-utf16.txt" << FormatoExtracto::Csv << false;
        QTest::newRow("Excel") << "millennium.xlsx" << FormatoExtracto::Xlsx << false;
        QTest::newRow("MT940") << "millennium-mt940.sta" << FormatoExtracto::Mt940 << true;
        QTest::newRow("camt.053") << "millennium-camt053.xml" << FormatoExtracto::Camt053 << true;
        QTest::newRow("OFX 1") << "millennium-ofx1.ofx" << FormatoExtracto::Ofx1 << true;
        QTest::newRow("OFX 2") << "millennium-ofx2.ofx" << FormatoExtracto::Ofx2 << true;
    }
    void exemplosDaContaDemo()
    {
        QFETCH(QString, ficheiro);
        QFETCH(FormatoExtracto, formato);
        QFETCH(bool, temIds);
        const QByteArray bytes = exemplo(ficheiro);
        QCOMPARE(reconheceFormato(bytes), formato);
        // Without a preset the CSV layouts are guessed from the file.
        std::vector<Extracto> es;
        try {
            es = leExtracto(bytes, ficheiro);
        } catch (const ErroExtracto &x) {
            QFAIL(qPrintable(x.mensagem()));
        }
        QCOMPARE(es.size(), size_t(1));
        const Extracto &e = es.front();
        QCOMPARE(e.formato, formato);
        QCOMPARE(e.iban, QStringLiteral("PT50003300004567891234567"));
        QCOMPARE(e.moeda, QStringLiteral("EUR"));
        QCOMPARE(e.linhas.size(), size_t(12));
        const QStringList l = linhas(e);
        QVERIFY2(l.contains(u"2026-12-07 123456 TRF DE CLIENTE LDA - FACTURA 2026/118"_qs),
                 qPrintable(l.join(u'\n')));
        QVERIFY(l.contains(u"2026-12-06 -2315 COMPRA CARTAO 1234 PAPELARIA CENTRAL \u20AC"_qs));
        QVERIFY(l.contains(u"2026-12-05 -742 COMISSAO MANUTENCAO CONTA; IMPOSTO SELO"_qs));
        QVERIFY(l.contains(u"2026-11-13 186475 TRANSFERÊNCIA RECEBIDA"_qs));
        QVERIFY(l.contains(u"2026-11-11 -108474 PAGAMENTO A FORNECEDOR"_qs));
        qint64 soma = 0;
        for (const LinhaExtracto &x : e.linhas)
            soma += x.valor.centimos();
        QCOMPARE(soma, 1367143 - 1234567);
        // Every format but OFX states the opening balance; all state the closing one.
        QVERIFY(e.saldoFinal);
        QCOMPARE(e.saldoFinal->valor.centimos(), 1367143);
        QCOMPARE(e.saldoFinal->data, QDate(2026, 12, 8));
        if (formato != FormatoExtracto::Ofx1 && formato != FormatoExtracto::Ofx2) {
            QVERIFY(e.saldoInicial);
            QCOMPARE(e.saldoInicial->valor.centimos(), 1234567);
            QCOMPARE(e.saldoInicial->data, QDate(2026, 11, 10));
        }
        bool ids = true;
        for (const LinhaExtracto &x : e.linhas)
            ids = ids && x.idBanco.startsWith(u"QVL");
        QCOMPARE(ids, temIds);
    }

    // The same statements written in each format's variants read back exactly.
    void variantesDeEscrita_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("extractos");
        Extracto a;
        a.iban = QStringLiteral("PT50003500000000000000001");
        a.moeda = QStringLiteral("EUR");
        a.saldoInicial = SaldoExtracto{QDate(2025, 12, 31), Dinheiro::deCentimos(-5000)};
        const struct { int dia; qint64 c; const char *t; } ls[] = {
            {1, 123456789, "VENDA DE IMÓVEL"}, {2, -1, "ARREDONDAMENTO"},
            {2, -99999999, "PAGAMENTO GRANDE"}, {31, 50, "JUROS"}};
        Dinheiro s = a.saldoInicial->valor;
        for (const auto &x : ls) {
            LinhaExtracto l;
            l.data = QDate(2026, 1, x.dia);
            l.valor = Dinheiro::deCentimos(x.c);
            l.descricao = QString::fromUtf8(x.t);
            s += l.valor;
            l.saldoApos = s;
            l.idBanco = QStringLiteral("ID%1").arg(x.dia * 1000 + x.c % 1000);
            a.linhas.push_back(l);
        }
        a.saldoFinal = SaldoExtracto{QDate(2026, 1, 31), s};
        Extracto b = a;
        b.iban = QStringLiteral("PT50003500000000000000002");
        using namespace GeradorExtractos;
        for (const auto c : {CodificacaoTexto::Utf8, CodificacaoTexto::Utf16Be,
                             CodificacaoTexto::Iso8859_15})
            for (const auto f : {FormaData::DiaMesAnoHifen, FormaData::DiaMesAnoBarra,
                                 FormaData::AnoMesDia})
                QTest::addRow("CSV %d data %d", int(c), int(f))
                    << csv(a, c, u';', FormaDebito::SinalMenos, f) << 1;
        QTest::newRow("CSV vírgulas") << csv(a, CodificacaoTexto::Utf8, u',', FormaDebito::MenosNoFim,
                                             FormaData::AnoMesDia) << 1;
        QTest::newRow("Excel") << xlsx(a) << 1;
        QTest::newRow("MT940 dois extractos") << mt940({a, b}) << 2;
        for (int v = 2; v <= 8; ++v)
            QTest::addRow("camt.053.001.%02d dois extractos", v) << camt053({a, b}, v) << 2;
        QByteArray camt052 = camt053({a}, 6);
        camt052.replace("camt.053", "camt.052").replace("BkToCstmrStmt", "BkToCstmrAcctRpt")
            .replace("<Stmt>", "<Rpt>").replace("</Stmt>", "</Rpt>");
        QTest::newRow("camt.052") << camt052 << 1;
        QTest::newRow("OFX 1") << ofx1(a) << 1;
        QTest::newRow("OFX 2") << ofx2(a) << 1;
    }
    void variantesDeEscrita()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, extractos);
        std::vector<Extracto> es;
        try {
            es = leExtracto(bytes, QStringLiteral("x"));
        } catch (const ErroExtracto &x) {
            QFAIL(qPrintable(x.mensagem()));
        }
        QCOMPARE(int(es.size()), extractos);
        QCOMPARE(linhas(es.front()),
                 (QStringList{u"2026-01-01 123456789 VENDA DE IMÓVEL"_qs,
                              u"2026-01-02 -1 ARREDONDAMENTO"_qs,
                              u"2026-01-02 -99999999 PAGAMENTO GRANDE"_qs,
                              u"2026-01-31 50 JUROS"_qs}));
        QCOMPARE(es.front().saldoFinal->valor.centimos(), -5000 + 123456789 - 1 - 99999999 + 50);
        if (es.front().formato != FormatoExtracto::Ofx1 && es.front().formato != FormatoExtracto::Ofx2)
            QCOMPARE(es.front().saldoInicial->valor.centimos(), -5000);
        if (extractos == 2)
            QCOMPARE(es.back().iban, QStringLiteral("PT50003500000000000000002"));
    }
};

QUORVEL_TESTE(TestLeitorFormatos)
#include "TestLeitorFormatos.moc"
