#include "extractos/LeitorExtracto.h"

#include <QSettings>
#include <algorithm>

#include "extractos/AdivinhaCsv.h"
#include "extractos/CodificacaoTexto.h"
#include "extractos/LeitorCamt.h"
#include "extractos/LeitorCsv.h"
#include "extractos/LeitorMt940.h"
#include "extractos/LeitorOfx.h"
#include "extractos/LeitorTabela.h"
#include "extractos/LeitorXlsx.h"

namespace {

const QString Desconhecido = QStringLiteral(
    "não é um extracto bancário num formato conhecido (CSV, Excel xlsx, MT940, camt.052/053, "
    "OFX).");

bool ehXml(const QString &inicio) { return inicio.startsWith(u"<?xml") || inicio.startsWith(u'<'); }

// A BOM decides the encoding whatever the preset says; else the preset, else the bytes.
CodificacaoTexto codificacao(const QByteArray &b, const PresetCsv *preset)
{
    const CodificacaoTexto detectada = CodificacaoTextos::detecta(b);
    if (b.startsWith("\xEF\xBB\xBF") || b.startsWith("\xFF\xFE") || b.startsWith("\xFE\xFF"))
        return detectada;
    return preset ? preset->codificacao : detectada;
}

// The rows of a CSV or xlsx file and the preset the file is read with (for CSV, with the
// encoding and separator used).
struct Tabela {
    std::vector<LinhaTabela> linhas;
    PresetCsv preset;
    QString prefixoForma;
};

Tabela tabelaAdivinhada(const QByteArray &conteudo, const QString &nome, int maximo)
{
    Tabela t;
    if (LeitorXlsx::ehXlsx(conteudo)) {
        t.linhas = LeitorXlsx::linhas(conteudo, nome);
        t.prefixoForma = QStringLiteral("xlsx");
    } else {
        t.preset.codificacao = codificacao(conteudo, nullptr);
        const QString texto = CodificacaoTextos::descodifica(conteudo, t.preset.codificacao);
        t.preset.separador = AdivinhaCsv::separador(texto);
        t.linhas = maximo > 0 ? LeitorCsv::primeiras(texto, t.preset.separador, maximo)
                              : LeitorCsv::linhas(texto, t.preset.separador, nome);
        t.prefixoForma = t.preset.separador == u'\t' ? QStringLiteral("tab")
                                                      : QString(t.preset.separador);
    }
    AdivinhaCsv::adivinha(t.linhas, t.preset);
    return t;
}

std::vector<Extracto> leTabela(const QByteArray &conteudo, const QString &nome,
                               const PresetCsv *preset, FormatoExtracto formato)
{
    std::optional<PresetCsv> escolhido;
    if (preset)
        escolhido = *preset;
    std::vector<LinhaTabela> linhas;
    if (formato == FormatoExtracto::Xlsx) {
        // The sheet is unpacked once: the guess and the shape come from the same rows.
        linhas = LeitorXlsx::linhas(conteudo, nome);
        if (!escolhido) {
            PresetCsv adivinhado;
            AdivinhaCsv::adivinha(linhas, adivinhado);
            escolhido = PresetsCsv::paraForma(
                AdivinhaCsv::forma(linhas, adivinhado, QStringLiteral("xlsx")));
            if (!escolhido)
                escolhido = adivinhado;
        }
    } else {
        if (!escolhido)
            escolhido = presetGuardadoPara(conteudo);
        if (!escolhido)
            escolhido = adivinhaPresetCsv(conteudo);
        const QString texto =
            CodificacaoTextos::descodifica(conteudo, codificacao(conteudo, &*escolhido));
        linhas = LeitorCsv::linhas(texto, escolhido->separador, nome);
    }
    return {LeitorTabela::le(linhas, *escolhido, formato, nome)};
}

} // namespace

FormatoExtracto reconheceFormato(const QByteArray &conteudo, const QString &nome)
{
    if (std::all_of(conteudo.begin(), conteudo.end(), [](char c) {
            return c == ' ' || (c >= '\t' && c <= '\r');
        }))
        throw ErroExtracto(nome, 0, QStringLiteral("o ficheiro está vazio."));
    if (conteudo.startsWith("PK\x03\x04")) {
        if (LeitorXlsx::ehXlsx(conteudo))
            return FormatoExtracto::Xlsx;
        if (!LeitorXlsx::zipLegivel(conteudo))
            throw ErroExtracto(nome, 0, QStringLiteral("o ficheiro comprimido (zip, xlsx) está "
                                                       "danificado ou incompleto."));
        throw ErroExtracto(nome, 0, Desconhecido);
    }
    if (conteudo.startsWith("%PDF"))
        throw ErroExtracto(nome, 0, QStringLiteral("é um documento PDF, não um extracto que se "
                                                   "possa importar: descarregue-o do banco em "
                                                   "CSV, Excel, MT940, camt.053 ou OFX."));
    if (LeitorOfx::ehOfx1(conteudo))
        return FormatoExtracto::Ofx1;
    if (LeitorOfx::ehOfx2(conteudo))
        return FormatoExtracto::Ofx2;
    const QString texto =
        CodificacaoTextos::descodifica(conteudo.left(256 * 1024),
                                       CodificacaoTextos::detecta(conteudo));
    const QString inicio = texto.trimmed().left(64);
    if (ehXml(inicio)) {
        if (const auto camt = LeitorCamt::tipo(conteudo))
            return *camt;
        throw ErroExtracto(nome, 0, Desconhecido);
    }
    if (LeitorMt940::ehMt940(texto))
        return FormatoExtracto::Mt940;
    for (const QChar c : texto.left(4096))
        if (c.unicode() < 32 && c != u'\n' && c != u'\r' && c != u'\t')
            throw ErroExtracto(nome, 0, Desconhecido);
    const QChar separador = AdivinhaCsv::separador(texto);
    for (const LinhaTabela &l : LeitorCsv::primeiras(texto, separador, 300))
        if (AdivinhaCsv::pareceMovimento(l))
            return FormatoExtracto::Csv;
    throw ErroExtracto(nome, 0, Desconhecido);
}

std::vector<Extracto> leExtracto(const QByteArray &conteudo, const QString &nome,
                                 const PresetCsv *preset)
{
    const FormatoExtracto formato = reconheceFormato(conteudo, nome);
    switch (formato) {
    case FormatoExtracto::Csv:
    case FormatoExtracto::Xlsx:
        return leTabela(conteudo, nome, preset, formato);
    case FormatoExtracto::Mt940:
        return LeitorMt940::le(
            CodificacaoTextos::descodifica(conteudo, CodificacaoTextos::detecta(conteudo)), nome);
    case FormatoExtracto::Camt052:
    case FormatoExtracto::Camt053:
        return LeitorCamt::le(conteudo, nome);
    case FormatoExtracto::Ofx1:
        return LeitorOfx::le1(conteudo, nome);
    case FormatoExtracto::Ofx2:
        return LeitorOfx::le2(conteudo, nome);
    }
    throw ErroExtracto(nome, 0, Desconhecido);
}

PresetCsv adivinhaPresetCsv(const QByteArray &conteudo)
{
    try {
        return tabelaAdivinhada(conteudo, QString(), 0).preset;
    } catch (const ErroExtracto &) {
        try {
            return tabelaAdivinhada(conteudo, QString(), 5000).preset;
        } catch (const ErroExtracto &) {
            return {};
        }
    }
}

QString formaFicheiroCsv(const QByteArray &conteudo)
{
    try {
        const Tabela t = tabelaAdivinhada(conteudo, QString(), 5000);
        return AdivinhaCsv::forma(t.linhas, t.preset, t.prefixoForma);
    } catch (const ErroExtracto &) {
        return {};
    }
}

std::optional<PresetCsv> presetGuardadoPara(const QSettings &definicoes, const QByteArray &c)
{
    return PresetsCsv::paraForma(definicoes, formaFicheiroCsv(c));
}

std::optional<PresetCsv> presetGuardadoPara(const QByteArray &conteudo)
{
    const QSettings definicoes;
    return presetGuardadoPara(definicoes, conteudo);
}

QString nomeFormato(FormatoExtracto formato)
{
    switch (formato) {
    case FormatoExtracto::Csv: return QStringLiteral("CSV");
    case FormatoExtracto::Xlsx: return QStringLiteral("Excel (xlsx)");
    case FormatoExtracto::Mt940: return QStringLiteral("MT940");
    case FormatoExtracto::Camt052: return QStringLiteral("camt.052");
    case FormatoExtracto::Camt053: return QStringLiteral("camt.053");
    case FormatoExtracto::Ofx1: return QStringLiteral("OFX 1");
    case FormatoExtracto::Ofx2: return QStringLiteral("OFX 2");
    }
    return {};
}
