// The amount and date readers every format shares, and the format details a bank's file may
// carry: reversals and a booking date across New Year in MT940, empty leaves in OFX 1.
#include "extractos/LeitorCampos.h"
#include "extractos/LeitorExtracto.h"
#include "support/RegistoTestes.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<qint64>)

namespace {
std::optional<qint64> centimos(const std::optional<Dinheiro> &d)
{
    return d ? std::optional<qint64>(d->centimos()) : std::nullopt;
}
} // namespace

class TestLeitorCampos : public QObject
{
    Q_OBJECT
private slots:
    void valores_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("marcas"); // decimal then thousands ("," "." or ",")
        QTest::addColumn<std::optional<qint64>>("esperado");
        const auto nada = std::optional<qint64>();
        QTest::newRow("milhares e vírgula") << "1.234,56" << ",." << std::optional<qint64>(123456);
        QTest::newRow("menos no fim") << "12,50-" << ",." << std::optional<qint64>(-1250);
        QTest::newRow("parênteses") << "(12,50)" << ",." << std::optional<qint64>(-1250);
        QTest::newRow("euro e espaços") << " 1 234,56 €" << ",." << std::optional<qint64>(123456);
        QTest::newRow("EUR à frente") << "EUR -7,42" << ",." << std::optional<qint64>(-742);
        QTest::newRow("ponto decimal") << "1,234.56" << ".," << std::optional<qint64>(123456);
        QTest::newRow("marcas trocadas recusadas") << "1,234.56" << ",." << nada;
        QTest::newRow("três decimais recusados") << "12,345" << ",." << nada;
        QTest::newRow("zeros a mais aceites") << "12,500" << ",." << std::optional<qint64>(1250);
        QTest::newRow("texto") << "abc" << ",." << nada;
        QTest::newRow("vazio") << "" << ",." << nada;
        QTest::newRow("grande demais") << "999999999999999,00" << ",." << nada;
    }
    void valores()
    {
        QFETCH(QString, texto);
        QFETCH(QString, marcas);
        QFETCH(std::optional<qint64>, esperado);
        QCOMPARE(centimos(LeitorCampos::valor(texto, marcas[0], marcas[1])), esperado);
    }

    void decimaisDeXmlEFolhas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<std::optional<qint64>>("esperado");
        QTest::newRow("simples") << "-1234.5" << std::optional<qint64>(-123450);
        QTest::newRow("resto binário") << "12.300000000000001" << std::optional<qint64>(1230);
        QTest::newRow("arredonda") << "0.125" << std::optional<qint64>(13);
        QTest::newRow("expoente") << "1.5E3" << std::optional<qint64>(150000);
        QTest::newRow("expoente negativo") << "5E-2" << std::optional<qint64>(5);
        QTest::newRow("vírgula recusada") << "12,5" << std::optional<qint64>();
    }
    void decimaisDeXmlEFolhas()
    {
        QFETCH(QString, texto);
        QFETCH(std::optional<qint64>, esperado);
        QCOMPARE(centimos(LeitorCampos::decimalPonto(texto)), esperado);
    }

    void datas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("forma");
        QTest::addColumn<QDate>("esperada");
        QTest::newRow("hífenes") << "31-01-2026" << int(FormaData::DiaMesAnoHifen) << QDate(2026, 1, 31);
        QTest::newRow("barras na forma de hífenes") << "31/01/2026" << int(FormaData::DiaMesAnoHifen)
                                                    << QDate(2026, 1, 31);
        QTest::newRow("ano com dois dígitos") << "1.2.26" << int(FormaData::DiaMesAnoBarra)
                                              << QDate(2026, 2, 1);
        QTest::newRow("com hora") << "2026-01-31 10:22" << int(FormaData::AnoMesDia) << QDate(2026, 1, 31);
        QTest::newRow("30 de Fevereiro") << "30-02-2026" << int(FormaData::DiaMesAnoHifen) << QDate();
        QTest::newRow("forma trocada") << "2026-01-31" << int(FormaData::DiaMesAnoHifen) << QDate();
        QTest::newRow("dígitos a mais") << "31-01-202600000" << int(FormaData::DiaMesAnoHifen)
                                        << QDate();
    }
    void datas()
    {
        QFETCH(QString, texto);
        QFETCH(int, forma);
        QFETCH(QDate, esperada);
        QCOMPARE(LeitorCampos::data(texto, FormaData(forma)), esperada);
    }

    void mt940Estornos()
    {
        const QByteArray f = ":20:A\r\n:25:PT50003300004567891234567\r\n:60F:C251230EUR100,00\r\n"
                             ":61:2601021231RD10,00NTRFNONREF//R1\r\n:86:ESTORNO DE\r\n DEBITO\r\n"
                             ":61:260103C5,NCHK123456//R2\r\n:86:?20CHEQUE?32FULANO\r\n"
                             ":62F:C260103EUR115,00\r\n-\r\n";
        const Extracto e = leExtracto(f, QStringLiteral("m.sta")).front();
        QCOMPARE(e.linhas.size(), size_t(2));
        QCOMPARE(e.linhas[0].data, QDate(2025, 12, 31)); // entry date before the value date's year
        QCOMPARE(e.linhas[0].dataValor, QDate(2026, 1, 2));
        QCOMPARE(e.linhas[0].valor.centimos(), 1000);    // a reversed debit puts money back
        QCOMPARE(e.linhas[0].descricao, QStringLiteral("ESTORNO DE DEBITO"));
        QCOMPARE(e.linhas[1].valor.centimos(), 500);
        QCOMPARE(e.linhas[1].numero, QStringLiteral("123456"));
        QCOMPARE(e.linhas[1].descricao, QStringLiteral("CHEQUE FULANO"));
        QCOMPARE(e.saldoFinal->valor.centimos(), 11500);
    }

    void ofx1FolhasVazias()
    {
        const QByteArray f = "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>"
                             "<CURDEF>EUR<BANKACCTFROM><ACCTID>123 45</BANKACCTFROM><BANKTRANLIST>"
                             "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20260115120000[0:GMT]<TRNAMT>-1,5"
                             "<FITID>F1<NAME>Loja &amp; Cia<MEMO></STMTTRN></BANKTRANLIST>"
                             "<LEDGERBAL><BALAMT>10.00<DTASOF>20260115</LEDGERBAL></STMTRS>"
                             "</STMTTRNRS></BANKMSGSRSV1></OFX>";
        const Extracto e = leExtracto(f, QStringLiteral("o.ofx")).front();
        QCOMPARE(e.iban, QStringLiteral("12345"));
        QCOMPARE(e.linhas.size(), size_t(1));
        QCOMPARE(e.linhas[0].valor.centimos(), -150);
        QCOMPARE(e.linhas[0].descricao, QStringLiteral("Loja & Cia"));
        QCOMPARE(e.linhas[0].idBanco, QStringLiteral("F1"));
        QCOMPARE(e.saldoFinal->valor.centimos(), 1000);
    }
};

QUORVEL_TESTE(TestLeitorCampos)
#include "TestLeitorCampos.moc"
