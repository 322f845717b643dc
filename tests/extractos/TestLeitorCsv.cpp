// Bank CSV exports as they come, read without a preset (the guess) and with the presets the
// user saves: signs, marks, encodings, line ends, quotes and the lines around the data.
#include "extractos/LeitorExtracto.h"
#include "support/RegistoTestes.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray utf16(const QString &t, bool be)
{
    QByteArray r = be ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : t) {
        const char a = char(c.unicode() >> 8), b = char(c.unicode() & 0xFF);
        r.append(be ? a : b).append(be ? b : a);
    }
    return r;
}

QByteArray latin(const QString &t, char euro)
{
    QByteArray r;
    for (const QChar c : t)
        r.append(c.unicode() == 0x20AC ? euro : char(c.unicode()));
    return r;
}

// "date cents description" per line, in file order.
QStringList le(const QByteArray &bytes)
{
    QStringList r;
    const std::vector<Extracto> es = leExtracto(bytes, QStringLiteral("t.csv"));
    for (const LinhaExtracto &l : es.front().linhas)
        r << QStringLiteral("%1 %2 %3").arg(l.data.toString(Qt::ISODate)).arg(l.valor.centimos())
                 .arg(l.descricao);
    return r;
}

const QString Info = QStringLiteral("Banco X - Consulta de movimentos\r\nConta: 0033 123;;\r\n\r\n");

} // namespace

class TestLeitorCsv : public QObject
{
    Q_OBJECT
private slots:
    void adivinhados_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("esperado");
        const QStringList doisMovimentos = {u"2026-01-31 -1250 Compra €"_qs,
                                            u"2026-01-30 123456 Depósito"_qs};
        const QString sinal = Info + u"Data;Descrição;Montante;Saldo\r\n"
                                     "31-01-2026;Compra €;-12,50;1.222,06\r\n"
                                     "30-01-2026;Depósito;1.234,56;1.234,56\r\n"
                                     ";;;\r\nSaldo final;;;1.222,06\r\n"_qs;
        QTest::newRow("Windows-1252, euro 0x80, menos à frente") << latin(sinal, '\x80')
                                                                 << doisMovimentos;
        QTest::newRow("ISO-8859-15, euro 0xA4") << latin(sinal, '\xA4') << doisMovimentos;
        QTest::newRow("UTF-8 com BOM") << "\xEF\xBB\xBF" + sinal.toUtf8() << doisMovimentos;
        QTest::newRow("UTF-8 sem BOM") << sinal.toUtf8() << doisMovimentos;
        QTest::newRow("UTF-16 LE") << utf16(sinal, false) << doisMovimentos;
        QTest::newRow("UTF-16 BE") << utf16(sinal, true) << doisMovimentos;
        QTest::newRow("fim de linha só CR") << QString(sinal).replace(u"\r\n"_qs, u"\r"_qs).toUtf8()
                                            << doisMovimentos;
        QTest::newRow("fim de linha só LF") << QString(sinal).replace(u"\r\n"_qs, u"\n"_qs).toUtf8()
                                            << doisMovimentos;
        QTest::newRow("menos no fim, tabulações, barras")
            << utf16(u"Data\tDescrição\tMontante\r\n31/01/2026\tCompra €\t12,50-\r\n"
                     "30/01/2026\tDepósito\t1.234,56\r\n"_qs, false)
            << doisMovimentos;
        QTest::newRow("colunas de débito e crédito")
            << latin(Info + u"Data mov.;Data valor;Descrição;Débito;Crédito;Saldo\r\n"
                            "31-01-2026;31-01-2026;Compra €;12,50;;1.222,06\r\n"
                            "30-01-2026;29-01-2026;Depósito;;1.234,56;1.234,56\r\n"_qs, '\x80')
            << doisMovimentos;
        QTest::newRow("ponto decimal e vírgula dos milhares, datas ISO")
            << u"Date;Description;Amount\n2026-01-31;Compra €;-12.50\n"
               "2026-01-30;Depósito;\"1,234.56\"\n"_qs.toUtf8()
            << doisMovimentos;
        QTest::newRow("vírgula a separar, ponto decimal")
            << u"Date,Description,Amount\n2026-01-31,Compra €,-12.50\n"
               "2026-01-30,Depósito,1234.56\n"_qs.toUtf8()
            << doisMovimentos;
        QTest::newRow("descrição entre aspas com o separador e uma quebra de linha")
            << u"Data;Descrição;Montante\r\n31-01-2026;\"Compra; loja \"\"A\"\"\r\nBraga\";-12,50\r\n"
               "30-01-2026;Depósito;1.234,56\r\n"_qs.toUtf8()
            << QStringList{u"2026-01-31 -1250 Compra; loja \"A\" Braga"_qs,
                           u"2026-01-30 123456 Depósito"_qs};
    }
    void adivinhados()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, esperado);
        try {
            QCOMPARE(le(bytes), esperado);
        } catch (const ErroExtracto &e) {
            QFAIL(qPrintable(e.mensagem()));
        }
    }

    // A balance column gives the opening and closing balances whichever way the lines run.
    void saldosDaColunaDeSaldo()
    {
        const QByteArray bytes = "Data;Descricao;Montante;Saldo\n31-01-2026;B;-12,50;1.222,06\n"
                                 "30-01-2026;A;1.234,56;1.234,56\n";
        const Extracto e = leExtracto(bytes, QStringLiteral("t.csv")).front();
        QCOMPARE(e.saldoInicial->valor.centimos(), 0);
        QCOMPARE(e.saldoInicial->data, QDate(2026, 1, 29));
        QCOMPARE(e.saldoFinal->valor.centimos(), 122206);
        QCOMPARE(e.saldoFinal->data, QDate(2026, 1, 31));
    }

    // The user's preset overrides a wrong guess, and comes back from the settings intact.
    void presetGuardadoLidoDeVolta()
    {
        QTemporaryDir pasta;
        QSettings definicoes(pasta.filePath(QStringLiteral("d.ini")), QSettings::IniFormat);
        PresetCsv p;
        p.nome = QStringLiteral("Banco Y");
        p.separador = u'\t';
        p.codificacao = CodificacaoTexto::Utf16Le;
        p.formaData = FormaData::AnoMesDia;
        p.marcaDecimal = u'.';
        p.marcaMilhares = QChar();
        p.linhasCabecalho = 3;
        p.linhasRodape = 2;
        p.colData = 1, p.colDescricao = 0, p.colDebito = 2, p.colCredito = 3, p.colSaldo = 4;
        p.formaDebito = FormaDebito::ColunaDebito;
        PresetsCsv::guarda(definicoes, p, QStringLiteral("forma-1"));
        PresetCsv q = p;
        q.nome = QStringLiteral("Outro");
        PresetsCsv::guarda(definicoes, q, QString());
        p.linhasRodape = 1; // saved again under the same name: replaced, not doubled
        PresetsCsv::guarda(definicoes, p, QStringLiteral("forma-1"));
        QCOMPARE(PresetsCsv::guardados(definicoes).size(), size_t(2));
        QCOMPARE(PresetsCsv::porNome(definicoes, QStringLiteral("banco y")), p);
        QCOMPARE(PresetsCsv::paraForma(definicoes, QStringLiteral("forma-1")), p);
        QVERIFY(!PresetsCsv::paraForma(definicoes, QStringLiteral("forma-2")));
        PresetsCsv::remove(definicoes, p.nome);
        QVERIFY(!PresetsCsv::paraForma(definicoes, QStringLiteral("forma-1")));
        QVERIFY(PresetsCsv::porNome(definicoes, QStringLiteral("Outro")));

        // Read under the preset: the first column is text, the date the second.
        const QByteArray bytes = "a\nb\nDesc;Data;Deb;Cred;Saldo\nCompra;2026-01-31;12.5;;7.5\n"
                                 "Venda;2026-01-30;;20;20\n\nfim\n";
        PresetCsv r = p;
        r.separador = u';';
        r.codificacao = CodificacaoTexto::Utf8;
        const auto es = leExtracto(bytes, QStringLiteral("y.csv"), &r);
        QCOMPARE(es.front().linhas.size(), size_t(2));
        QCOMPARE(es.front().linhas.at(0).valor.centimos(), -1250);
        QCOMPARE(es.front().linhas.at(1).valor.centimos(), 2000);
    }
};

QUORVEL_TESTE(TestLeitorCsv)
#include "TestLeitorCsv.moc"
