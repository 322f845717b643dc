#include "extractos/PresetCsv.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

namespace {

const QString ChavePresets = QStringLiteral("ExtractosCsv/Presets");
const QString ChaveFormas = QStringLiteral("ExtractosCsv/Formas");

QJsonObject paraJson(const PresetCsv &p)
{
    QJsonObject o;
    o[u"nome"] = p.nome;
    o[u"separador"] = QString(p.separador);
    o[u"codificacao"] = int(p.codificacao);
    o[u"formaData"] = int(p.formaData);
    o[u"decimal"] = QString(p.marcaDecimal);
    o[u"milhares"] = p.marcaMilhares.isNull() ? QString() : QString(p.marcaMilhares);
    o[u"cabecalho"] = p.linhasCabecalho;
    o[u"rodape"] = p.linhasRodape;
    o[u"data"] = p.colData;
    o[u"dataValor"] = p.colDataValor;
    o[u"descricao"] = p.colDescricao;
    o[u"numero"] = p.colNumero;
    o[u"debito"] = p.colDebito;
    o[u"credito"] = p.colCredito;
    o[u"valor"] = p.colValor;
    o[u"saldo"] = p.colSaldo;
    o[u"formaDebito"] = int(p.formaDebito);
    return o;
}

template <typename E> E enumerado(const QJsonObject &o, const char16_t *chave, E omissao, int maximo)
{
    const int v = o.value(QStringView(chave)).toInt(int(omissao));
    return v >= 0 && v <= maximo ? E(v) : omissao;
}

QChar caracter(const QJsonObject &o, const char16_t *chave, QChar omissao)
{
    const QJsonValue v = o.value(QStringView(chave));
    if (!v.isString())
        return omissao;
    const QString s = v.toString();
    return s.isEmpty() ? QChar() : s.front();
}

std::optional<PresetCsv> deJson(const QString &texto)
{
    const QJsonDocument d = QJsonDocument::fromJson(texto.toUtf8());
    if (!d.isObject())
        return std::nullopt;
    const QJsonObject o = d.object();
    PresetCsv p;
    p.nome = o.value(u"nome").toString();
    if (p.nome.isEmpty())
        return std::nullopt;
    p.separador = caracter(o, u"separador", u';');
    if (p.separador.isNull())
        p.separador = u';';
    p.codificacao = enumerado(o, u"codificacao", CodificacaoTexto::Windows1252, 4);
    p.formaData = enumerado(o, u"formaData", FormaData::DiaMesAnoHifen, 2);
    p.marcaDecimal = caracter(o, u"decimal", u',');
    if (p.marcaDecimal.isNull())
        p.marcaDecimal = u',';
    p.marcaMilhares = caracter(o, u"milhares", u'.');
    const auto inteiro = [&](const char16_t *chave, int minimo) {
        return std::clamp(o.value(QStringView(chave)).toInt(-1), minimo, 999);
    };
    p.linhasCabecalho = inteiro(u"cabecalho", 0);
    p.linhasRodape = inteiro(u"rodape", 0);
    p.colData = inteiro(u"data", -1);
    p.colDataValor = inteiro(u"dataValor", -1);
    p.colDescricao = inteiro(u"descricao", -1);
    p.colNumero = inteiro(u"numero", -1);
    p.colDebito = inteiro(u"debito", -1);
    p.colCredito = inteiro(u"credito", -1);
    p.colValor = inteiro(u"valor", -1);
    p.colSaldo = inteiro(u"saldo", -1);
    p.formaDebito = enumerado(o, u"formaDebito", FormaDebito::SinalMenos, 2);
    return p;
}

QJsonObject formas(const QSettings &s)
{
    return QJsonDocument::fromJson(s.value(ChaveFormas).toString().toUtf8()).object();
}

PresetCsv base(const QString &nome, QChar separador, CodificacaoTexto codificacao)
{
    PresetCsv p;
    p.nome = nome;
    p.separador = separador;
    p.codificacao = codificacao;
    p.linhasCabecalho = 1;
    return p;
}

} // namespace

bool PresetCsv::completo() const { return falta().isEmpty(); }

QString PresetCsv::falta() const
{
    if (colData < 0)
        return QStringLiteral("falta a coluna da data.");
    if (colValor < 0 && colDebito < 0 && colCredito < 0)
        return QStringLiteral("falta a coluna do valor (ou as do débito e do crédito).");
    if (marcaDecimal == marcaMilhares)
        return QStringLiteral("a marca decimal e a dos milhares não podem ser iguais.");
    return {};
}

namespace PresetsCsv {

std::vector<PresetCsv> predefinidos()
{
    std::vector<PresetCsv> r;
    // Booking date, value date, description, debit, credit, balance: the usual export.
    PresetCsv a = base(QStringLiteral("Débito e crédito em colunas (;)"), u';',
                       CodificacaoTexto::Windows1252);
    a.colData = 0, a.colDataValor = 1, a.colDescricao = 2, a.colDebito = 3, a.colCredito = 4,
    a.colSaldo = 5, a.formaDebito = FormaDebito::ColunaDebito;
    r.push_back(a);
    // Booking date, value date, description, signed amount, balance.
    PresetCsv b = base(QStringLiteral("Montante com sinal (;)"), u';', CodificacaoTexto::Windows1252);
    b.colData = 0, b.colDataValor = 1, b.colDescricao = 2, b.colValor = 3, b.colSaldo = 4;
    r.push_back(b);
    // Date, description, amount with a trailing minus, balance, tab separated.
    PresetCsv c = base(QStringLiteral("Menos no fim (tabulação)"), u'\t', CodificacaoTexto::Utf16Le);
    c.colData = 0, c.colDescricao = 1, c.colValor = 2, c.colSaldo = 3,
    c.formaDebito = FormaDebito::MenosNoFim;
    r.push_back(c);
    // Exports in English conventions: ISO dates, decimal point, comma separator.
    PresetCsv d = base(QStringLiteral("Internacional (, e ponto decimal)"), u',',
                       CodificacaoTexto::Utf8);
    d.formaData = FormaData::AnoMesDia, d.marcaDecimal = u'.', d.marcaMilhares = QChar();
    d.colData = 0, d.colDescricao = 1, d.colValor = 2, d.colSaldo = 3;
    r.push_back(d);
    return r;
}

std::vector<PresetCsv> guardados(const QSettings &definicoes)
{
    std::vector<PresetCsv> r;
    for (const QString &t : definicoes.value(ChavePresets).toStringList())
        if (const auto p = deJson(t))
            r.push_back(*p);
    return r;
}

std::vector<PresetCsv> guardados()
{
    const QSettings definicoes;
    return guardados(definicoes);
}

void guarda(QSettings &definicoes, const PresetCsv &preset, const QString &forma)
{
    QStringList lista;
    for (const PresetCsv &p : guardados(definicoes))
        if (p.nome != preset.nome)
            lista << QString::fromUtf8(QJsonDocument(paraJson(p)).toJson(QJsonDocument::Compact));
    lista << QString::fromUtf8(QJsonDocument(paraJson(preset)).toJson(QJsonDocument::Compact));
    definicoes.setValue(ChavePresets, lista);
    if (!forma.isEmpty()) {
        QJsonObject f = formas(definicoes);
        f[forma] = preset.nome;
        definicoes.setValue(ChaveFormas,
                            QString::fromUtf8(QJsonDocument(f).toJson(QJsonDocument::Compact)));
    }
    definicoes.sync();
}

void guarda(const PresetCsv &preset, const QString &forma)
{
    QSettings definicoes;
    guarda(definicoes, preset, forma);
}

void remove(QSettings &definicoes, const QString &nome)
{
    QStringList lista;
    for (const PresetCsv &p : guardados(definicoes))
        if (p.nome != nome)
            lista << QString::fromUtf8(QJsonDocument(paraJson(p)).toJson(QJsonDocument::Compact));
    definicoes.setValue(ChavePresets, lista);
    QJsonObject f = formas(definicoes);
    for (auto i = f.begin(); i != f.end();)
        i = i.value().toString() == nome ? f.erase(i) : i + 1;
    definicoes.setValue(ChaveFormas,
                        QString::fromUtf8(QJsonDocument(f).toJson(QJsonDocument::Compact)));
    definicoes.sync();
}

void remove(const QString &nome)
{
    QSettings definicoes;
    remove(definicoes, nome);
}

std::optional<PresetCsv> porNome(const QSettings &definicoes, const QString &nome)
{
    for (const PresetCsv &p : guardados(definicoes))
        if (p.nome.compare(nome, Qt::CaseInsensitive) == 0)
            return p;
    for (const PresetCsv &p : predefinidos())
        if (p.nome.compare(nome, Qt::CaseInsensitive) == 0)
            return p;
    return std::nullopt;
}

std::optional<PresetCsv> porNome(const QString &nome)
{
    const QSettings definicoes;
    return porNome(definicoes, nome);
}

std::optional<PresetCsv> paraForma(const QSettings &definicoes, const QString &forma)
{
    if (forma.isEmpty())
        return std::nullopt;
    const QString nome = formas(definicoes).value(forma).toString();
    if (nome.isEmpty())
        return std::nullopt;
    for (const PresetCsv &p : guardados(definicoes))
        if (p.nome == nome)
            return p;
    return std::nullopt;
}

std::optional<PresetCsv> paraForma(const QString &forma)
{
    const QSettings definicoes;
    return paraForma(definicoes, forma);
}

} // namespace PresetsCsv
