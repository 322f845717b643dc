// The listing as CSV the way a Portuguese spreadsheet opens it: UTF-8 with a byte-order mark,
// ";" between fields, decimal comma without grouping, dates dd-mm-yyyy, CR LF at each line end.
#include "data/Regional.h"
#include "reports/EscritasFolha.h"
#include "reports/FolhaExtracto.h"

namespace EscritasFolha {

QByteArray decimal(qint64 centimos, char separador)
{
    QByteArray r;
    const bool negativo = centimos < 0;
    const quint64 n = negativo ? quint64(0) - quint64(centimos) : quint64(centimos);
    if (negativo)
        r += '-';
    r += QByteArray::number(n / 100);
    r += separador;
    const int resto = int(n % 100);
    r += char('0' + resto / 10);
    r += char('0' + resto % 10);
    return r;
}

namespace {

// A text field: quoted, with its quotes doubled, when it holds a separator, a quote or a line
// break. A text a spreadsheet would run as a formula (a description starting with "=", "+",
// "-" or "@", as a statement line from outside may) is kept as text by a leading apostrophe.
QByteArray campoTexto(const QString &t)
{
    QString v = t;
    if (!v.isEmpty() && QStringLiteral("=+-@\t\r").contains(v.front()))
        v.prepend(QLatin1Char('\''));
    QByteArray b = v.toUtf8();
    if (b.contains(';') || b.contains('"') || b.contains('\n') || b.contains('\r')) {
        b.replace('"', "\"\"");
        b.prepend('"');
        b.append('"');
    }
    return b;
}

class DestinoCsv : public DestinoFolha
{
public:
    explicit DestinoCsv(int colunas) : m_colunas(colunas) { m_bytes = "\xEF\xBB\xBF"; }
    void linha(int, TipoLinhaFolha) override
    {
        fecha();
        m_aberta = true;
        m_coluna = 0;
    }
    void celula(int coluna, const CelulaQuadro &v, bool) override
    {
        for (; m_coluna < coluna; ++m_coluna)
            m_bytes += ';';
        switch (v.tipo) {
        case TipoCelula::Vazia: break;
        case TipoCelula::Texto: m_bytes += campoTexto(v.texto); break;
        case TipoCelula::Data: m_bytes += Regional::formataData(v.data).toLatin1(); break;
        case TipoCelula::Inteiro: m_bytes += QByteArray::number(v.numero); break;
        case TipoCelula::Dinheiro: m_bytes += decimal(v.numero, ','); break;
        }
    }
    QByteArray termina()
    {
        fecha();
        return std::move(m_bytes);
    }

private:
    // Every line has as many fields as the table has columns.
    void fecha()
    {
        if (!m_aberta)
            return;
        for (; m_coluna < m_colunas - 1; ++m_coluna)
            m_bytes += ';';
        m_bytes += "\r\n";
        m_aberta = false;
    }
    QByteArray m_bytes;
    int m_colunas, m_coluna = 0;
    bool m_aberta = false;
};

} // namespace

QByteArray csv(const QuadroListagem &quadro)
{
    DestinoCsv d(int(quadro.colunas().size()));
    FolhaExtracto::percorre(quadro, d);
    return d.termina();
}

} // namespace EscritasFolha
