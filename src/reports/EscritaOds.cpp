// The listing as an OpenDocument spreadsheet: a zip whose first entry is the media type,
// stored uncompressed, then content.xml (one table "Extracto"), styles.xml, settings.xml (the
// rows down to the column titles frozen) and the manifest. Amounts are currency values in euros
// written as exact decimals; dates are date values.
#include "data/Dinheiro.h"
#include "data/Regional.h"
#include "reports/ArquivoZip.h"
#include "reports/EscritasFolha.h"
#include "reports/FolhaExtracto.h"
#include "reports/ModeloRelatorio.h"

#include <QXmlStreamWriter>

namespace EscritasFolha {

namespace {

const QString Office = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString Style = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString Text = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString Table = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString Number = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");
const QString Fo =
    QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString Config = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:config:1.0");
const QString Manifest = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const char *const TipoMime = "application/vnd.oasis.opendocument.spreadsheet";
const QString NomeFolha = QStringLiteral("Extracto");

void namespaces(QXmlStreamWriter &x)
{
    x.writeNamespace(Office, QStringLiteral("office"));
    x.writeNamespace(Style, QStringLiteral("style"));
    x.writeNamespace(Text, QStringLiteral("text"));
    x.writeNamespace(Table, QStringLiteral("table"));
    x.writeNamespace(Number, QStringLiteral("number"));
    x.writeNamespace(Fo, QStringLiteral("fo"));
}

void estilo(QXmlStreamWriter &x, const QString &nome, const QString &formato, bool negrito)
{
    x.writeStartElement(Style, QStringLiteral("style"));
    x.writeAttribute(Style, QStringLiteral("name"), nome);
    x.writeAttribute(Style, QStringLiteral("family"), QStringLiteral("table-cell"));
    if (!formato.isEmpty())
        x.writeAttribute(Style, QStringLiteral("data-style-name"), formato);
    if (negrito) {
        x.writeEmptyElement(Style, QStringLiteral("text-properties"));
        x.writeAttribute(Fo, QStringLiteral("font-weight"), QStringLiteral("bold"));
    }
    x.writeEndElement();
}

// Number formats and cell styles: N1 dd-mm-yyyy, N2 "#,##0.00 €"; ce1 a date, ce2 an amount,
// ce3 bold text, ce4 a bold amount; co<n> the width of column n.
void estilosAutomaticos(QXmlStreamWriter &x, const std::vector<ColunaModelo> &colunas)
{
    x.writeStartElement(Office, QStringLiteral("automatic-styles"));
    x.writeStartElement(Number, QStringLiteral("date-style"));
    x.writeAttribute(Style, QStringLiteral("name"), QStringLiteral("N1"));
    const char *partes[] = {"day", "-", "month", "-", "year"};
    for (const char *p : partes) {
        if (*p == '-') {
            x.writeTextElement(Number, QStringLiteral("text"), QStringLiteral("-"));
            continue;
        }
        x.writeEmptyElement(Number, QString::fromLatin1(p));
        x.writeAttribute(Number, QStringLiteral("style"), QStringLiteral("long"));
    }
    x.writeEndElement();

    x.writeStartElement(Number, QStringLiteral("currency-style"));
    x.writeAttribute(Style, QStringLiteral("name"), QStringLiteral("N2"));
    x.writeEmptyElement(Number, QStringLiteral("number"));
    x.writeAttribute(Number, QStringLiteral("decimal-places"), QStringLiteral("2"));
    x.writeAttribute(Number, QStringLiteral("min-decimal-places"), QStringLiteral("2"));
    x.writeAttribute(Number, QStringLiteral("min-integer-digits"), QStringLiteral("1"));
    x.writeAttribute(Number, QStringLiteral("grouping"), QStringLiteral("true"));
    x.writeTextElement(Number, QStringLiteral("text"), QStringLiteral(" "));
    x.writeStartElement(Number, QStringLiteral("currency-symbol"));
    x.writeAttribute(Number, QStringLiteral("language"), QStringLiteral("pt"));
    x.writeAttribute(Number, QStringLiteral("country"), QStringLiteral("PT"));
    x.writeCharacters(QStringLiteral("€"));
    x.writeEndElement();
    x.writeEndElement();

    estilo(x, QStringLiteral("ce1"), QStringLiteral("N1"), false);
    estilo(x, QStringLiteral("ce2"), QStringLiteral("N2"), false);
    estilo(x, QStringLiteral("ce3"), QString(), true);
    estilo(x, QStringLiteral("ce4"), QStringLiteral("N2"), true);
    for (size_t i = 0; i < colunas.size(); ++i) {
        x.writeStartElement(Style, QStringLiteral("style"));
        x.writeAttribute(Style, QStringLiteral("name"), QStringLiteral("co%1").arg(i));
        x.writeAttribute(Style, QStringLiteral("family"), QStringLiteral("table-column"));
        x.writeEmptyElement(Style, QStringLiteral("table-column-properties"));
        const double mm = colunas[i].formato == FormatoColuna::Texto
                              ? colunas[i].larguraMm
                              : std::max(colunas[i].larguraMm, 22.0);
        x.writeAttribute(Style, QStringLiteral("column-width"),
                         QString::number(mm / 10.0, 'f', 2) + QStringLiteral("cm"));
        x.writeEndElement();
    }
    x.writeEndElement();
}

class DestinoOds : public DestinoFolha
{
public:
    explicit DestinoOds(QXmlStreamWriter &x) : m_x(x) {}
    int linhaTitulos = 0;
    void linha(int n, TipoLinhaFolha tipo) override
    {
        fecha();
        if (tipo == TipoLinhaFolha::Titulos)
            linhaTitulos = n;
        // The column titles are the table's header rows: repeated on every printed page.
        if (tipo == TipoLinhaFolha::Titulos) {
            m_x.writeStartElement(Table, QStringLiteral("table-header-rows"));
            m_fechaCabecalho = true;
        }
        m_x.writeStartElement(Table, QStringLiteral("table-row"));
        m_aberta = true;
        m_coluna = 0;
    }
    void celula(int coluna, const CelulaQuadro &v, bool negrito) override
    {
        if (coluna > m_coluna) {
            m_x.writeEmptyElement(Table, QStringLiteral("table-cell"));
            if (coluna - m_coluna > 1)
                m_x.writeAttribute(Table, QStringLiteral("number-columns-repeated"),
                                   QString::number(coluna - m_coluna));
        }
        m_coluna = coluna + 1;
        m_x.writeStartElement(Table, QStringLiteral("table-cell"));
        QString mostrado;
        switch (v.tipo) {
        case TipoCelula::Vazia: break;
        case TipoCelula::Texto:
            if (negrito)
                m_x.writeAttribute(Table, QStringLiteral("style-name"), QStringLiteral("ce3"));
            m_x.writeAttribute(Office, QStringLiteral("value-type"), QStringLiteral("string"));
            mostrado = v.texto;
            break;
        case TipoCelula::Data:
            m_x.writeAttribute(Table, QStringLiteral("style-name"), QStringLiteral("ce1"));
            m_x.writeAttribute(Office, QStringLiteral("value-type"), QStringLiteral("date"));
            m_x.writeAttribute(Office, QStringLiteral("date-value"),
                               Regional::paraIso(v.data));
            mostrado = Regional::formataData(v.data);
            break;
        case TipoCelula::Inteiro:
            m_x.writeAttribute(Office, QStringLiteral("value-type"), QStringLiteral("float"));
            m_x.writeAttribute(Office, QStringLiteral("value"), QString::number(v.numero));
            mostrado = QString::number(v.numero);
            break;
        case TipoCelula::Dinheiro:
            m_x.writeAttribute(Table, QStringLiteral("style-name"),
                               negrito ? QStringLiteral("ce4") : QStringLiteral("ce2"));
            m_x.writeAttribute(Office, QStringLiteral("value-type"), QStringLiteral("currency"));
            m_x.writeAttribute(Office, QStringLiteral("currency"), QStringLiteral("EUR"));
            m_x.writeAttribute(Office, QStringLiteral("value"),
                               QString::fromLatin1(decimal(v.numero, '.')));
            mostrado = Dinheiro::deCentimos(v.numero).formataMoeda();
            break;
        }
        if (!mostrado.isEmpty())
            m_x.writeTextElement(Text, QStringLiteral("p"), mostrado);
        m_x.writeEndElement();
    }
    void termina() { fecha(); }

private:
    void fecha()
    {
        if (!m_aberta)
            return;
        if (m_coluna == 0) // a row holds at least one cell
            m_x.writeEmptyElement(Table, QStringLiteral("table-cell"));
        m_x.writeEndElement(); // table-row
        m_aberta = false;
        if (m_fechaCabecalho) {
            m_x.writeEndElement(); // table-header-rows
            m_fechaCabecalho = false;
        }
    }
    QXmlStreamWriter &m_x;
    int m_coluna = 0;
    bool m_aberta = false, m_fechaCabecalho = false;
};

QByteArray conteudo(const QuadroListagem &quadro, int *linhaTitulos)
{
    QByteArray bytes;
    QXmlStreamWriter x(&bytes);
    x.writeStartDocument();
    namespaces(x); // declared before the root, so it carries the usual prefixes
    x.writeStartElement(Office, QStringLiteral("document-content"));
    x.writeAttribute(Office, QStringLiteral("version"), QStringLiteral("1.2"));
    estilosAutomaticos(x, quadro.colunas());
    x.writeStartElement(Office, QStringLiteral("body"));
    x.writeStartElement(Office, QStringLiteral("spreadsheet"));
    x.writeStartElement(Table, QStringLiteral("table"));
    x.writeAttribute(Table, QStringLiteral("name"), NomeFolha);
    for (size_t i = 0; i < quadro.colunas().size(); ++i) {
        x.writeEmptyElement(Table, QStringLiteral("table-column"));
        x.writeAttribute(Table, QStringLiteral("style-name"), QStringLiteral("co%1").arg(i));
    }
    DestinoOds destino(x);
    FolhaExtracto::percorre(quadro, destino);
    destino.termina();
    *linhaTitulos = destino.linhaTitulos; // for the frozen rows of the settings
    x.writeEndDocument();
    return bytes;
}

QByteArray estilos()
{
    QByteArray bytes;
    QXmlStreamWriter x(&bytes);
    x.writeStartDocument();
    namespaces(x);
    x.writeStartElement(Office, QStringLiteral("document-styles"));
    x.writeAttribute(Office, QStringLiteral("version"), QStringLiteral("1.2"));
    x.writeEmptyElement(Office, QStringLiteral("styles"));
    x.writeEndDocument();
    return bytes;
}

// The view of the sheet: rows 0 to `linhaTitulos` frozen, as a spreadsheet saves a freeze.
QByteArray definicoes(int linhaTitulos)
{
    QByteArray bytes;
    QXmlStreamWriter x(&bytes);
    auto item = [&](const char *nome, const char *tipo, const QString &valor) {
        x.writeStartElement(Config, QStringLiteral("config-item"));
        x.writeAttribute(Config, QStringLiteral("name"), QString::fromLatin1(nome));
        x.writeAttribute(Config, QStringLiteral("type"), QString::fromLatin1(tipo));
        x.writeCharacters(valor);
        x.writeEndElement();
    };
    const QString fixas = QString::number(linhaTitulos + 1);
    x.writeStartDocument();
    x.writeNamespace(Office, QStringLiteral("office"));
    x.writeNamespace(Config, QStringLiteral("config"));
    x.writeStartElement(Office, QStringLiteral("document-settings"));
    x.writeAttribute(Office, QStringLiteral("version"), QStringLiteral("1.2"));
    x.writeStartElement(Office, QStringLiteral("settings"));
    x.writeStartElement(Config, QStringLiteral("config-item-set"));
    x.writeAttribute(Config, QStringLiteral("name"), QStringLiteral("ooo:view-settings"));
    x.writeStartElement(Config, QStringLiteral("config-item-map-indexed"));
    x.writeAttribute(Config, QStringLiteral("name"), QStringLiteral("Views"));
    x.writeStartElement(Config, QStringLiteral("config-item-map-entry"));
    item("ViewId", "string", QStringLiteral("view1"));
    x.writeStartElement(Config, QStringLiteral("config-item-map-named"));
    x.writeAttribute(Config, QStringLiteral("name"), QStringLiteral("Tables"));
    x.writeStartElement(Config, QStringLiteral("config-item-map-entry"));
    x.writeAttribute(Config, QStringLiteral("name"), NomeFolha);
    item("VerticalSplitMode", "short", QStringLiteral("2"));
    item("VerticalSplitPosition", "int", fixas);
    item("ActiveSplitRange", "short", QStringLiteral("2"));
    item("PositionTop", "int", QStringLiteral("0"));
    item("PositionBottom", "int", fixas);
    x.writeEndDocument();
    return bytes;
}

QByteArray manifesto()
{
    QByteArray bytes;
    QXmlStreamWriter x(&bytes);
    x.writeStartDocument();
    x.writeNamespace(Manifest, QStringLiteral("manifest"));
    x.writeStartElement(Manifest, QStringLiteral("manifest"));
    x.writeAttribute(Manifest, QStringLiteral("version"), QStringLiteral("1.2"));
    auto entrada = [&](const QString &caminho, const QString &tipo) {
        x.writeEmptyElement(Manifest, QStringLiteral("file-entry"));
        x.writeAttribute(Manifest, QStringLiteral("full-path"), caminho);
        if (caminho == QLatin1String("/"))
            x.writeAttribute(Manifest, QStringLiteral("version"), QStringLiteral("1.2"));
        x.writeAttribute(Manifest, QStringLiteral("media-type"), tipo);
    };
    entrada(QStringLiteral("/"), QString::fromLatin1(TipoMime));
    for (const char *f : {"content.xml", "styles.xml", "settings.xml"})
        entrada(QString::fromLatin1(f), QStringLiteral("text/xml"));
    x.writeEndDocument();
    return bytes;
}

} // namespace

QByteArray ods(const QuadroListagem &quadro)
{
    int linhaTitulos = 0;
    const QByteArray content = conteudo(quadro, &linhaTitulos);
    ArquivoZip zip;
    const bool ok = zip.adiciona(QStringLiteral("mimetype"), QByteArray(TipoMime), false)
                    && zip.adiciona(QStringLiteral("content.xml"), content, true)
                    && zip.adiciona(QStringLiteral("styles.xml"), estilos(), true)
                    && zip.adiciona(QStringLiteral("settings.xml"), definicoes(linhaTitulos), true)
                    && zip.adiciona(QStringLiteral("META-INF/manifest.xml"), manifesto(), true);
    if (!ok)
        throw ErroRelatorio(QStringLiteral("não houve memória para comprimir o ficheiro."));
    return zip.termina();
}

} // namespace EscritasFolha
