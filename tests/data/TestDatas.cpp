// Dates as the user types them, at the edges: the two-digit-year rule (00-29 this century,
// 30-99 the last) and the years a movement may have (1900 to 9999).
#include "data/Regional.h"
#include "support/RegistoTestes.h"

#include <QTest>

class TestDatas : public QObject
{
    Q_OBJECT
private slots:
    void interpretaData_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("esperada"); // invalid: the text is refused

        QTest::newRow("dia-mes-ano") << "05-01-2004" << QDate(2004, 1, 5);
        QTest::newRow("barras, sem zeros") << "5/1/04" << QDate(2004, 1, 5);
        QTest::newRow("pontos") << "31.12.1999" << QDate(1999, 12, 31);
        QTest::newRow("ISO") << "2004-01-05" << QDate(2004, 1, 5);
        QTest::newRow("brancos a volta") << "  05-01-2004 " << QDate(2004, 1, 5);

        QTest::newRow("00 e 2000") << "01-01-00" << QDate(2000, 1, 1);
        QTest::newRow("29 e 2029") << "31-12-29" << QDate(2029, 12, 31);
        QTest::newRow("30 e 1930") << "01-01-30" << QDate(1930, 1, 1);
        QTest::newRow("99 e 1999") << "31.12.99" << QDate(1999, 12, 31);
        QTest::newRow("29 de Fevereiro de 00") << "29-02-00" << QDate(2000, 2, 29);

        QTest::newRow("primeiro dia aceite") << "01-01-1900" << QDate(1900, 1, 1);
        QTest::newRow("ultimo dia aceite") << "31-12-9999" << QDate(9999, 12, 31);
        QTest::newRow("ultimo dia aceite, ISO") << "9999-12-31" << QDate(9999, 12, 31);
        QTest::newRow("vespera de 1900") << "31-12-1899" << QDate();
        QTest::newRow("engano de digito") << "05-01-1004" << QDate();
        QTest::newRow("ano 99 com quatro digitos") << "05-01-0099" << QDate();
        QTest::newRow("ano 4 com quatro digitos") << "05-01-0004" << QDate();
        QTest::newRow("ano 0 ISO") << "0000-01-05" << QDate();
        QTest::newRow("ano de tres digitos") << "05-01-204" << QDate();
        QTest::newRow("ano de cinco digitos") << "05-01-20045" << QDate();
        QTest::newRow("ano de cinco digitos, ISO") << "10000-01-01" << QDate();
        QTest::newRow("1900 nao e bissexto") << "29-02-1900" << QDate();
        QTest::newRow("31 de Fevereiro") << "31-02-2004" << QDate();
        QTest::newRow("mes 13") << "01-13-2004" << QDate();
        QTest::newRow("dia 0") << "00-01-2004" << QDate();
        QTest::newRow("vazio") << "" << QDate();
        QTest::newRow("palavras") << "amanhã" << QDate();
    }
    void interpretaData()
    {
        QFETCH(QString, texto);
        QFETCH(QDate, esperada);
        const std::optional<QDate> lida = Regional::interpretaData(texto);
        if (!esperada.isValid()) {
            QVERIFY2(!lida, qPrintable(lida ? lida->toString(Qt::ISODate) : QString()));
            return;
        }
        QVERIFY(lida);
        QCOMPARE(*lida, esperada);
        // What the grid shows reads back as the same day.
        QCOMPARE(Regional::interpretaData(Regional::formataData(*lida)), esperada);
    }
};

QUORVEL_TESTE(TestDatas)
#include "TestDatas.moc"
