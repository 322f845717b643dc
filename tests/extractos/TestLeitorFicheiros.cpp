// Statement files written the way banks write them, each format with the details that trip a
// reader: value dates apart from booking dates, pending entries, prefixed camt, unclosed OFX 1
// tags and its charset, MT940 continuation lines and New Year, spreadsheets with shared and
// inline strings, date cells and gaps; and damaged files refused at the line at fault.
#include "extractos/LeitorExtracto.h"
#include "support/RegistoTestes.h"

#include <QTest>
#include <QtEndian>
#include <zlib.h>

namespace {

// The statement as one comparable list: account, currency and balances, then each line in the
// file's order as "date cents text #id vVALUEDATE nNUMBER".
QStringList despejo(const Extracto &e)
{
    const auto saldo = [](const std::optional<SaldoExtracto> &s) {
        return s ? s->data.toString(Qt::ISODate) + u' ' + QString::number(s->valor.centimos())
                 : QStringLiteral("-");
    };
    QStringList r{e.iban + u'|' + e.moeda + u'|' + saldo(e.saldoInicial) + u'|'
                  + saldo(e.saldoFinal)};
    for (const LinhaExtracto &l : e.linhas) {
        QString t = l.data.toString(Qt::ISODate) + u' ' + QString::number(l.valor.centimos())
                    + u' ' + l.descricao;
        if (!l.idBanco.isEmpty())
            t += u" #"_qs + l.idBanco;
        if (l.dataValor.isValid() && l.dataValor != l.data)
            t += u" v"_qs + l.dataValor.toString(Qt::ISODate);
        if (!l.numero.isEmpty())
            t += u" n"_qs + l.numero;
        r << t;
    }
    return r;
}

QByteArray camt(const QByteArray &versao, const QByteArray &saldos, const QByteArray &entradas)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001." + versao + "\">\n"
           "<BkToCstmrStmt><GrpHdr><MsgId>M1</MsgId></GrpHdr>\n<Stmt><Id>S1</Id>\n"
           "<Acct><Id><IBAN>PT50 0033 0000 4567 8912 3456 7</IBAN></Id><Ccy>EUR</Ccy></Acct>\n"
           + saldos + entradas + "</Stmt></BkToCstmrStmt></Document>\n";
}

QByteArray saldoCamt(const char *tipo, const char *valor, const char *dc, const char *dia)
{
    return QByteArray("<Bal><Tp><CdOrPrtry><Cd>") + tipo + "</Cd></CdOrPrtry></Tp><Amt Ccy=\"EUR\">"
           + valor + "</Amt><CdtDbtInd>" + dc + "</CdtDbtInd><Dt><Dt>" + dia + "</Dt></Dt></Bal>\n";
}

const QByteArray SaldosCamt = saldoCamt("OPBD", "1000.00", "CRDT", "2026-03-01")
                              + saldoCamt("CLBD", "987.50", "CRDT", "2026-03-31");

const QByteArray EntradaCamt =
    "<Ntry><Amt Ccy=\"EUR\">12.50</Amt><CdtDbtInd>DBIT</CdtDbtInd><Sts>BOOK</Sts>\n"
    "<BookgDt><Dt>2026-03-05</Dt></BookgDt><ValDt><Dt>2026-03-06</Dt></ValDt>\n"
    "<AcctSvcrRef>REF1</AcctSvcrRef><NtryDtls><TxDtls><Refs><EndToEndId>E2E1</EndToEndId>"
    "</Refs>\n<RmtInf><Ustrd>PAG</Ustrd><Ustrd>LUZ &amp; GAS</Ustrd></RmtInf></TxDtls>"
    "</NtryDtls></Ntry>\n";

const QByteArray OfxCorpo =
    "<STMTRS><CURDEF>EUR\n"
    "<BANKACCTFROM><BANKID>0033<ACCTID>PT50003300004567891234567<ACCTTYPE>CHECKING"
    "</BANKACCTFROM>\n<BANKTRANLIST><DTSTART>20260301<DTEND>20260331\n"
    "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20260305120000[0:GMT]<TRNAMT>-12.50<FITID>F1\n"
    "<NAME>EDP &amp; CIA<MEMO>LUZ \x80 MARCO</STMTTRN>\n"
    "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20260306<TRNAMT>1234,56<FITID>F2<CHECKNUM>0042\n"
    "<MEMO>DEPOSITO</STMTTRN>\n</BANKTRANLIST>\n"
    "<LEDGERBAL><BALAMT>1222.06<DTASOF>20260331</LEDGERBAL>\n"
    "<AVAILBAL><BALAMT>9.99<DTASOF>20260331</AVAILBAL>\n</STMTRS>";

QByteArray ofx1(const QByteArray &corpo)
{
    return "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\n"
           "CHARSET:1252\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n"
           "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1\n"
           + corpo + "\n</STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";
}

// The same statement as OFX 2: every leaf closed, XML, the text in UTF-8.
QByteArray ofx2(const QByteArray &moeda)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<?OFX OFXHEADER=\"200\" VERSION=\"211\" SECURITY=\"NONE\"?>\n"
           "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1</TRNUID><STMTRS><CURDEF>" + moeda
           + "</CURDEF>\n<BANKACCTFROM><ACCTID>PT50003300004567891234567</ACCTID></BANKACCTFROM>\n"
             "<BANKTRANLIST><STMTTRN><TRNTYPE>DEBIT</TRNTYPE><DTPOSTED>20260305</DTPOSTED>\n"
             "<TRNAMT>-12.50</TRNAMT><FITID>F1</FITID><PAYEE><NAME>EDP</NAME></PAYEE>"
             "<MEMO>LUZ \xE2\x82\xAC</MEMO></STMTTRN>\n</BANKTRANLIST>\n"
             "<LEDGERBAL><BALAMT>-7.5</BALAMT><DTASOF>20260331</DTASOF></LEDGERBAL>\n"
             "</STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

const QByteArray Mt940 = ":20:STMT1\n:25:PT50003300004567891234567\n:28C:1/1\n"
                         ":60F:C260228EUR1000,00\n"
                         ":61:2603060305D12,50NTRFNONREF//BREF1\n"
                         ":86:PAGAMENTO LUZ\nEDP COMERCIAL\n"
                         ":61:260307C1234,56NTRF0042//BREF2\n:86:DEPOSITO\n"
                         ":62F:C260331EUR2222,06\n";

// A zip of stored (uncompressed) parts, as some spreadsheet programs write them.
QByteArray zip(const QList<std::pair<QByteArray, QByteArray>> &partes)
{
    QByteArray r, central;
    const auto u16 = [](QByteArray &b, quint16 v) {
        b.append(char(v & 0xFF)).append(char(v >> 8));
    };
    const auto u32 = [&](QByteArray &b, quint32 v) {
        u16(b, quint16(v & 0xFFFF));
        u16(b, quint16(v >> 16));
    };
    for (const auto &[nome, dados] : partes) {
        const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(dados.constData()),
                                          uInt(dados.size())));
        const quint32 local = quint32(r.size());
        u32(r, 0x04034b50);
        u16(r, 20), u16(r, 0), u16(r, 0), u16(r, 0), u16(r, 0);
        u32(r, crc), u32(r, quint32(dados.size())), u32(r, quint32(dados.size()));
        u16(r, quint16(nome.size())), u16(r, 0);
        r += nome + dados;
        u32(central, 0x02014b50);
        u16(central, 20), u16(central, 20), u16(central, 0), u16(central, 0);
        u16(central, 0), u16(central, 0);
        u32(central, crc), u32(central, quint32(dados.size())), u32(central, quint32(dados.size()));
        u16(central, quint16(nome.size())), u16(central, 0), u16(central, 0), u16(central, 0);
        u16(central, 0), u32(central, 0), u32(central, local);
        central += nome;
    }
    const quint32 inicio = quint32(r.size());
    r += central;
    u32(r, 0x06054b50);
    u16(r, 0), u16(r, 0), u16(r, quint16(partes.size())), u16(r, quint16(partes.size()));
    u32(r, quint32(central.size())), u32(r, inicio), u16(r, 0);
    return r;
}

QByteArray xlsx(const QByteArray &linhas, const QByteArray &partilhados)
{
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    return zip({
        {"xl/workbook.xml", "<workbook " + ns + "><sheets><sheet name=\"Mov\" sheetId=\"1\"/>"
                            "</sheets></workbook>"},
        {"xl/sharedStrings.xml", "<sst " + ns + ">" + partilhados + "</sst>"},
        {"xl/styles.xml", "<styleSheet " + ns + "><cellXfs count=\"2\"><xf numFmtId=\"0\"/>"
                          "<xf numFmtId=\"14\"/></cellXfs></styleSheet>"},
        {"xl/worksheets/sheet1.xml",
         "<worksheet " + ns + "><sheetData>" + linhas + "</sheetData></worksheet>"},
    });
}

const QByteArray Partilhados =
    "<si><t>Data</t></si><si><t>Descrição</t></si><si><t>Montante</t></si>"
    "<si><t>não usado</t></si>"
    "<si><r><t>TRF</t></r><r><t xml:space=\"preserve\"> CLIENTE</t></r>"
    "<rPh><t>fonética</t></rPh></si>";

const QByteArray LinhasXlsx =
    "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
    "<c r=\"C1\" t=\"s\"><v>2</v></c></row>"
    "<row r=\"2\"><c r=\"A2\" s=\"1\"><v>46086</v></c>"
    "<c r=\"B2\" t=\"inlineStr\"><is><t>PAG LUZ</t></is></c><c r=\"C2\"><v>-12.5</v></c></row>"
    "<row r=\"3\"><c r=\"A3\" s=\"1\"><v>46087</v></c><c r=\"B3\"/><c r=\"C3\"><v>1234.56</v>"
    "</c></row>"
    "<row r=\"4\"><c r=\"A4\" s=\"1\"><v>46090</v></c><c r=\"B4\" t=\"s\"><v>4</v></c>"
    "<c r=\"C4\"><v>7</v></c></row>";

} // namespace

class TestLeitorFicheiros : public QObject
{
    Q_OBJECT
private slots:
    void lidos_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("esperado");
        const QString conta = QStringLiteral("PT50003300004567891234567");
        const QStringList camtLido{
            conta + u"|EUR|2026-02-28 100000|2026-03-31 98750"_qs,
            u"2026-03-05 -1250 PAG LUZ & GAS #REF1 v2026-03-06"_qs};
        for (const char *v : {"02", "04", "08"})
            QTest::addRow("camt.053.001.%s, data-valor noutro dia", v)
                << camt(v, SaldosCamt, EntradaCamt) << camtLido;
        QTest::newRow("camt: movimento pendente deixado de fora")
            << camt("02", SaldosCamt,
                    EntradaCamt + QByteArray(EntradaCamt).replace("BOOK", "PDNG")
                                      .replace("REF1", "REF2"))
            << camtLido;
        QByteArray prefixado = camt("06", SaldosCamt, EntradaCamt);
        prefixado.replace("<Document xmlns=", "<c:Document xmlns:c=")
            .replace("</Document>", "</c:Document>");
        QTest::newRow("camt com prefixo no elemento principal") << prefixado << camtLido;
        QTest::newRow("camt: PRCD em vez de OPBD, referência do banco NOTPROVIDED")
            << camt("04", saldoCamt("PRCD", "5.00", "DBIT", "2026-02-28")
                              + saldoCamt("CLBD", "17.50", "DBIT", "2026-03-31"),
                    QByteArray(EntradaCamt).replace("REF1", "NOTPROVIDED"))
            << QStringList{conta + u"|EUR|2026-02-28 -500|2026-03-31 -1750"_qs,
                           u"2026-03-05 -1250 PAG LUZ & GAS #E2E1 v2026-03-06"_qs};
        QTest::newRow("camt sem Ustrd: a informação da entrada")
            << camt("02", SaldosCamt,
                    "<Ntry><Amt Ccy=\"EUR\">3.10</Amt><CdtDbtInd>CRDT</CdtDbtInd>"
                    "<BookgDt><Dt>2026-03-07</Dt></BookgDt><ValDt><Dt>2026-03-07</Dt></ValDt>"
                    "<AddtlNtryInf>  JUROS   CREDORES </AddtlNtryInf></Ntry>\n")
            << QStringList{camtLido.front(), u"2026-03-07 310 JUROS CREDORES"_qs};

        const QStringList ofxLido{
            conta + u"|EUR|-|2026-03-31 122206"_qs,
            u"2026-03-05 -1250 EDP & CIA LUZ € MARCO #F1"_qs,
            u"2026-03-06 123456 DEPOSITO #F2 n0042"_qs};
        QTest::newRow("OFX 1: folhas por fechar, CHARSET 1252, LEDGERBAL e não AVAILBAL")
            << ofx1(OfxCorpo) << ofxLido;
        QTest::newRow("OFX 1 com folhas fechadas") << ofx1(QByteArray(OfxCorpo)
                                                               .replace("<TRNAMT>-12.50",
                                                                        "<TRNAMT>-12.50</TRNAMT>")
                                                               .replace("<FITID>F2",
                                                                        "<FITID>F2</FITID>"))
                                                   << ofxLido;
        QTest::newRow("OFX 2, nome do beneficiário e memo")
            << ofx2("EUR")
            << QStringList{conta + u"|EUR|-|2026-03-31 -750"_qs,
                           u"2026-03-05 -1250 EDP LUZ € #F1"_qs};
        QTest::newRow("OFX 2 em dólares: a moeda passa, a importação recusa-a")
            << ofx2("USD")
            << QStringList{conta + u"|USD|-|2026-03-31 -750"_qs,
                           u"2026-03-05 -1250 EDP LUZ € #F1"_qs};

        const QStringList mtLido{
            conta + u"|EUR|2026-02-28 100000|2026-03-31 222206"_qs,
            u"2026-03-05 -1250 PAGAMENTO LUZ EDP COMERCIAL #BREF1 v2026-03-06"_qs,
            u"2026-03-07 123456 DEPOSITO #BREF2 n0042"_qs};
        QTest::newRow("MT940: :86: em duas linhas, data de lançamento") << Mt940 << mtLido;
        QTest::newRow("MT940 com CR LF") << QByteArray(Mt940).replace("\n", "\r\n") << mtLido;
        QTest::newRow("MT940 em blocos SWIFT")
            << "{1:F01BANKPTPLAXXX0000000000}{2:O940}{4:\r\n" + QByteArray(Mt940) + "-}"
            << mtLido;
        QTest::newRow("MT940: lançado a 31 de Dezembro, valor a 2 de Janeiro")
            << QByteArray(":20:S\n:25:PT50003300004567891234567\n:60F:C261230EUR0,00\n"
                          ":61:2701021231C5,00NMSCNONREF\n:86:JUROS\n:62F:C270102EUR5,00\n")
            << QStringList{conta + u"|EUR|2026-12-30 0|2027-01-02 500"_qs,
                           u"2026-12-31 500 JUROS v2027-01-02"_qs};

        QTest::newRow("xlsx: textos partilhados e em linha, datas em número, célula vazia")
            << xlsx(LinhasXlsx, Partilhados)
            << QStringList{u"||-|-"_qs, u"2026-03-05 -1250 PAG LUZ"_qs,
                           u"2026-03-06 123456 "_qs, u"2026-03-09 700 TRF CLIENTE"_qs};
        QTest::newRow("CSV do banco: cabeçalho, rodapé, mais recente primeiro, milhares")
            << QByteArray("Extracto de conta\r\nConta;PT50003300004567891234567\r\n\r\n"
                          "Data;Data valor;Descrição;Débito;Crédito;Saldo\r\n"
                          "09-03-2026;09-03-2026;\"TRF; CLIENTE\";;1.234,56;2.222,06\r\n"
                          "05-03-2026;06-03-2026;PAG LUZ;12,50;;987,50\r\n"
                          "\r\nSaldo disponível;2.222,06\r\n")
            << QStringList{conta + u"||2026-03-04 100000|2026-03-09 222206"_qs,
                           u"2026-03-09 123456 TRF; CLIENTE"_qs,
                           u"2026-03-05 -1250 PAG LUZ v2026-03-06"_qs};
    }
    void lidos()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, esperado);
        std::vector<Extracto> es;
        try {
            es = leExtracto(bytes, QStringLiteral("banco.dat"));
        } catch (const ErroExtracto &e) {
            QFAIL(qPrintable(e.mensagem()));
        }
        QCOMPARE(es.size(), size_t(1));
        QCOMPARE(despejo(es.front()), esperado);
    }

    void recusados_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("linha");
        QTest::addColumn<QString>("motivo");
        // The entry starts on the file's line 8 (declaration, root, header, Stmt, account, two
        // balances).
        QTest::newRow("camt sem débito nem crédito")
            << camt("02", SaldosCamt, QByteArray(EntradaCamt).replace("DBIT", "XXXX")) << 8
            << "sem indicação de débito ou crédito";
        QTest::newRow("camt com data impossível")
            << camt("02", SaldosCamt,
                    QByteArray(EntradaCamt).replace("2026-03-05", "2026-02-30")
                        .replace("2026-03-06", "2026-02-31"))
            << 8 << "data do movimento ilegível";
        QTest::newRow("camt com saldo ilegível")
            << camt("02", saldoCamt("CLBD", "9,99", "CRDT", "2026-03-31"), EntradaCamt) << 6
            << "saldo ilegível";
        QTest::newRow("camt cortado dentro de um movimento")
            << camt("02", SaldosCamt, EntradaCamt).left(SaldosCamt.size() + 400) << -1
            << "incompleto";
        QTest::newRow("OFX 1 com valor ilegível")
            << ofx1(QByteArray(OfxCorpo).replace("1234,56", "1.234,56")) << 17
            << "valor ilegível «1.234,56»";
        QTest::newRow("OFX 1 sem o fim do movimento")
            << ofx1(OfxCorpo).left(ofx1(OfxCorpo).indexOf("</STMTTRN>")) << 15 << "incompleto";
        QTest::newRow("OFX 2 com etiqueta trocada")
            << QByteArray(ofx2("EUR")).replace("</MEMO>", "</MEM>") << 6 << "danificado";
        QTest::newRow("MT940 sem sinal D/C")
            << QByteArray(Mt940).replace("260307C1234", "260307X1234") << 8 << "sinal (D/C)";
        QTest::newRow("MT940 com data-valor impossível")
            << QByteArray(Mt940).replace("2603060305", "2613060305") << 5 << "data-valor";
        QTest::newRow("MT940 com saldo inicial ilegível")
            << QByteArray(Mt940).replace("C260228EUR1000,00", "C260228EUR") << 4
            << "saldo ilegível";
        QTest::newRow("xlsx que refere um texto partilhado que não existe")
            << xlsx(QByteArray(LinhasXlsx).replace("<v>4</v>", "<v>40</v>"), Partilhados) << 4
            << "refere um texto que não existe";
        QTest::newRow("xlsx com a folha cortada")
            << xlsx(LinhasXlsx.left(LinhasXlsx.size() - 20), Partilhados) << 1 << "danificada";
    }
    void recusados()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, linha);
        QFETCH(QString, motivo);
        try {
            const auto es = leExtracto(bytes, QStringLiteral("banco.dat"));
            QFAIL(qPrintable(QStringLiteral("lido: %1").arg(despejo(es.front()).join(u'\n'))));
        } catch (const ErroExtracto &e) {
            QVERIFY2(e.mensagem().contains(u"«banco.dat»"), qPrintable(e.mensagem()));
            QVERIFY2(e.mensagem().contains(motivo), qPrintable(e.mensagem()));
            if (linha >= 0)
                QCOMPARE(e.linha(), linha);
            else
                QVERIFY2(e.linha() > 0, qPrintable(e.mensagem()));
        }
    }
};

QUORVEL_TESTE(TestLeitorFicheiros)
#include "TestLeitorFicheiros.moc"
