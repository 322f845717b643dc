// Files a bookkeeper may pick by mistake or that arrive damaged: each is refused with a message
// naming the file and, when the fault sits on one, the line; none is half read.
#include "extractos/GeradorExtractos.h"
#include "extractos/LeitorExtracto.h"
#include "support/RegistoTestes.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray exemplo(const QString &nome)
{
    QFile f(QDir(QStringLiteral(QUORVEL_RESOURCES_DIR "/exemplos-extractos")).filePath(nome));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

class TestLeitorErros : public QObject
{
    Q_OBJECT
private slots:
    void recusados_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("linha"); // 0: the file as a whole
        QTest::addColumn<QString>("motivo");
        const QByteArray cabecalho = "Data;Descrição;Montante\n";
        QTest::newRow("data impossível") << cabecalho + "31-01-2026;A;1,00\n30-02-2026;B;2,00\n"
                                                        "28-02-2026;C;3,00\n"
                                         << 3 << "data ilegível «30-02-2026»";
        QTest::newRow("valor ilegível") << cabecalho + "31-01-2026;A;1,00\n01-02-2026;B;12,3x\n"
                                                       "02-02-2026;C;3,00\n"
                                        << 3 << "valor ilegível «12,3x»";
        QTest::newRow("linha depois de texto entre aspas com quebra")
            << cabecalho + "31-01-2026;\"Texto; com\nduas linhas\";1,00\n01-02-2026;B;x\n"
                           "02-02-2026;C;3,00\n"
            << 4 << "valor ilegível «x»";
        QTest::newRow("aspas por fechar (cortado)")
            << cabecalho + "31-01-2026;A;1,00\n01-02-2026;\"B;2,00\n" << 3 << "aspas";
        QTest::newRow("vazio") << QByteArray("  \r\n") << 0 << "vazio";
        QTest::newRow("PDF") << QByteArray("%PDF-1.7\n1 0 obj") << 0 << "PDF";
        QTest::newRow("imagem") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << 0
                                << "formato conhecido";
        QTest::newRow("carta em texto") << QByteArray("Exmos. Senhores,\nJunto envio...\n") << 0
                                        << "formato conhecido";
        QTest::newRow("outro XML") << QByteArray("<?xml version=\"1.0\"?><factura/>") << 0
                                   << "formato conhecido";
        QTest::newRow("zip só com o início") << QByteArray("PK\x03\x04\x14\0\0\0", 8) << 0
                                             << "danificado";
        const QByteArray xlsx = exemplo(QStringLiteral("millennium.xlsx"));
        QTest::newRow("xlsx cortado") << xlsx.left(xlsx.size() - 40) << 0 << "danificad";
        const QByteArray camt = exemplo(QStringLiteral("millennium-camt053.xml"));
        QTest::newRow("camt cortado") << camt.left(camt.size() / 2) << -1 << "incompleto";
        QByteArray camtMau = camt;
        camtMau.replace("<Amt Ccy=\"EUR\">23.15</Amt>", "<Amt Ccy=\"EUR\">23,1,5</Amt>");
        QTest::newRow("camt valor ilegível") << camtMau << -1 << "valor do movimento ilegível";
        const QByteArray mt = exemplo(QStringLiteral("millennium-mt940.sta"));
        QTest::newRow("MT940 sem saldo final") << mt.left(mt.indexOf(":62F:")) << 1
                                               << "saldo final";
        QByteArray mtMau = mt;
        mtMau.replace(":61:2611251125D65,59", ":61:2611251125D65.59");
        QTest::newRow("MT940 valor com ponto") << mtMau << 9 << "valor ilegível";
        const QByteArray ofx1 = exemplo(QStringLiteral("millennium-ofx1.ofx"));
        QTest::newRow("OFX 1 cortado") << ofx1.left(ofx1.indexOf("</STMTTRN>") + 3) << -1
                                       << "incompleto";
        QByteArray ofxMau = ofx1;
        ofxMau.replace("<DTPOSTED>20261111", "<DTPOSTED>2026-11-11");
        QTest::newRow("OFX 1 data ilegível") << ofxMau << -1 << "data ilegível";
        const QByteArray ofx2 = exemplo(QStringLiteral("millennium-ofx2.ofx"));
        QTest::newRow("OFX 2 cortado") << ofx2.left(ofx2.size() - 30) << -1 << "incompleto";
    }
    void recusados()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, linha);
        QFETCH(QString, motivo);
        const QString nome = QStringLiteral("extracto de teste.csv");
        try {
            const auto es = leExtracto(bytes, nome);
            QFAIL(qPrintable(QStringLiteral("lido com %1 linhas").arg(es.front().linhas.size())));
        } catch (const ErroExtracto &e) {
            QVERIFY2(e.mensagem().contains(u"«extracto de teste.csv»"), qPrintable(e.mensagem()));
            QVERIFY2(e.mensagem().contains(motivo), qPrintable(e.mensagem()));
            if (linha >= 0)
                QCOMPARE(e.linha(), linha);
            else
                QVERIFY2(e.linha() > 0, qPrintable(e.mensagem()));
            if (e.linha() > 0)
                QVERIFY(e.mensagem().contains(QStringLiteral("linha %1:").arg(e.linha())));
        }
    }
};

QUORVEL_TESTE(TestLeitorErros)
#include "TestLeitorErros.moc"
