#include "extractos/LeitorXlsx.h"

#include <QDate>
#include <QHash>

#include "extractos/ErroExtracto.h"
#include "extractos/LeitorCampos.h"
#include "extractos/LeituraZip.h"
#include "extractos/LeitorXml.h"

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

[[noreturn]] void danificado(const QString &ficheiro, const LeitorXml &x)
{
    throw ErroExtracto(ficheiro, x.linha(),
                       QStringLiteral("a folha de cálculo está danificada ou incompleta (%1).")
                           .arg(x.erro()));
}

// "2026-03-05", written straight: every date cell of a long sheet is one.
QString iso(const QDate &d)
{
    int ano = 0, mes = 0, dia = 0;
    d.getDate(&ano, &mes, &dia);
    if (ano < 1000 || ano > 9999)
        return d.toString(Qt::ISODate);
    const char t[10] = {char('0' + ano / 1000), char('0' + ano / 100 % 10),
                        char('0' + ano / 10 % 10), char('0' + ano % 10), '-',
                        char('0' + mes / 10), char('0' + mes % 10), '-',
                        char('0' + dia / 10), char('0' + dia % 10)};
    return QString::fromLatin1(t, 10);
}

QString primeiraFolha(Arquivo &a, const QString &ficheiro)
{
    const QString omissao = QStringLiteral("xl/worksheets/sheet1.xml");
    const auto livro = a.parte(QStringLiteral("xl/workbook.xml"), ficheiro);
    const auto rels = a.parte(QStringLiteral("xl/_rels/workbook.xml.rels"), ficheiro);
    if (!livro || !rels)
        return omissao;
    QString id;
    LeitorXml x(*livro);
    while (!x.fim() && id.isEmpty())
        if (x.seguinte() == LeitorXml::Inicio && x.nome() == "sheet")
            id = x.atributo("id");
    if (id.isEmpty())
        return omissao;
    LeitorXml r(*rels);
    while (!r.fim())
        if (r.seguinte() == LeitorXml::Inicio && r.nome() == "Relationship"
            && r.atributo("Id") == id) {
            QString alvo = r.atributo("Target");
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
    LeitorXml x(*parte);
    QString actual;
    bool dentro = false;
    int fonetica = 0;
    while (!x.fim()) {
        switch (x.seguinte()) {
        case LeitorXml::Inicio:
            if (x.nome() == "si")
                dentro = true, actual.clear();
            else if (x.nome() == "rPh")
                ++fonetica;
            else if (x.nome() == "t" && dentro && !fonetica)
                actual += x.textoElemento();
            break;
        case LeitorXml::Fim:
            if (x.nome() == "si")
                r << actual, dentro = false;
            else if (x.nome() == "rPh")
                --fonetica;
            break;
        default:
            break;
        }
    }
    if (x.temErro())
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
    LeitorXml x(*parte);
    bool emCellXfs = false;
    while (!x.fim()) {
        const auto t = x.seguinte();
        if (t == LeitorXml::Inicio) {
            if (x.nome() == "numFmt")
                formatos[x.atributo("numFmtId").toInt()] =
                    codigoDeData(x.atributo("formatCode"));
            else if (x.nome() == "cellXfs")
                emCellXfs = true;
            else if (emCellXfs && x.nome() == "xf" && r.size() < 65536)
                r.push_back(formatos.value(x.atributo("numFmtId").toInt(), false));
        } else if (t == LeitorXml::Fim && x.nome() == "cellXfs") {
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
    LeitorXml x(*parte);
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
    while (!x.fim()) {
        const auto t = x.seguinte();
        if (t == LeitorXml::Inicio && x.nome() == "row") {
            const int n = x.atributo("r").toInt();
            const int esta = n > numeroLinha ? n : numeroLinha + 1;
            for (int k = numeroLinha + 1; k < esta && k <= numeroLinha + MaximoLinhasEmBranco; ++k)
                r.push_back(LinhaTabela{k, {}, {}});
            numeroLinha = esta;
            linha = LinhaTabela{numeroLinha, {}, {}};
            naLinha = true;
        } else if (t == LeitorXml::Fim && x.nome() == "row") {
            r.push_back(std::move(linha));
            linha = {};
            naLinha = false;
        } else if (t == LeitorXml::Inicio && x.nome() == "c" && naLinha) {
            const QString ref = x.atributo("r");
            const int col = ref.isEmpty() ? int(linha.celulas.size()) : colunaDe(ref);
            const QString tipo = x.atributo("t");
            const int estilo = x.atributo("s").toInt();
            QString valor;
            int dentro = 1; // the cell's own elements, so a nested <c> cannot end it early
            while (!x.fim()) {
                const auto u = x.seguinte();
                if (u == LeitorXml::Inicio && (x.nome() == "v" || x.nome() == "t"))
                    valor += x.textoElemento();
                else if (u == LeitorXml::Inicio)
                    ++dentro;
                else if (u == LeitorXml::Fim && --dentro == 0)
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
                poeCelula(col, d.isValid() ? iso(d) : valor, false);
            } else if (tipo.isEmpty() || tipo == u"n") {
                const bool data = estilo >= 0 && size_t(estilo) < datas.size()
                                  && datas[size_t(estilo)];
                const QDate d = data ? LeitorCampos::dataSerial(valor) : QDate();
                if (d.isValid())
                    poeCelula(col, iso(d), false);
                else
                    poeCelula(col, valor.trimmed(), !valor.trimmed().isEmpty());
            } else {
                poeCelula(col, valor, false);
            }
        }
    }
    if (x.temErro() || naLinha)
        danificado(ficheiro, x);
    return r;
}

} // namespace LeitorXlsx
