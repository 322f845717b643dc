#include "graficos/GraficoCategorias.h"
#include "data/Dinheiro.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
constexpr qreal AlturaMaxima = 34;
}

GraficoCategorias::GraficoCategorias(std::shared_ptr<const FigurasConta> figuras,
                                     QString nomeConta, Lado lado)
    : Grafico(std::move(figuras), std::move(nomeConta)), m_lado(lado)
{
}

QString GraficoCategorias::nome() const
{
    return m_lado == Lado::Saidas ? QStringLiteral("Saídas por categoria")
                                  : QStringLiteral("Entradas por categoria");
}

QString GraficoCategorias::titulo() const { return nome(); }

const std::vector<CategoriaFiguras> &GraficoCategorias::categorias() const
{
    return m_lado == Lado::Saidas ? figuras().categoriasSaidas : figuras().categoriasEntradas;
}

QString GraficoCategorias::fraseVazia() const
{
    QString frase = Grafico::fraseVazia();
    if (frase.isEmpty() && categorias().empty())
        frase = m_lado == Lado::Saidas
                    ? QStringLiteral("Não há saídas desta conta de %1.")
                          .arg(textoPeriodo(figuras().periodo))
                    : QStringLiteral("Não há entradas desta conta de %1.")
                          .arg(textoPeriodo(figuras().periodo));
    return frase;
}

qint64 GraficoCategorias::total() const
{
    qint64 t = 0;
    for (const CategoriaFiguras &c : categorias())
        t += c.total;
    return t;
}

QString GraficoCategorias::percentagem(qint64 parte, qint64 total)
{
    if (total == 0)
        return QString();
    // Tenths of a percent, rounded half away from zero, without floating point.
    const qint64 n = parte * 1000, d = total;
    qint64 decimos = (2 * n + (n >= 0 ? d : -d)) / (2 * d);
    const bool negativo = decimos < 0;
    if (negativo)
        decimos = -decimos;
    return QStringLiteral("%1%2,%3 %").arg(negativo ? QStringLiteral("-") : QString())
        .arg(decimos / 10).arg(decimos % 10);
}

qreal GraficoCategorias::alturaLinha(const QRectF &corpo) const
{
    // One line more for the total.
    return std::min(AlturaMaxima,
                    corpo.height() / qreal(std::max<size_t>(1, categorias().size()) + 1));
}

void GraficoCategorias::desenhaCorpo(QPainter &p, const QRectF &corpo) const
{
    const auto &cats = categorias();
    const qint64 soma = total();
    qint64 maior = 1;
    for (const CategoriaFiguras &c : cats)
        maior = std::max(maior, c.total);

    p.setFont(letra(AlturaLetra));
    const QFontMetricsF fm(p.font());
    qreal nomes = 0, valores = 0;
    for (const CategoriaFiguras &c : cats) {
        nomes = std::max(nomes, fm.horizontalAdvance(c.nome));
        valores = std::max(valores,
                           fm.horizontalAdvance(Dinheiro::deCentimos(c.total).formataMoeda()
                                                + QStringLiteral("  (100,0 %)")));
    }
    nomes = std::min(nomes + 4, corpo.width() * 0.35);
    const qreal x0 = corpo.left() + nomes + 10;
    const qreal comprimento = std::max<qreal>(10, corpo.right() - valores - 12 - x0);
    const qreal h = alturaLinha(corpo);

    for (size_t i = 0; i < cats.size(); ++i) {
        const CategoriaFiguras &c = cats[i];
        const qreal y = corpo.top() + h * qreal(i);
        p.setPen(CoresGrafico::Texto);
        p.drawText(QRectF(corpo.left(), y, nomes, h), Qt::AlignRight | Qt::AlignVCenter,
                   fm.elidedText(c.nome, Qt::ElideRight, nomes));
        const qreal w = comprimento * qreal(std::max<qint64>(0, c.total)) / qreal(maior);
        const QRectF barra(x0, y + h * 0.18, std::max<qreal>(1, w), h * 0.64);
        if (c.tipo == CategoriaFiguras::Tipo::Outras)
            p.fillRect(barra, QBrush(CoresGrafico::Outras, Qt::Dense4Pattern));
        else if (m_lado == Lado::Saidas)
            preencheSaidas(p, barra);
        else
            preencheEntradas(p, barra);
        p.setPen(CoresGrafico::Texto);
        p.drawText(QRectF(barra.right() + 6, y, valores + 6, h), Qt::AlignLeft | Qt::AlignVCenter,
                   Dinheiro::deCentimos(c.total).formataMoeda() + QStringLiteral("  (")
                       + percentagem(c.total, soma) + QLatin1Char(')'));
    }
    p.setPen(QPen(CoresGrafico::Liquido, 1.2));
    p.drawLine(QPointF(x0, corpo.top()), QPointF(x0, corpo.top() + h * qreal(cats.size())));
    p.setFont(letra(AlturaLetra, true));
    p.drawText(QRectF(x0, corpo.top() + h * qreal(cats.size()), corpo.right() - x0, h),
               Qt::AlignLeft | Qt::AlignVCenter,
               (m_lado == Lado::Saidas ? QStringLiteral("Total das saídas: ")
                                       : QStringLiteral("Total das entradas: "))
                   + Dinheiro::deCentimos(soma).formataMoeda());
}

QString GraficoCategorias::dicaCorpo(const QRectF &corpo, const QPointF &ponto) const
{
    const auto &cats = categorias();
    const qreal h = alturaLinha(corpo);
    if (ponto.y() < corpo.top() || !corpo.contains(ponto))
        return {};
    const auto i = size_t((ponto.y() - corpo.top()) / h);
    if (i >= cats.size())
        return {};
    const CategoriaFiguras &c = cats[i];
    return QStringLiteral("%1\n%2 em %3 %4\n%5 das %6 do período")
        .arg(c.nome, Dinheiro::deCentimos(c.total).formataMoeda())
        .arg(c.movimentos)
        .arg(c.movimentos == 1 ? QStringLiteral("movimento") : QStringLiteral("movimentos"),
             percentagem(c.total, total()),
             m_lado == Lado::Saidas ? QStringLiteral("saídas") : QStringLiteral("entradas"));
}
