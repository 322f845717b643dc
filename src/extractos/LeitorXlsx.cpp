#include "extractos/LeitorXlsx.h"

#include <QDate>
#include <QHash>
#include <QXmlStreamReader>

#include "extractos/ErroExtracto.h"
#include "extractos/LeitorCampos.h"
#include "extractos/LeituraZip.h"

namespace {

constexpr qint64 MaximoParte = 128 * 1024 * 1024;
constexpr int MaximoColunas = 1024;
constexpr int MaximoLinhasEmBranco = 100;

struct Arquivo {
    LeituraZip zip;
    explicit Arquivo(const QByteArray &b) : m_bytes(b) {}
    bool abre() { return zip.abre(m_bytes); }

    // The part's bytes; nullopt when the archive has no such part.
    std::optional<QByteArray> parte(const QString &nome, const QString &ficheiro)
    {
        LeituraZip::Falha falha;
        auto r = zip.parte(nome, MaximoParte, falha);
        if (falha == LeituraZip::Falha::GrandeDemais)
            throw ErroExtracto(ficheiro, 0, QStringLiteral("a folha de cálculo é grande demais."));
        if (falha != LeituraZip::Falha::Nenhuma)
            throw ErroExtracto(ficheiro, 0, QStringLiteral("a folha de cálculo está danificada."));
        return r;
    }

private:
    QByteArray m_bytes;
};

[[noreturn]] void danificado(const QString &ficheiro, const QXmlStreamReader &x)
{
    throw ErroExtracto(ficheiro, int(std::min<qint64>(x.lineNumber(), INT_MAX)),
                       QStringLiteral("a folha de cálculo está danificada ou incompleta (%1).")
                           .arg(x.errorString()));
}

QString primeiraFolha(Arquivo &a, const QString &ficheiro)
{
    const QString omissao = QStringLiteral("xl/worksheets/sheet1.xml");
    const auto livro = a.parte(QStringLiteral("xl/workbook.xml"), ficheiro);
    const auto rels = a.parte(QStringLiteral("xl/_rels/workbook.xml.rels"), ficheiro);
    if (!livro || !rels)
        return omissao;
    QString id;
    QXmlStreamReader x(*livro);
    while (!x.atEnd() && id.isEmpty())
        if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"sheet")
            for (const auto &at : x.attributes())
                if (at.name() == u"id")
                    id = at.value().toString();
    if (id.isEmpty())
        return omissao;
    QXmlStreamReader r(*rels);
    while (!r.atEnd())
        if (r.readNext() == QXmlStreamReader::StartElement && r.name() == u"Relationship"
            && r.attributes().value(QLatin1String("Id")) == id) {
            QString alvo = r.attributes().value(QLatin1String("Target")).toString();
            if (alvo.startsWith(u'/'))
                return alvo.mid(1);
            return QStringLiteral("xl/") + alvo;
        }
    return omissao;
}

QStringList textosPartilhados(Arquivo &a, const QString &ficheiro)
{
    QStringList r;
    const auto parte = a.parte(QStringLiteral("xl/sharedStrings.xml"), ficheiro);
    if (!parte)
        return r;
    QXmlStreamReader x(*parte);
    QString actual;
    bool dentro = false;
    int fonetica = 0;
    while (!x.atEnd()) {
        switch (x.readNext()) {
        case QXmlStreamReader::StartElement:
            if (x.name() == u"si")
                dentro = true, actual.clear();
            else if (x.name() == u"rPh")
                ++fonetica;
            else if (x.name() == u"t" && dentro && !fonetica)
                actual += x.readElementText(QXmlStreamReader::IncludeChildElements);
            break;
        case QXmlStreamReader::EndElement:
            if (x.name() == u"si")
                r << actual, dentro = false;
            else if (x.name() == u"rPh")
                --fonetica;
            break;
        default:
            break;
        }
    }
    if (x.hasError())
        danificado(ficheiro, x);
    return r;
}

// Whether a number format code shows a date: d, m or y outside quotes and brackets.
bool codigoDeData(const QString &codigo)
{
    bool aspas = false;
    int colchete = 0;
    for (const QChar c : codigo) {
        if (c == u'"')
            aspas = !aspas;
        else if (!aspas && c == u'[')
            ++colchete;
        else if (!aspas && c == u']')
            colchete = std::max(0, colchete - 1);
        else if (!aspas && !colchete && (c == u'd' || c == u'y' || c == u'D' || c == u'Y'))
            return true;
    }
    return false;
}

// For each cell style, whether it shows a date.
std::vector<bool> estilosDeData(Arquivo &a, const QString &ficheiro)
{
    std::vector<bool> r;
    const auto parte = a.parte(QStringLiteral("xl/styles.xml"), ficheiro);
    if (!parte)
        return r;
    QHash<int, bool> formatos;
    for (int id : {14, 15, 16, 17, 22, 27, 30, 36, 45, 46, 47, 50, 57})
        formatos[id] = true;
    QXmlStreamReader x(*parte);
    bool emCellXfs = false;
    while (!x.atEnd()) {
        const auto t = x.readNext();
        if (t == QXmlStreamReader::StartElement) {
            if (x.name() == u"numFmt")
                formatos[x.attributes().value(QLatin1String("numFmtId")).toInt()] =
                    codigoDeData(x.attributes().value(QLatin1String("formatCode")).toString());
            else if (x.name() == u"cellXfs")
                emCellXfs = true;
            else if (emCellXfs && x.name() == u"xf" && r.size() < 65536)
                r.push_back(formatos.value(x.attributes().value(QLatin1String("numFmtId")).toInt(), false));
        } else if (t == QXmlStreamReader::EndElement && x.name() == u"cellXfs") {
            emCellXfs = false;
        }
    }
    return r;
}

int colunaDe(QStringView ref)
{
    int c = 0;
    for (const QChar ch : ref) {
        if (ch >= u'A' && ch <= u'Z')
            c = c * 26 + (ch.unicode() - 'A' + 1);
        else
            break;
        if (c > MaximoColunas)
            return -1;
    }
    return c - 1;
}

} // namespace

namespace LeitorXlsx {

bool ehXlsx(const QByteArray &conteudo)
{
    if (!conteudo.startsWith("PK\x03\x04"))
        return false;
    Arquivo a(conteudo);
    if (!a.abre())
        return false;
    for (const QString &n : a.zip.nomes())
        if (n.compare(QLatin1String("xl/workbook.xml"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool zipLegivel(const QByteArray &conteudo)
{
    Arquivo a(conteudo);
    return a.abre();
}

std::vector<LinhaTabela> linhas(const QByteArray &conteudo, const QString &ficheiro)
{
    Arquivo a(conteudo);
    if (!a.abre())
        throw ErroExtracto(ficheiro, 0,
                           QStringLiteral("a folha de cálculo está danificada ou incompleta."));
    const QString folha = primeiraFolha(a, ficheiro);
    const QStringList partilhados = textosPartilhados(a, ficheiro);
    const std::vector<bool> datas = estilosDeData(a, ficheiro);
    const auto parte = a.parte(folha, ficheiro);
    if (!parte)
        throw ErroExtracto(ficheiro, 0, QStringLiteral("a folha de cálculo não tem folhas."));

    std::vector<LinhaTabela> r;
    QXmlStreamReader x(*parte);
    LinhaTabela linha;
    bool naLinha = false;
    int numeroLinha = 0;
    auto poeCelula = [&](int col, const QString &texto, bool numero) {
        if (col < 0 || col >= MaximoColunas)
            return;
        while (linha.celulas.size() <= col)
            linha.celulas << QString();
        linha.numericas.resize(size_t(linha.celulas.size()), false);
        linha.celulas[col] = texto;
        linha.numericas[size_t(col)] = numero;
    };
    while (!x.atEnd()) {
        const auto t = x.readNext();
        if (t == QXmlStreamReader::StartElement && x.name() == u"row") {
            const int n = x.attributes().value(QLatin1String("r")).toInt();
            const int esta = n > numeroLinha ? n : numeroLinha + 1;
            for (int k = numeroLinha + 1; k < esta && k <= numeroLinha + MaximoLinhasEmBranco; ++k)
                r.push_back(LinhaTabela{k, {}, {}});
            numeroLinha = esta;
            linha = LinhaTabela{numeroLinha, {}, {}};
            naLinha = true;
        } else if (t == QXmlStreamReader::EndElement && x.name() == u"row") {
            r.push_back(std::move(linha));
            linha = {};
            naLinha = false;
        } else if (t == QXmlStreamReader::StartElement && x.name() == u"c" && naLinha) {
            const auto at = x.attributes();
            const QString ref = at.value(QLatin1String("r")).toString();
            const int col = ref.isEmpty() ? int(linha.celulas.size()) : colunaDe(ref);
            const QString tipo = at.value(QLatin1String("t")).toString();
            const int estilo = at.value(QLatin1String("s")).toInt();
            QString valor;
            while (!x.atEnd()) {
                const auto u = x.readNext();
                if (u == QXmlStreamReader::StartElement && (x.name() == u"v" || x.name() == u"t"))
                    valor += x.readElementText(QXmlStreamReader::IncludeChildElements);
                else if (u == QXmlStreamReader::EndElement && x.name() == u"c")
                    break;
            }
            if (tipo == u"s") {
                bool ok = false;
                const int i = valor.toInt(&ok);
                if (!ok || i < 0 || i >= partilhados.size())
                    throw ErroExtracto(ficheiro, numeroLinha,
                                       QStringLiteral("a célula %1 refere um texto que não existe.")
                                           .arg(ref));
                poeCelula(col, partilhados.at(i), false);
            } else if (tipo == u"d") {
                const QDate d = LeitorCampos::data(valor, FormaData::AnoMesDia);
                poeCelula(col, d.isValid() ? d.toString(Qt::ISODate) : valor, false);
            } else if (tipo.isEmpty() || tipo == u"n") {
                const bool data = estilo >= 0 && size_t(estilo) < datas.size()
                                  && datas[size_t(estilo)];
                const QDate d = data ? LeitorCampos::dataSerial(valor) : QDate();
                if (d.isValid())
                    poeCelula(col, d.toString(Qt::ISODate), false);
                else
                    poeCelula(col, valor.trimmed(), !valor.trimmed().isEmpty());
            } else {
                poeCelula(col, valor, false);
            }
        }
    }
    if (x.hasError() || naLinha)
        danificado(ficheiro, x);
    return r;
}

} // namespace LeitorXlsx
