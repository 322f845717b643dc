// The XML reader under camt, OFX 2 and the spreadsheets: what banks' files really hold
// (prefixed names, entities, CDATA, comments, other encodings) read right, and a damaged file
// refused at its line rather than read in part.
#include "extractos/LeitorXml.h"
#include "support/RegistoTestes.h"

#include <QTest>

namespace {

// "<Nome[Ccy=EUR]", "'texto'" (white space alone left out), ">Nome"; or "erro: ..." at the end.
QString percorre(const QByteArray &bytes, int *linhaErro = nullptr)
{
    LeitorXml x(bytes);
    QStringList r;
    while (!x.fim()) {
        const auto t = x.seguinte();
        const QString nome = QString::fromUtf8(x.nome().data(), qsizetype(x.nome().size()));
        if (t == LeitorXml::Inicio) {
            QString e = u'<' + nome;
            for (const char *a : {"Ccy", "x"})
                if (const QString v = x.atributo(a); !v.isEmpty())
                    e += QStringLiteral("[%1=%2]").arg(QLatin1String(a), v);
            r << e;
        } else if (t == LeitorXml::Fim) {
            r << u'>' + nome;
        } else if (t == LeitorXml::Texto && !x.soEspacos()) {
            r << u'\'' + x.texto() + u'\'';
        }
    }
    if (x.temErro()) {
        r << QStringLiteral("erro: ") + x.erro();
        if (linhaErro)
            *linhaErro = x.linha();
    }
    return r.join(u' ');
}

QByteArray utf16(const QString &t, bool bigEndian)
{
    QByteArray r = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : t) {
        const char a = char(c.unicode() >> 8), b = char(c.unicode() & 0xFF);
        r += bigEndian ? a : b;
        r += bigEndian ? b : a;
    }
    return r;
}

} // namespace

class TestLeitorXml : public QObject
{
    Q_OBJECT
private slots:
    void lidos_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("prefixos de namespace tirados")
            << QByteArray("<ns2:Document xmlns:ns2=\"urn:iso\"><ns2:Amt Ccy=\"EUR\">1.50</ns2:Amt>"
                          "</ns2:Document>")
            << "<Document <Amt[Ccy=EUR] '1.50' >Amt >Document";
        QTest::newRow("entidades e referências numéricas")
            << QByteArray("<a>A &amp; B &lt;C&gt; &quot;&apos; &#233;&#x20AC;</a>")
            << u"<a 'A & B <C> \"' é€' >a"_qs;
        QTest::newRow("CDATA tal como está")
            << QByteArray("<a><![CDATA[x < y & z]]></a>") << "<a 'x < y & z' >a";
        QTest::newRow("declaração, comentários e instruções saltados")
            << QByteArray("<?xml version=\"1.0\"?>\n<!-- <b> -->\n<a><?pi x?><!--c--><b/></a>\n")
            << "<a <b >b >a";
        QTest::newRow("DOCTYPE com subconjunto saltado")
            << QByteArray("<!DOCTYPE a [<!ELEMENT a ANY>]><a>1</a>") << "<a '1' >a";
        QTest::newRow("atributo entre plicas com entidade")
            << QByteArray("<a x='1 &amp; 2'/>") << "<a[x=1 & 2] >a";
        QTest::newRow("BOM UTF-8") << QByteArray("\xEF\xBB\xBF<a>Jo\xC3\xA3o</a>")
                                   << u"<a 'João' >a"_qs;
        QTest::newRow("UTF-16 LE com BOM") << utf16(u"<a>Pão €</a>"_qs, false)
                                           << u"<a 'Pão €' >a"_qs;
        QTest::newRow("UTF-16 BE com BOM") << utf16(u"<a>Pão €</a>"_qs, true)
                                           << u"<a 'Pão €' >a"_qs;
        QTest::newRow("ISO-8859-1 declarado")
            << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>Fa\xE7" "a</a>")
            << u"<a 'Faça' >a"_qs;
        QTest::newRow("Windows-1252 declarado, euro 0x80")
            << QByteArray("<?xml version='1.0' encoding='windows-1252'?><a>\x80 5</a>")
            << u"<a '€ 5' >a"_qs;
        QTest::newRow("texto partido por um comentário")
            << QByteArray("<a>um<!-- x -->dois</a>") << "<a 'um' 'dois' >a";
    }
    void lidos()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, esperado);
        QCOMPARE(percorre(bytes), esperado);
    }

    void recusados_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<int>("linha");
        QTest::newRow("fechos trocados") << QByteArray("<a>\n<b>\n</a></b>") << "não fecha" << 3;
        QTest::newRow("cortado a meio de um texto") << QByteArray("<a>\n<b>texto")
                                                     << "acaba antes do fim" << 2;
        QTest::newRow("cortado a meio de uma etiqueta") << QByteArray("<a><b x=\"1")
                                                         << "acaba antes do fim" << 1;
        QTest::newRow("cortado dentro de um comentário") << QByteArray("<a><!-- ")
                                                          << "acaba antes do fim" << 1;
        QTest::newRow("entidade do HTML") << QByteArray("<a>\n&nbsp;</a>")
                                          << "entidade desconhecida" << 2;
        QTest::newRow("& solto") << QByteArray("<a>A & B</a>") << "entidade desconhecida" << 1;
        QTest::newRow("texto depois do elemento principal") << QByteArray("<a/>lixo")
                                                             << "fora do elemento" << 1;
        QTest::newRow("dois elementos principais") << QByteArray("<a/>\n<b/>")
                                                   << "segundo elemento" << 2;
        QTest::newRow("UTF-8 inválido sem declaração") << QByteArray("<a>\xC3\x28</a>")
                                                         << "codificação" << 1;
        QTest::newRow("Latin-1 sem declaração") << QByteArray("<a>Fa\xE7" "a</a>")
                                                 << "codificação" << 1;
        QTest::newRow("codificação desconhecida")
            << QByteArray("<?xml version=\"1.0\" encoding=\"x-klingon\"?><a/>") << "x-klingon"
            << 1;
        QTest::newRow("atributo sem aspas") << QByteArray("<a x=1/>") << "atributo" << 1;
        QTest::newRow("< num atributo") << QByteArray("<a x=\"<\"/>") << "atributo" << 1;
        QTest::newRow("vazio") << QByteArray("  \n") << "acaba antes do fim" << 2;
    }
    void recusados()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, motivo);
        QFETCH(int, linha);
        int l = -1;
        const QString r = percorre(bytes, &l);
        QVERIFY2(r.contains(u"erro: "_qs + motivo) || (r.contains(u"erro: ") && r.contains(motivo)),
                 qPrintable(r));
        QCOMPARE(l, linha);
    }

    // A spreadsheet's rich text is the texts of every run inside the cell's element.
    void textoDoElementoComFilhos()
    {
        LeitorXml x("<si><r><t>Pag</t></r><r><t xml:space=\"preserve\"> Lda</t></r></si>");
        QCOMPARE(x.seguinte(), LeitorXml::Inicio);
        QCOMPARE(x.textoElemento(), u"Pag Lda"_qs);
        QCOMPARE(x.seguinte(), LeitorXml::FimDocumento);
    }
};

QUORVEL_TESTE(TestLeitorXml)
#include "TestLeitorXml.moc"
