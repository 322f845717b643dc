// Money and Portugal's regional texts: what the user types and what the grid shows.
#include "data/Dinheiro.h"
#include "data/Regional.h"
#include "support/RegistoTestes.h"

#include <QTest>

class TestDinheiro : public QObject
{
    Q_OBJECT
private slots:
    void interpreta_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<qint64>("centimos");
        QTest::newRow("agrupado") << "1.234,50" << qint64(123450);
        QTest::newRow("uma decimal") << "1234,5" << qint64(123450);
        QTest::newRow("inteiro") << "12" << qint64(1200);
        QTest::newRow("negativo") << "-0,01" << qint64(-1);
        QTest::newRow("so decimais") << ",5" << qint64(50);
        QTest::newRow("moeda") << "1.234,50 €" << qint64(123450);
        QTest::newRow("moeda negativa") << "-7,00 €" << qint64(-700);
        QTest::newRow("brancos") << "  42,10  " << qint64(4210);
        QTest::newRow("arredonda para cima") << "0,005" << qint64(1);
        QTest::newRow("arredonda negativo para longe de zero") << "-0,005" << qint64(-1);
        QTest::newRow("trunca abaixo de meio") << "2,994" << qint64(299);
        QTest::newRow("meio com mais casas") << "2,9951" << qint64(300);
        QTest::newRow("maximo") << "99.999.999.999,99" << Dinheiro::MAXIMO;
    }
    void interpreta()
    {
        QFETCH(QString, texto);
        QFETCH(qint64, centimos);
        const auto d = Dinheiro::interpreta(texto);
        QVERIFY2(d.has_value(), qPrintable(texto));
        QCOMPARE(d->centimos(), centimos);
    }

    void recusa_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("vazio") << "";
        QTest::newRow("so sinal") << "-";
        QTest::newRow("letras") << "12a";
        QTest::newRow("duas virgulas") << "1,2,3";
        QTest::newRow("acima do maximo") << "100.000.000.000,00";
        QTest::newRow("enorme") << "99999999999999999999999";
    }
    void recusa()
    {
        QFETCH(QString, texto);
        QVERIFY(!Dinheiro::interpreta(texto).has_value());
    }

    void formata()
    {
        QCOMPARE(Dinheiro::deCentimos(123450).formata(), QStringLiteral("1.234,50"));
        QCOMPARE(Dinheiro::deCentimos(-1).formata(), QStringLiteral("-0,01"));
        QCOMPARE(Dinheiro::deCentimos(0).formata(), QStringLiteral("0,00"));
        QCOMPARE(Dinheiro::deCentimos(100000000).formata(), QStringLiteral("1.000.000,00"));
        QCOMPARE(Dinheiro::deCentimos(-123456789).formata(), QStringLiteral("-1.234.567,89"));
        QCOMPARE(Dinheiro::deCentimos(7000).formataMoeda(), QStringLiteral("70,00 €"));
        QCOMPARE(Dinheiro::deCentimos(123450).textoSimples(), QStringLiteral("1234,5"));
        QCOMPARE(Dinheiro::deCentimos(5).textoSimples(), QStringLiteral("0,05"));
        QCOMPARE(Dinheiro::deCentimos(-1200).textoSimples(), QStringLiteral("-12"));
    }

    // A thousand additions of 0,10 are exactly 100,00: no binary floating point anywhere.
    void somaExacta()
    {
        Dinheiro total;
        for (int i = 0; i < 1000; ++i)
            total += *Dinheiro::interpreta(QStringLiteral("0,10"));
        QCOMPARE(total.formata(), QStringLiteral("100,00"));
        QCOMPARE((total - *Dinheiro::interpreta(QStringLiteral("100"))).formata(),
                 QStringLiteral("0,00"));
    }

    void datas()
    {
        QCOMPARE(Regional::formataData(QDate(2004, 1, 5)), QStringLiteral("05-01-2004"));
        QCOMPARE(Regional::formataData(QDate()), QString());
        QCOMPARE(Regional::interpretaData(QStringLiteral("05-01-2004")), QDate(2004, 1, 5));
        QCOMPARE(Regional::interpretaData(QStringLiteral("5/1/04")), QDate(2004, 1, 5));
        QCOMPARE(Regional::interpretaData(QStringLiteral("31.12.99")), QDate(1999, 12, 31));
        QCOMPARE(Regional::interpretaData(QStringLiteral("2004-01-05")), QDate(2004, 1, 5));
        QVERIFY(!Regional::interpretaData(QStringLiteral("31-02-2004")));
        QVERIFY(!Regional::interpretaData(QStringLiteral("amanhã")));
        QCOMPARE(Regional::deIso(QStringLiteral("2024-02-29")), QDate(2024, 2, 29));
        QVERIFY(!Regional::deIso(QStringLiteral("2023-02-29")).isValid());
        QVERIFY(!Regional::deIso(QStringLiteral("")).isValid());
        QCOMPARE(Regional::paraIso(QDate()), QString());
    }

    void numeros()
    {
        QVERIFY(Regional::ehNumerico(QStringLiteral("1.234,5")));
        QVERIFY(Regional::ehNumerico(QStringLiteral(" -3 ")));
        QVERIFY(Regional::ehNumerico(QStringLiteral("70,00 €")));
        QVERIFY(!Regional::ehNumerico(QStringLiteral("")));
        QVERIFY(!Regional::ehNumerico(QStringLiteral("Banco1")));
        QVERIFY(!Regional::ehNumerico(QStringLiteral("1,2,3")));
    }
};

QUORVEL_TESTE(TestDinheiro)
#include "TestDinheiro.moc"
