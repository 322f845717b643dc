#include "extractos/GeradorExtractos.h"
#include "reports/ArquivoZip.h"

#include <QBuffer>
#include <QHash>
#include <QXmlStreamWriter>

using namespace Qt::StringLiterals;

namespace {

const QString Fim = QStringLiteral("\r\n");

QString semGrupos(Dinheiro d, QChar decimal)
{
    const qint64 c = d.centimos() < 0 ? -d.centimos() : d.centimos();
    return QStringLiteral("%1%2%3").arg(c / 100).arg(decimal).arg(c % 100, 2, 10, QChar(u'0'));
}

QString absoluto(Dinheiro d) { return semGrupos(d, u'.'); }

QString comSinalPonto(Dinheiro d) { return (d.negativo() ? QStringLiteral("-") : QString()) + absoluto(d); }

QString formaData(const QDate &d, FormaData f)
{
    switch (f) {
    case FormaData::DiaMesAnoHifen: return d.toString(QStringLiteral("dd-MM-yyyy"));
    case FormaData::DiaMesAnoBarra: return d.toString(QStringLiteral("dd/MM/yyyy"));
    case FormaData::AnoMesDia: return d.toString(QStringLiteral("yyyy-MM-dd"));
    }
    return {};
}

QByteArray codifica(const QString &t, CodificacaoTexto c)
{
    QByteArray r;
    switch (c) {
    case CodificacaoTexto::Utf8:
        return "\xEF\xBB\xBF" + t.toUtf8();
    case CodificacaoTexto::Utf16Le:
    case CodificacaoTexto::Utf16Be: {
        const bool be = c == CodificacaoTexto::Utf16Be;
        r.reserve(t.size() * 2 + 2);
        auto poe = [&](char16_t u) {
            const char a = char(u >> 8), b = char(u & 0xFF);
            r.append(be ? a : b).append(be ? b : a);
        };
        poe(0xFEFF);
        for (const QChar ch : t)
            poe(ch.unicode());
        return r;
    }
    case CodificacaoTexto::Windows1252:
    case CodificacaoTexto::Iso8859_15:
        r.reserve(t.size());
        for (const QChar ch : t) {
            const char16_t u = ch.unicode();
            if (u == 0x20AC)
                r.append(c == CodificacaoTexto::Windows1252 ? '\x80' : '\xA4');
            else
                r.append(u < 256 ? char(u) : '?');
        }
        return r;
    }
    return r;
}

QString aspas(const QString &t, QChar sep)
{
    if (!t.contains(sep) && !t.contains(u'"') && !t.contains(u'\n'))
        return t;
    return u'"' + QString(t).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString mt940Data(const QDate &d) { return d.toString(QStringLiteral("yyMMdd")); }

QString ofxData(const QDate &d) { return d.toString(QStringLiteral("yyyyMMdd")); }

} // namespace

namespace GeradorExtractos {

PresetCsv presetDe(CodificacaoTexto codificacao, QChar separador, FormaDebito formaDebito,
                   FormaData formaData)
{
    PresetCsv p;
    p.nome = QStringLiteral("Exemplo");
    p.codificacao = codificacao;
    p.separador = separador;
    p.formaData = formaData;
    p.formaDebito = formaDebito;
    p.linhasCabecalho = 6;
    p.linhasRodape = 3;
    p.colData = 0, p.colDataValor = 1, p.colDescricao = 2, p.colNumero = 3;
    if (formaDebito == FormaDebito::ColunaDebito)
        p.colDebito = 4, p.colCredito = 5, p.colSaldo = 6;
    else
        p.colValor = 4, p.colSaldo = 5;
    return p;
}

QByteArray csv(const Extracto &e, CodificacaoTexto codificacao, QChar sep, FormaDebito fd,
               FormaData f)
{
    const bool colunas = fd == FormaDebito::ColunaDebito;
    const QString euro = codificacao == CodificacaoTexto::Windows1252
                                 || codificacao == CodificacaoTexto::Iso8859_15
                             ? QStringLiteral(" \u20AC")
                             : QString();
    auto valor = [&](Dinheiro d) {
        // A comma separator comes with the decimal point and no grouping.
        QString t = sep == u',' ? comSinalPonto(d) : d.formata();
        if (t.startsWith(u'-') && fd == FormaDebito::MenosNoFim)
            t = t.mid(1) + u'-';
        return t + euro;
    };
    const int n = colunas ? 7 : 6;
    const QString vazias = QString(n - 2, sep);
    QString t;
    t.reserve(int(e.linhas.size()) * 90 + 400);
    t += QStringLiteral("Consulta de movimentos%1%1").arg(sep) + vazias + Fim;
    t += QStringLiteral("Conta%1Millennium - Empresa%1").arg(sep) + vazias + Fim;
    t += QStringLiteral("IBAN%1%2%1").arg(sep).arg(e.iban) + vazias + Fim;
    t += QStringLiteral("Moeda%1%2%1").arg(sep).arg(e.moeda) + vazias + Fim;
    t += QString(n - 1, sep) + Fim;
    QStringList titulos = {u"Data mov."_qs, u"Data valor"_qs, u"Descrição"_qs, u"N.º documento"_qs};
    titulos << (colunas ? QStringList{u"Débito"_qs, u"Crédito"_qs} : QStringList{u"Montante"_qs})
            << u"Saldo"_qs;
    t += titulos.join(sep) + Fim;
    for (const LinhaExtracto &l : e.linhas) {
        QStringList c = {formaData(l.data, f),
                         formaData(l.dataValor.isValid() ? l.dataValor : l.data, f),
                         aspas(l.descricao, sep), l.numero};
        if (colunas) {
            const Dinheiro a = l.valor.negativo() ? Dinheiro() - l.valor : l.valor;
            c << (l.valor.negativo() ? valor(a) : QString())
              << (l.valor.negativo() ? QString() : valor(a));
        } else {
            c << valor(l.valor);
        }
        c << (l.saldoApos ? valor(*l.saldoApos) : QString());
        t += c.join(sep) + Fim;
    }
    t += QString(n - 1, sep) + Fim;
    t += QStringLiteral("Saldo inicial%1").arg(sep)
         + (e.saldoInicial ? valor(e.saldoInicial->valor) : QString()) + QString(n - 2, sep)
         + Fim;
    t += QStringLiteral("Saldo final%1").arg(sep)
         + (e.saldoFinal ? valor(e.saldoFinal->valor) : QString()) + QString(n - 2, sep)
         + Fim;
    return codifica(t, codificacao);
}

QByteArray mt940(const std::vector<Extracto> &extractos)
{
    QString t;
    int numero = 0;
    for (const Extracto &e : extractos) {
        ++numero;
        t += QStringLiteral(":20:EXT%1\r\n:25:%2\r\n:28C:%3/1\r\n")
                 .arg(numero, 6, 10, QChar(u'0')).arg(e.iban).arg(numero);
        auto saldo = [&](const char *campo, const std::optional<SaldoExtracto> &s) {
            if (!s)
                return;
            t += QStringLiteral(":%1:%2%3%4%5\r\n")
                     .arg(QLatin1String(campo), s->valor.negativo() ? u"D"_qs : u"C"_qs,
                          mt940Data(s->data), e.moeda.isEmpty() ? u"EUR"_qs : e.moeda,
                          semGrupos(s->valor, u','));
        };
        saldo("60F", e.saldoInicial);
        for (const LinhaExtracto &l : e.linhas) {
            const QDate valor = l.dataValor.isValid() ? l.dataValor : l.data;
            t += QStringLiteral(":61:%1%2%3%4NTRF%5//%6\r\n:86:%7\r\n")
                     .arg(mt940Data(valor), l.data.toString(QStringLiteral("MMdd")),
                          l.valor.negativo() ? u"D"_qs : u"C"_qs, semGrupos(l.valor, u','),
                          l.numero.isEmpty() ? u"NONREF"_qs : l.numero, l.idBanco,
                          l.descricao.left(65));
            if (l.descricao.size() > 65)
                t += l.descricao.mid(65) + Fim;
        }
        SaldoExtracto fim = e.saldoFinal.value_or(SaldoExtracto{});
        if (!e.saldoFinal)
            fim.data = e.linhas.empty() ? QDate(2026, 1, 1) : e.linhas.back().data;
        saldo("62F", fim);
        t += QStringLiteral("-") + Fim;
    }
    return codifica(t, CodificacaoTexto::Windows1252);
}

QByteArray camt053(const std::vector<Extracto> &extractos, int versao)
{
    QByteArray r;
    QXmlStreamWriter x(&r);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeDefaultNamespace(QStringLiteral("urn:iso:std:iso:20022:tech:xsd:camt.053.001.%1")
                                .arg(versao, 2, 10, QChar(u'0')));
    x.writeStartElement(u"Document"_qs);
    x.writeStartElement(u"BkToCstmrStmt"_qs);
    x.writeStartElement(u"GrpHdr"_qs);
    x.writeTextElement(u"MsgId"_qs, u"QVL-EXEMPLO"_qs);
    x.writeTextElement(u"CreDtTm"_qs, u"2026-12-08T10:00:00"_qs);
    x.writeEndElement();
    int n = 0;
    auto montante = [&](Dinheiro v, const QString &moeda) {
        x.writeStartElement(u"Amt"_qs);
        x.writeAttribute(u"Ccy"_qs, moeda.isEmpty() ? u"EUR"_qs : moeda);
        x.writeCharacters(absoluto(v));
        x.writeEndElement();
        x.writeTextElement(u"CdtDbtInd"_qs, v.negativo() ? u"DBIT"_qs : u"CRDT"_qs);
    };
    for (const Extracto &e : extractos) {
        x.writeStartElement(u"Stmt"_qs);
        x.writeTextElement(u"Id"_qs, QStringLiteral("STMT%1").arg(++n));
        x.writeStartElement(u"Acct"_qs);
        x.writeStartElement(u"Id"_qs);
        x.writeTextElement(u"IBAN"_qs, e.iban);
        x.writeEndElement();
        x.writeTextElement(u"Ccy"_qs, e.moeda);
        x.writeEndElement();
        auto saldo = [&](const char *tipo, const std::optional<SaldoExtracto> &s, int dias) {
            if (!s)
                return;
            x.writeStartElement(u"Bal"_qs);
            x.writeStartElement(u"Tp"_qs);
            x.writeStartElement(u"CdOrPrtry"_qs);
            x.writeTextElement(u"Cd"_qs, QLatin1String(tipo));
            x.writeEndElement();
            x.writeEndElement();
            montante(s->valor, e.moeda);
            x.writeStartElement(u"Dt"_qs);
            x.writeTextElement(u"Dt"_qs, s->data.addDays(dias).toString(Qt::ISODate));
            x.writeEndElement();
            x.writeEndElement();
        };
        saldo("OPBD", e.saldoInicial, 1);
        saldo("CLBD", e.saldoFinal, 0);
        for (const LinhaExtracto &l : e.linhas) {
            x.writeStartElement(u"Ntry"_qs);
            montante(l.valor, e.moeda);
            x.writeTextElement(u"Sts"_qs, u"BOOK"_qs);
            x.writeStartElement(u"BookgDt"_qs);
            x.writeTextElement(u"Dt"_qs, l.data.toString(Qt::ISODate));
            x.writeEndElement();
            x.writeStartElement(u"ValDt"_qs);
            x.writeTextElement(u"Dt"_qs, (l.dataValor.isValid() ? l.dataValor : l.data)
                                             .toString(Qt::ISODate));
            x.writeEndElement();
            if (!l.idBanco.isEmpty())
                x.writeTextElement(u"AcctSvcrRef"_qs, l.idBanco);
            x.writeStartElement(u"NtryDtls"_qs);
            x.writeStartElement(u"TxDtls"_qs);
            x.writeStartElement(u"Refs"_qs);
            x.writeTextElement(u"EndToEndId"_qs, u"NOTPROVIDED"_qs);
            if (!l.numero.isEmpty())
                x.writeTextElement(u"ChqNb"_qs, l.numero);
            x.writeEndElement();
            x.writeStartElement(u"RmtInf"_qs);
            x.writeTextElement(u"Ustrd"_qs, l.descricao);
            x.writeEndElement();
            x.writeEndElement();
            x.writeEndElement();
            x.writeEndElement();
        }
        x.writeEndElement();
    }
    x.writeEndDocument();
    return r;
}

QByteArray ofx1(const Extracto &e)
{
    QString t = QStringLiteral("OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\n"
                               "ENCODING:USASCII\r\nCHARSET:1252\r\nCOMPRESSION:NONE\r\n"
                               "OLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n");
    t += QStringLiteral("<OFX>\r\n<SIGNONMSGSRSV1>\r\n<SONRS>\r\n<STATUS>\r\n<CODE>0\r\n"
                        "<SEVERITY>INFO\r\n</STATUS>\r\n<DTSERVER>20261208100000\r\n"
                        "<LANGUAGE>POR\r\n</SONRS>\r\n</SIGNONMSGSRSV1>\r\n<BANKMSGSRSV1>\r\n"
                        "<STMTTRNRS>\r\n<TRNUID>1\r\n<STMTRS>\r\n<CURDEF>%1\r\n<BANKACCTFROM>\r\n"
                        "<BANKID>0033\r\n<ACCTID>%2\r\n<ACCTTYPE>CHECKING\r\n</BANKACCTFROM>\r\n"
                        "<BANKTRANLIST>\r\n")
             .arg(e.moeda, e.iban);
    auto escapa = [](QString s) {
        return s.replace(u'&', u"&amp;"_qs).replace(u'<', u"&lt;"_qs).replace(u'>', u"&gt;"_qs);
    };
    for (const LinhaExtracto &l : e.linhas) {
        t += QStringLiteral("<STMTTRN>\r\n<TRNTYPE>%1\r\n<DTPOSTED>%2\r\n<TRNAMT>%3\r\n"
                            "<FITID>%4\r\n")
                 .arg(l.valor.negativo() ? u"DEBIT"_qs : u"CREDIT"_qs, ofxData(l.data),
                      comSinalPonto(l.valor), l.idBanco);
        if (!l.numero.isEmpty())
            t += QStringLiteral("<CHECKNUM>%1\r\n").arg(l.numero);
        t += QStringLiteral("<NAME>%1\r\n</STMTTRN>\r\n").arg(escapa(l.descricao.left(32)));
        if (l.descricao.size() > 32)
            t.insert(t.size() - 12, QStringLiteral("<MEMO>%1\r\n").arg(escapa(l.descricao)));
    }
    t += u"</BANKTRANLIST>\r\n"_qs;
    if (e.saldoFinal)
        t += QStringLiteral("<LEDGERBAL>\r\n<BALAMT>%1\r\n<DTASOF>%2\r\n</LEDGERBAL>\r\n")
                 .arg(comSinalPonto(e.saldoFinal->valor), ofxData(e.saldoFinal->data));
    t += u"</STMTRS>\r\n</STMTTRNRS>\r\n</BANKMSGSRSV1>\r\n</OFX>\r\n"_qs;
    return codifica(t, CodificacaoTexto::Windows1252);
}

QByteArray ofx2(const Extracto &e)
{
    QByteArray r;
    QXmlStreamWriter x(&r);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeProcessingInstruction(u"OFX"_qs, u"OFXHEADER=\"200\" VERSION=\"220\" SECURITY=\"NONE\" "
                                            "OLDFILEUID=\"NONE\" NEWFILEUID=\"NONE\""_qs);
    x.writeStartElement(u"OFX"_qs);
    x.writeStartElement(u"BANKMSGSRSV1"_qs);
    x.writeStartElement(u"STMTTRNRS"_qs);
    x.writeTextElement(u"TRNUID"_qs, u"1"_qs);
    x.writeStartElement(u"STMTRS"_qs);
    x.writeTextElement(u"CURDEF"_qs, e.moeda);
    x.writeStartElement(u"BANKACCTFROM"_qs);
    x.writeTextElement(u"BANKID"_qs, u"0033"_qs);
    x.writeTextElement(u"ACCTID"_qs, e.iban);
    x.writeTextElement(u"ACCTTYPE"_qs, u"CHECKING"_qs);
    x.writeEndElement();
    x.writeStartElement(u"BANKTRANLIST"_qs);
    for (const LinhaExtracto &l : e.linhas) {
        x.writeStartElement(u"STMTTRN"_qs);
        x.writeTextElement(u"TRNTYPE"_qs, l.valor.negativo() ? u"DEBIT"_qs : u"CREDIT"_qs);
        x.writeTextElement(u"DTPOSTED"_qs, ofxData(l.data) + QStringLiteral("120000[0:GMT]"));
        x.writeTextElement(u"TRNAMT"_qs, comSinalPonto(l.valor));
        x.writeTextElement(u"FITID"_qs, l.idBanco);
        if (!l.numero.isEmpty())
            x.writeTextElement(u"CHECKNUM"_qs, l.numero);
        x.writeTextElement(u"NAME"_qs, l.descricao.left(32));
        if (l.descricao.size() > 32)
            x.writeTextElement(u"MEMO"_qs, l.descricao);
        x.writeEndElement();
    }
    x.writeEndElement();
    if (e.saldoFinal) {
        x.writeStartElement(u"LEDGERBAL"_qs);
        x.writeTextElement(u"BALAMT"_qs, comSinalPonto(e.saldoFinal->valor));
        x.writeTextElement(u"DTASOF"_qs, ofxData(e.saldoFinal->data));
        x.writeEndElement();
        x.writeStartElement(u"AVAILBAL"_qs);
        x.writeTextElement(u"BALAMT"_qs, u"0.00"_qs);
        x.writeTextElement(u"DTASOF"_qs, ofxData(e.saldoFinal->data));
        x.writeEndElement();
    }
    x.writeEndDocument();
    return r;
}

QByteArray xlsx(const Extracto &e)
{
    // Shared strings for the text cells, serial day numbers styled as dates, plain numbers.
    QStringList partilhados;
    QHash<QString, int> indices; // a list searched per cell was quadratic on a large statement
    auto indice = [&](const QString &s) {
        const auto i = indices.constFind(s);
        if (i != indices.constEnd())
            return *i;
        partilhados << s;
        return *indices.insert(s, int(partilhados.size() - 1));
    };
    QByteArray folha;
    {
        QXmlStreamWriter x(&folha);
        x.writeStartDocument();
        x.writeDefaultNamespace(u"http://schemas.openxmlformats.org/spreadsheetml/2006/main"_qs);
        x.writeStartElement(u"worksheet"_qs);
        x.writeStartElement(u"sheetData"_qs);
        int linha = 0;
        auto abreLinha = [&] {
            x.writeStartElement(u"row"_qs);
            x.writeAttribute(u"r"_qs, QString::number(++linha));
        };
        auto texto = [&](const char *col, const QString &s) {
            if (s.isEmpty())
                return;
            x.writeStartElement(u"c"_qs);
            x.writeAttribute(u"r"_qs, QLatin1String(col) + QString::number(linha));
            x.writeAttribute(u"t"_qs, u"s"_qs);
            x.writeTextElement(u"v"_qs, QString::number(indice(s)));
            x.writeEndElement();
        };
        auto numero = [&](const char *col, const QString &v, bool data) {
            x.writeStartElement(u"c"_qs);
            x.writeAttribute(u"r"_qs, QLatin1String(col) + QString::number(linha));
            if (data)
                x.writeAttribute(u"s"_qs, u"1"_qs);
            x.writeTextElement(u"v"_qs, v);
            x.writeEndElement();
        };
        auto serial = [](const QDate &d) { return QString::number(QDate(1899, 12, 30).daysTo(d)); };
        abreLinha();
        texto("A", u"Extracto de conta"_qs);
        x.writeEndElement();
        abreLinha();
        texto("A", u"IBAN"_qs);
        texto("B", e.iban);
        x.writeEndElement();
        abreLinha();
        texto("A", u"Moeda"_qs);
        texto("B", e.moeda);
        x.writeEndElement();
        abreLinha();
        for (const auto &[c, s] : {std::pair{"A", u"Data"}, {"B", u"Data valor"},
                                   {"C", u"Descrição"}, {"D", u"Montante"}, {"E", u"Saldo"}})
            texto(c, QString::fromUtf16(s));
        x.writeEndElement();
        for (const LinhaExtracto &l : e.linhas) {
            abreLinha();
            numero("A", serial(l.data), true);
            numero("B", serial(l.dataValor.isValid() ? l.dataValor : l.data), true);
            texto("C", l.descricao);
            numero("D", comSinalPonto(l.valor), false);
            if (l.saldoApos)
                numero("E", comSinalPonto(*l.saldoApos), false);
            x.writeEndElement();
        }
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndDocument();
    }
    QByteArray sst;
    {
        QXmlStreamWriter x(&sst);
        x.writeStartDocument();
        x.writeDefaultNamespace(u"http://schemas.openxmlformats.org/spreadsheetml/2006/main"_qs);
        x.writeStartElement(u"sst"_qs);
        for (const QString &s : partilhados) {
            x.writeStartElement(u"si"_qs);
            x.writeTextElement(u"t"_qs, s);
            x.writeEndElement();
        }
        x.writeEndDocument();
    }
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const std::vector<std::pair<QString, QByteArray>> partes = {
        {u"[Content_Types].xml"_qs,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types xmlns=\"http://schemas.openxmlformats"
         ".org/package/2006/content-types\"><Default Extension=\"rels\" ContentType=\"application/"
         "vnd.openxmlformats-package.relationships+xml\"/><Default Extension=\"xml\" ContentType="
         "\"application/xml\"/><Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/><Override PartName="
         "\"/xl/worksheets/sheet1.xml\" ContentType=\"application/vnd.openxmlformats-"
         "officedocument.spreadsheetml.worksheet+xml\"/><Override PartName=\"/xl/sharedStrings"
         ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml."
         "sharedStrings+xml\"/><Override PartName=\"/xl/styles.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>"},
        {u"_rels/.rels"_qs,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"http://schemas."
         "openxmlformats.org/package/2006/relationships\"><Relationship Id=\"rId1\" Type=\""
             + rel + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {u"xl/workbook.xml"_qs,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook " + ns + " xmlns:r=\"" + rel
             + "\"><sheets><sheet name=\"Movimentos\" sheetId=\"1\" r:id=\"rId1\"/></sheets>"
               "</workbook>"},
        {u"xl/_rels/workbook.xml.rels"_qs,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"http://schemas."
         "openxmlformats.org/package/2006/relationships\"><Relationship Id=\"rId1\" Type=\""
             + rel + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
             "Type=\"" + rel + "/sharedStrings\" Target=\"sharedStrings.xml\"/><Relationship "
             "Id=\"rId3\" Type=\"" + rel + "/styles\" Target=\"styles.xml\"/></Relationships>"},
        {u"xl/styles.xml"_qs,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><styleSheet " + ns + "><numFmts count=\"1\">"
         "<numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/></numFmts><fonts count=\"1\"><font/>"
         "</fonts><fills count=\"1\"><fill/></fills><borders count=\"1\"><border/></borders>"
         "<cellStyleXfs count=\"1\"><xf/></cellStyleXfs><cellXfs count=\"2\"><xf numFmtId=\"0\"/>"
         "<xf numFmtId=\"164\" applyNumberFormat=\"1\"/></cellXfs></styleSheet>"},
        {u"xl/worksheets/sheet1.xml"_qs, folha},
        {u"xl/sharedStrings.xml"_qs, sst},
    };
    ArquivoZip zip;
    for (const auto &[nome, dados] : partes)
        zip.adiciona(nome, dados, true);
    return zip.termina();
}

} // namespace GeradorExtractos
