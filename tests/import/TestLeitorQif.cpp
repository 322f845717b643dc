// The QIF line reader: dates in both forms the exports write, amounts exact in cents, and how a
// record's lines become movements.
#include "import/LeitorQif.h"
#include "support/RegistoTestes.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<qint64>)

namespace {

// What the reader stores, as one comparable text per movement; an unreadable line gives
// "erro N" with its 1-based number.
QStringList movimentos(const QStringList &linhas)
{
    LeitorQif leitor;
    QStringList r;
    for (int i = 0; i < linhas.size(); ++i) {
        switch (leitor.trataLinha(linhas.at(i))) {
        case LeitorQif::Resultado::Movimento: {
            const MovimentoQif &m = leitor.movimento();
            r << QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(m.data.toString(Qt::ISODate), m.numero, m.beneficiario)
                     .arg(m.valor.centimos())
                     .arg(m.memo, m.categoria);
            break;
        }
        case LeitorQif::Resultado::DataInvalida:
        case LeitorQif::Resultado::ValorInvalido:
            r << QStringLiteral("erro %1").arg(i + 1);
            return r;
        default:
            break;
        }
    }
    return r;
}

} // namespace

class TestLeitorQif : public QObject
{
    Q_OBJECT
private slots:
    void datas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("esperada"); // invalid: the line is reported
        QTest::newRow("apostrofo com espacos") << "1/ 2'04" << QDate(2004, 1, 2);
        QTest::newRow("apostrofo") << "12/31'05" << QDate(2005, 12, 31);
        QTest::newRow("apostrofo ano com espaco") << " 3/ 7' 9" << QDate(2009, 3, 7);
        QTest::newRow("apostrofo quatro digitos") << "12/31'2005" << QDate(2005, 12, 31);
        QTest::newRow("barra antes de 2000") << "12/31/99" << QDate(1999, 12, 31);
        QTest::newRow("barra quatro digitos") << "6/15/1998" << QDate(1998, 6, 15);
        QTest::newRow("29 e 2029") << "1/1'29" << QDate(2029, 1, 1);
        QTest::newRow("30 e 1930") << "1/1/30" << QDate(1930, 1, 1);
        QTest::newRow("00 e 2000") << "2/29'00" << QDate(2000, 2, 29);
        QTest::newRow("fim de linha em branco") << "7/4'06   " << QDate(2006, 7, 4);
        QTest::newRow("mes 13") << "13/1'05" << QDate();
        QTest::newRow("30 de fevereiro") << "2/30'05" << QDate();
        QTest::newRow("29 de fevereiro de 2005") << "2/29'05" << QDate();
        QTest::newRow("tracos") << "12-31-05" << QDate();
        QTest::newRow("vazia") << "" << QDate();
        QTest::newRow("sem ano") << "12/31" << QDate();
        QTest::newRow("sem ano depois do apostrofo") << "12/31'" << QDate();
        QTest::newRow("ano de tres digitos") << "12/31'205" << QDate();
        QTest::newRow("lixo no fim") << "12/31'05x" << QDate();
        QTest::newRow("sem mes") << "/1'05" << QDate();
        QTest::newRow("dia primeiro") << "31.12.2005" << QDate();
    }

    void datas()
    {
        QFETCH(QString, texto);
        QFETCH(QDate, esperada);
        QCOMPARE(LeitorQif::interpretaData(texto).value_or(QDate()), esperada);
        // The same text on a "D" line: read, or reported and never guessed.
        LeitorQif leitor;
        QCOMPARE(leitor.trataLinha(QStringLiteral("D") + texto),
                 esperada.isValid() ? LeitorQif::Resultado::Lida
                                    : LeitorQif::Resultado::DataInvalida);
    }

    void montantes_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<std::optional<qint64>>("centimos");
        using C = std::optional<qint64>;
        QTest::newRow("debito com milhares") << "-1,234.56" << C(-123456);
        QTest::newRow("credito com milhares") << "1,234.56" << C(123456);
        QTest::newRow("centimos negativos") << "-0.45" << C(-45);
        QTest::newRow("sem decimais") << "1234" << C(123400);
        QTest::newRow("uma decimal") << "5.5" << C(550);
        QTest::newRow("milhoes") << "123,456,789.00" << C(12345678900);
        QTest::newRow("sinal mais") << "+7.01" << C(701);
        QTest::newRow("zero") << "0.00" << C(0);
        QTest::newRow("so decimais") << ".5" << C(50);
        QTest::newRow("ponto final") << "12." << C(1200);
        QTest::newRow("muitos digitos") << "12345678901.99" << C(1234567890199);
        QTest::newRow("brancos") << " -3.10 " << C(-310);
        QTest::newRow("vazio") << "" << C();
        QTest::newRow("so sinal") << "-" << C();
        QTest::newRow("tres decimais") << "1.234" << C();
        QTest::newRow("virgula decimal") << "1,23" << C();
        QTest::newRow("grupo de dois") << "12,34.00" << C();
        QTest::newRow("grupo final curto") << "1,234,56" << C();
        QTest::newRow("primeiro grupo longo") << "1234,567" << C();
        QTest::newRow("virgulas seguidas") << "1,,234" << C();
        QTest::newRow("europeu") << "1.234,56" << C();
        QTest::newRow("letras") << "abc" << C();
        QTest::newRow("dois pontos") << "1.2.3" << C();
        QTest::newRow("acima do maximo") << "100000000000.00" << C();
        QTest::newRow("muito acima do maximo") << "99999999999999999999999" << C();
    }

    void montantes()
    {
        QFETCH(QString, texto);
        QFETCH(std::optional<qint64>, centimos);
        const auto v = LeitorQif::interpretaValor(texto);
        QCOMPARE(v.has_value(), centimos.has_value());
        if (v)
            QCOMPARE(v->centimos(), *centimos);
    }

    void registos_data()
    {
        QTest::addColumn<QStringList>("linhas");
        QTest::addColumn<QStringList>("esperados");
        const QString p60 = QString(20, u'a') + QString(20, u'b') + QString(20, u'c');
        QTest::newRow("um registo D T P L ^")
            << QStringList{"!Type:Bank", "D1/ 2'04", "T-1,234.56", "PRenda de Janeiro",
                           "LRenda", "^"}
            << QStringList{"2004-01-02||Renda de Janeiro|-123456||Renda"};
        QTest::newRow("sem L nada se grava")
            << QStringList{"D1/ 2'04", "T10.00", "PLoja", "^"} << QStringList{};
        QTest::newRow("dois L dois movimentos")
            << QStringList{"D12/31'05", "T5", "PX", "LA", "LB", "^"}
            << QStringList{"2005-12-31||X|500||A", "2005-12-31||X|500||B"};
        QTest::newRow("N e M depois do L ficam de fora")
            << QStringList{"D12/31/99", "N12", "T1", "LA", "N99", "MDepois", "^",
                           "D1/1'00", "T2", "LB", "^"}
            << QStringList{"1999-12-31|12||100||A", "2000-01-01|||200||B"};
        QTest::newRow("D limpa o registo anterior")
            << QStringList{"D1/1'05", "N7", "PA", "MNota", "T3", "LC", "^", "D1/2'05", "LD"}
            << QStringList{"2005-01-01|7|A|300|Nota|C", "2005-01-02|||0||D"};
        QTest::newRow("beneficiario de 60 fica com 40")
            << QStringList{"D1/1'05", "P" + p60, "M" + p60, "N" + p60, "L" + p60}
            << QStringList{QStringLiteral("2005-01-01|%1|%1|0|%1|%1").arg(p60.left(40))};
        // Texts are cut on whole characters as the user sees them, as every column is.
        const QString x39 = QString(39, u'x');
        QTest::newRow("emoji no 40.o caracter fica inteiro")
            << QStringList{"D1/1'05", "P" + x39 + QStringLiteral("\U0001F600z"), "L"}
            << QStringList{"2005-01-01||" + x39 + QStringLiteral("\U0001F600") + "|0||"};
        QTest::newRow("acento combinado no 40.o caracter fica com a letra")
            << QStringList{"D1/1'05", "M" + x39 + QStringLiteral("e\u0301tc"), "L"}
            << QStringList{"2005-01-01|||0|" + x39 + QStringLiteral("e\u0301") + "|"};
        QTest::newRow("bandeira no 41.o caracter sai inteira")
            << QStringList{"D1/1'05", "P" + x39 + QStringLiteral("a\U0001F1F5\U0001F1F9"), "L"}
            << QStringList{"2005-01-01||" + x39 + "a|0||"};
        QTest::newRow("L antes de qualquer D")
            << QStringList{"PSem data", "T1", "L"} << QStringList{"||Sem data|100||"};
        QTest::newRow("linhas vazias e desconhecidas ignoradas")
            << QStringList{"", "C*", "U-5.00", "S[Split]", "$-5.00", "D1/1'05", "T-5", "L^"}
            << QStringList{"2005-01-01|||-500||^"};
        QTest::newRow("data ilegivel e reportada")
            << QStringList{"D1/1'05", "T1", "LA", "^", "D31/12/2005", "LB"}
            << QStringList{"2005-01-01|||100||A", "erro 5"};
        QTest::newRow("montante ilegivel e reportado")
            << QStringList{"D1/1'05", "T1,5", "LA"} << QStringList{"erro 2"};
        QTest::newRow("minusculas nao sao campos")
            << QStringList{"D1/1'05", "pX", "t1", "LA"} << QStringList{"2005-01-01|||0||A"};
    }

    void registos()
    {
        QFETCH(QStringList, linhas);
        QFETCH(QStringList, esperados);
        QCOMPARE(movimentos(linhas), esperados);
    }

    // No input may crash the reader or read outside the line (fuzzed under AddressSanitizer
    // too); a few hostile lines kept here.
    void linhasHostis()
    {
        LeitorQif leitor;
        for (const QString &l : {QStringLiteral("D"), QStringLiteral("T"), QStringLiteral("D/"),
                                 QStringLiteral("D1/"), QStringLiteral("D1/1'"),
                                 QStringLiteral("T,"), QStringLiteral("T."), QStringLiteral("T-."),
                                 QStringLiteral("P\xD83D"), QString(100000, u'9').prepend(u'T')})
            QVERIFY(leitor.trataLinha(l) != LeitorQif::Resultado::Movimento);
        QCOMPARE(leitor.trataLinha(QStringLiteral("P\xD83D")), LeitorQif::Resultado::Lida);
        QCOMPARE(LeitorQif::corta(QStringLiteral("ab\U0001F600c"), 3),
                 QStringLiteral("ab\U0001F600"));
    }
};

QUORVEL_TESTE(TestLeitorQif)
#include "TestLeitorQif.moc"
