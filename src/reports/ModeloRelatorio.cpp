#include "reports/ModeloRelatorio.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

[[noreturn]] void falha(const QString &caminho, const QString &porque)
{
    throw ErroRelatorio(QStringLiteral("O modelo da listagem \"%1\" não pode ser usado:\r%2")
                            .arg(QFileInfo(caminho).fileName(), porque));
}

QStringList linhas(const QJsonValue &v)
{
    QStringList r;
    for (const QJsonValue &l : v.toArray())
        r << l.toString();
    return r;
}

FormatoColuna formato(const QString &caminho, const QString &nome)
{
    if (nome.isEmpty() || nome == QLatin1String("texto"))
        return FormatoColuna::Texto;
    if (nome == QLatin1String("data"))
        return FormatoColuna::Data;
    if (nome == QLatin1String("dinheiro"))
        return FormatoColuna::Dinheiro;
    if (nome == QLatin1String("dinheiro-sem-zero"))
        return FormatoColuna::DinheiroSemZero;
    if (nome == QLatin1String("inteiro"))
        return FormatoColuna::Inteiro;
    falha(caminho, QStringLiteral("formato de coluna desconhecido \"%1\".").arg(nome));
}

Qt::Alignment alinhamento(const QString &nome)
{
    if (nome == QLatin1String("direita"))
        return Qt::AlignRight;
    if (nome == QLatin1String("centro"))
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

} // namespace

ModeloRelatorio ModeloRelatorio::le(const QString &caminho)
{
    QFile f(caminho);
    if (caminho.isEmpty() || !QFileInfo(caminho).isFile())
        throw ErroRelatorio(
            QStringLiteral("O modelo da listagem \"%1\" não existe na pasta do programa.")
                .arg(QFileInfo(caminho).fileName()));
    if (!f.open(QIODevice::ReadOnly))
        falha(caminho, QStringLiteral("o ficheiro não pode ser lido (%1).").arg(f.errorString()));
    QJsonParseError erro{};
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &erro);
    if (doc.isNull() || !doc.isObject())
        falha(caminho, erro.error != QJsonParseError::NoError
                           ? QStringLiteral("%1 (posição %2).")
                                 .arg(erro.errorString())
                                 .arg(erro.offset)
                           : QStringLiteral("não é um modelo de listagem."));
    const QJsonObject o = doc.object();

    ModeloRelatorio m;
    const QString fonte = o.value(QLatin1String("fonte")).toString();
    if (fonte == QLatin1String("contas"))
        m.fonte = FonteDados::Contas;
    else if (fonte == QLatin1String("movimentos"))
        m.fonte = FonteDados::Movimentos;
    else
        falha(caminho, QStringLiteral("a fonte de dados deve ser \"contas\" ou \"movimentos\"."));

    const QJsonObject pagina = o.value(QLatin1String("pagina")).toObject();
    const QString tamanho = pagina.value(QLatin1String("tamanho")).toString(QStringLiteral("A4"));
    if (tamanho != QLatin1String("A4"))
        falha(caminho, QStringLiteral("só o papel A4 é suportado."));
    m.orientacao = pagina.value(QLatin1String("orientacao")).toString() == QLatin1String("paisagem")
                       ? QPageLayout::Landscape
                       : QPageLayout::Portrait;
    const QJsonArray margens = pagina.value(QLatin1String("margens_mm")).toArray();
    if (margens.size() == 4)
        m.margensMm = QMarginsF(margens[0].toDouble(12), margens[1].toDouble(12),
                                margens[2].toDouble(12), margens[3].toDouble(12));

    const QJsonObject letra = o.value(QLatin1String("letra")).toObject();
    m.familia = letra.value(QLatin1String("familia")).toString(m.familia);
    m.letraTitulo = letra.value(QLatin1String("titulo")).toDouble(m.letraTitulo);
    m.letraCabecalho = letra.value(QLatin1String("cabecalho")).toDouble(m.letraCabecalho);
    m.letraCorpo = letra.value(QLatin1String("corpo")).toDouble(m.letraCorpo);
    for (double t : {m.letraTitulo, m.letraCabecalho, m.letraCorpo})
        if (t < 4 || t > 40)
            falha(caminho, QStringLiteral("tamanho de letra fora de 4 a 40 pontos."));

    m.cabecalho = linhas(o.value(QLatin1String("cabecalho")));
    m.rodape = linhas(o.value(QLatin1String("rodape")));
    m.rotuloTotais = o.value(QLatin1String("rotulo_totais")).toString(m.rotuloTotais);
    m.rotuloSaldoFinal = o.value(QLatin1String("rotulo_saldo_final")).toString();
    m.campoSaldo = o.value(QLatin1String("campo_saldo")).toString();
    // A template of movements written before annulled movements left the totals has no
    // situation field: it gets the movements' own, so a user's older copy totals alike.
    const QJsonValue situacao = o.value(QLatin1String("campo_situacao"));
    m.campoSituacao = situacao.isUndefined() && m.fonte == FonteDados::Movimentos
                          ? QStringLiteral("s")
                          : situacao.toString().toLower();
    m.rotuloAnulados = o.value(QLatin1String("rotulo_anulados")).toString(m.rotuloAnulados);

    for (const QJsonValue &v : o.value(QLatin1String("colunas")).toArray()) {
        const QJsonObject c = v.toObject();
        ColunaModelo col;
        col.campo = c.value(QLatin1String("campo")).toString().toLower();
        col.titulo = c.value(QLatin1String("titulo")).toString();
        col.larguraMm = c.value(QLatin1String("largura_mm")).toDouble(20);
        col.alinhamento = alinhamento(c.value(QLatin1String("alinhamento")).toString());
        col.formato = formato(caminho, c.value(QLatin1String("formato")).toString());
        col.total = c.value(QLatin1String("total")).toBool(false);
        if (col.campo.isEmpty() || col.larguraMm <= 0 || col.larguraMm > 400)
            falha(caminho, QStringLiteral("uma coluna não tem campo ou tem largura inválida."));
        m.colunas.push_back(col);
    }
    if (m.colunas.empty())
        falha(caminho, QStringLiteral("não tem colunas."));
    return m;
}
