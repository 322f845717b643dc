#pragma once
// Reading an exported spreadsheet back as its user's program would: the .xlsx through its zip
// (read with the statement import's own zip reader, not QuaZip) and XML parts (shared
// strings, styles, the sheet), the .ods through content.xml, the .csv byte by byte (BOM, ";",
// quotes, CR LF). Every format becomes the same grid of typed cells.
#include <QDate>
#include <QFile>
#include <QMap>
#include <QXmlStreamReader>
#include <QRegularExpression>
#include <cmath>
#include "extractos/LeituraZip.h"

namespace LeituraFolhas
{

struct Celula {
    enum Tipo { Texto, Numero, Data } tipo = Texto;
    QString texto;       // as written in the file
    qint64 centimos = 0; // a number in cents
    bool exacto = true;  // the number is the amount to the cent
    QDate data;
    QString formato; // number format of the cell (xlsx, ods: its style name)
};

struct Folha {
    QMap<int, QMap<int, Celula>> linhas; // row -> column -> cell, from 0
    int linhasFixas = -1;                // rows frozen at the top (xlsx)
    QStringList erros;                   // what does not read as the format says
    QString texto(int l, int c) const { return linhas.value(l).value(c).texto; }
    // The first row whose first cell is `rotulo`, -1 when none.
    int linhaDe(const QString &rotulo) const
    {
        for (auto it = linhas.begin(); it != linhas.end(); ++it)
            if (it->contains(0) && it->value(0).texto == rotulo)
                return it.key();
        return -1;
    }
};

// "-1234.56" or "1234,5" to cents; the decimal text must hold at most two decimals, else the
// nearest cent of its value, marked inexact unless the double is that of the cent amount.
inline void numero(Celula &c, QString t, QChar separador)
{
    c.tipo = Celula::Numero;
    t.replace(separador, QLatin1Char('.'));
    const qsizetype ponto = t.indexOf(u'.');
    if (ponto < 0 || t.size() - ponto - 1 <= 2) {
        const bool negativo = t.startsWith(u'-');
        QString d = negativo ? t.mid(1) : t;
        QString inteira = ponto < 0 ? d : d.left(d.indexOf(u'.'));
        QString decimais = ponto < 0 ? QString() : d.mid(d.indexOf(u'.') + 1);
        decimais = (decimais + QStringLiteral("00")).left(2);
        bool ok1 = false, ok2 = false;
        const qint64 v = inteira.toLongLong(&ok1) * 100 + decimais.toLongLong(&ok2);
        c.exacto = ok1 && ok2;
        c.centimos = negativo ? -v : v;
        return;
    }
    const double v = t.toDouble();
    c.centimos = std::llround(v * 100.0);
    c.exacto = v == double(c.centimos) / 100.0;
}

// One entry of a zip file, read with the program's own zip reader; "" when absent or damaged.
inline QByteArray entradaZip(const QString &ficheiro, const QString &nome)
{
    QFile f(ficheiro);
    LeituraZip zip;
    if (!f.open(QIODevice::ReadOnly) || !zip.abre(f.readAll()))
        return {};
    LeituraZip::Falha falha;
    return zip.parte(nome, qint64(1) << 30, falha).value_or(QByteArray());
}

inline std::pair<int, int> referencia(const QString &r)
{
    int coluna = 0, i = 0;
    for (; i < r.size() && r[i].isLetter(); ++i)
        coluna = coluna * 26 + (r[i].toUpper().unicode() - 'A' + 1);
    return {r.mid(i).toInt() - 1, coluna - 1};
}

inline Folha leXlsx(const QString &ficheiro)
{
    Folha f;
    QStringList partilhados;
    {
        QXmlStreamReader x(entradaZip(ficheiro, QStringLiteral("xl/sharedStrings.xml")));
        QString atual;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"si")
                atual.clear();
            else if (x.isStartElement() && x.name() == u"t")
                atual += x.readElementText();
            else if (x.isEndElement() && x.name() == u"si")
                partilhados << atual;
        }
    }
    QMap<int, QString> formatos; // numFmtId -> code
    QStringList estilos;         // cellXfs index -> code
    {
        QXmlStreamReader x(entradaZip(ficheiro, QStringLiteral("xl/styles.xml")));
        bool emXfs = false;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"numFmt")
                formatos[x.attributes().value(QLatin1String("numFmtId")).toInt()] =
                    x.attributes().value(QLatin1String("formatCode")).toString();
            if (x.name() == u"cellXfs")
                emXfs = x.isStartElement();
            if (emXfs && x.isStartElement() && x.name() == u"xf")
                estilos << formatos.value(x.attributes().value(QLatin1String("numFmtId")).toInt());
        }
    }
    const QByteArray folha = entradaZip(ficheiro, QStringLiteral("xl/worksheets/sheet1.xml"));
    if (folha.isEmpty())
        f.erros << QStringLiteral("sem xl/worksheets/sheet1.xml");
    QXmlStreamReader x(folha);
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        if (x.name() == u"pane" && x.attributes().value(QLatin1String("state")) == u"frozen")
            f.linhasFixas = x.attributes().value(QLatin1String("ySplit")).toInt();
        if (x.name() != u"c")
            continue;
        const auto [l, c] = referencia(x.attributes().value(QLatin1String("r")).toString());
        const QString tipo = x.attributes().value(QLatin1String("t")).toString();
        const int s = x.attributes().value(QLatin1String("s")).toInt();
        QString v;
        while (!(x.isEndElement() && x.name() == u"c") && !x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"v")
                v = x.readElementText();
        }
        Celula cel;
        cel.formato = estilos.value(s);
        if (tipo == u"s") {
            cel.texto = partilhados.value(v.toInt());
        } else if (cel.formato.contains(QLatin1String("yy"))) {
            cel.tipo = Celula::Data;
            cel.data = QDate(1899, 12, 30).addDays(v.toLongLong());
            cel.texto = v;
        } else {
            cel.texto = v;
            numero(cel, v, QLatin1Char('.'));
        }
        f.linhas[l][c] = cel;
    }
    if (x.hasError())
        f.erros << x.errorString();
    return f;
}

inline Folha leOds(const QString &ficheiro)
{
    Folha f;
    QXmlStreamReader x(entradaZip(ficheiro, QStringLiteral("content.xml")));
    int linha = -1, coluna = 0;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"table-row") {
            ++linha;
            coluna = 0;
        } else if (x.isStartElement() && x.name() == u"table-cell") {
            const QXmlStreamAttributes atributos = x.attributes();
            struct {
                const QXmlStreamAttributes &todos;
                // By local name: every attribute here is in one of ODF's namespaces.
                QString value(QLatin1String nome) const
                {
                    for (const QXmlStreamAttribute &a : todos)
                        if (a.name() == nome)
                            return a.value().toString();
                    return {};
                }
            } a{atributos};
            const int vezes =
                std::max(1, a.value(QLatin1String("number-columns-repeated")).toInt());
            const QString tipo = a.value(QLatin1String("value-type"));
            Celula c;
            c.formato = a.value(QLatin1String("style-name"));
            if (tipo == u"float" || tipo == u"currency") {
                numero(c, a.value(QLatin1String("value")), QLatin1Char('.'));
                if (tipo == u"currency" && a.value(QLatin1String("currency")) != u"EUR")
                    f.erros << QStringLiteral("moeda que não é o euro");
            } else if (tipo == u"date") {
                c.tipo = Celula::Data;
                c.data = QDate::fromString(a.value(QLatin1String("date-value")), Qt::ISODate);
            }
            QString texto;
            while (!(x.isEndElement() && x.name() == u"table-cell") && !x.atEnd()) {
                x.readNext();
                if (x.isStartElement() && x.name() == u"p")
                    texto += x.readElementText(QXmlStreamReader::IncludeChildElements);
            }
            if (c.tipo == Celula::Texto)
                c.texto = texto;
            if (!tipo.isEmpty())
                f.linhas[linha][coluna] = c;
            coluna += vezes;
        }
    }
    if (x.hasError())
        f.erros << x.errorString();
    return f;
}

// Fields of one CSV line; quotes around a field are taken off, doubled quotes made one.
inline Folha leCsv(const QByteArray &bytes)
{
    Folha f;
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        f.erros << QStringLiteral("sem BOM");
    const QString texto = QString::fromUtf8(bytes.mid(3));
    if (texto.contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))))
        f.erros << QStringLiteral("linha terminada sem CR");
    int linha = 0, coluna = 0;
    QString campo;
    bool aspas = false, citado = false;
    auto guarda = [&] {
        if (!campo.isEmpty() || citado) {
            Celula c;
            c.texto = campo;
            static const QRegularExpression numeroPt(QStringLiteral("^-?\\d+,\\d\\d$"));
            static const QRegularExpression data(QStringLiteral("^\\d\\d-\\d\\d-\\d{4}$"));
            if (!citado && numeroPt.match(campo).hasMatch())
                numero(c, campo, QLatin1Char(','));
            else if (!citado && data.match(campo).hasMatch()) {
                c.tipo = Celula::Data;
                c.data = QDate::fromString(campo, QStringLiteral("dd-MM-yyyy"));
            }
            f.linhas[linha][coluna] = c;
        }
        campo.clear();
        citado = false;
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar ch = texto[i];
        if (aspas) {
            if (ch == u'"' && i + 1 < texto.size() && texto[i + 1] == u'"') {
                campo += u'"';
                ++i;
            } else if (ch == u'"') {
                aspas = false;
            } else {
                campo += ch;
            }
        } else if (ch == u'"') {
            aspas = citado = true;
        } else if (ch == u';') {
            guarda();
            ++coluna;
        } else if (ch == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n') {
            guarda();
            ++linha;
            coluna = 0;
            ++i;
        } else {
            campo += ch;
        }
    }
    if (!campo.isEmpty())
        f.erros << QStringLiteral("última linha sem CR LF");
    return f;
}

inline Folha le(const QString &ficheiro)
{
    if (ficheiro.endsWith(QLatin1String(".xlsx")))
        return leXlsx(ficheiro);
    if (ficheiro.endsWith(QLatin1String(".ods")))
        return leOds(ficheiro);
    QFile f(ficheiro);
    f.open(QIODevice::ReadOnly);
    return leCsv(f.readAll());
}

} // namespace LeituraFolhas
