#include "graficos/GraficoMeses.h"
#include "data/Dinheiro.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

QRectF GraficoMeses::Plano::coluna(size_t i) const
{
    return QRectF(area.left() + larguraMes * qreal(i), area.top(), larguraMes,
                  area.height() + QFontMetricsF(letra(AlturaLetra)).height() + 6);
}

GraficoMeses::Plano GraficoMeses::plano(const QRectF &corpo) const
{
    const FigurasConta &f = figuras();
    qint64 lo = 0, hi = 0;
    for (const MesFiguras &m : f.meses) {
        lo = std::min(lo, m.liquido());
        hi = std::max({hi, m.entradas, m.saidas, m.liquido()});
    }
    Plano p;
    p.escala = EscalaGrafico::para(lo, hi);
    const qreal linha = QFontMetricsF(letra(AlturaLetra)).height();
    // The legend's line on top, the month names below.
    p.area = corpo.adjusted(larguraEixoY(p.escala) + 12, linha + 12, -8, -(linha + 8));
    p.larguraMes = p.area.width() / qreal(std::max<size_t>(1, f.meses.size()));
    return p;
}

std::optional<size_t> GraficoMeses::mesEm(const QRectF &area, const QPointF &ponto) const
{
    if (!fraseVazia().isEmpty())
        return std::nullopt;
    const Plano pl = plano(corpo(area));
    for (size_t i = 0; i < figuras().meses.size(); ++i)
        if (pl.coluna(i).contains(ponto))
            return i;
    return std::nullopt;
}

QRectF GraficoMeses::colunaDoMes(const QRectF &area, size_t i) const
{
    return plano(corpo(area)).coluna(i);
}

void GraficoMeses::desenhaCorpo(QPainter &p, const QRectF &corpo) const
{
    const FigurasConta &f = figuras();
    const Plano pl = plano(corpo);
    const QRectF &a = pl.area;
    if (destacado && *destacado < f.meses.size()) {
        QColor fundo = CoresGrafico::Entradas;
        fundo.setAlpha(28);
        p.fillRect(pl.coluna(*destacado), fundo);
    }
    desenhaEixoY(p, a, pl.escala);

    const qreal barra = std::max<qreal>(1, pl.larguraMes * 0.34);
    const qreal zero = pl.y(0);
    std::vector<std::pair<qreal, QDate>> centros;
    QPainterPath liquido;
    for (size_t i = 0; i < f.meses.size(); ++i) {
        const MesFiguras &m = f.meses[i];
        const qreal centro = a.left() + pl.larguraMes * (qreal(i) + 0.5);
        centros.emplace_back(centro, m.inicio);
        if (m.entradas != 0)
            preencheEntradas(p, QRectF(QPointF(centro - barra, pl.y(m.entradas)),
                                       QPointF(centro, zero)).normalized());
        if (m.saidas != 0)
            preencheSaidas(p, QRectF(QPointF(centro, pl.y(m.saidas)),
                                     QPointF(centro + barra, zero)).normalized());
        const QPointF pt(centro, pl.y(m.liquido()));
        i == 0 ? liquido.moveTo(pt) : liquido.lineTo(pt);
    }
    desenhaMeses(p, a, centros, pl.larguraMes);
    p.setPen(QPen(CoresGrafico::Liquido, 1.2));
    p.drawLine(QPointF(a.left(), zero), QPointF(a.right(), zero));

    p.setPen(QPen(CoresGrafico::Liquido, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(liquido);
    auto losango = [](QPainter &q, const QPointF &c, qreal s) {
        QPainterPath l;
        l.moveTo(c.x(), c.y() - s);
        l.lineTo(c.x() + s, c.y());
        l.lineTo(c.x(), c.y() + s);
        l.lineTo(c.x() - s, c.y());
        l.closeSubpath();
        q.save();
        q.setPen(QPen(CoresGrafico::Liquido, 1.5));
        q.setBrush(Qt::white);
        q.drawPath(l);
        q.restore();
    };
    for (int i = 0; i < liquido.elementCount(); ++i)
        losango(p, liquido.elementAt(i), 4.5);

    const qreal linha = QFontMetricsF(letra(AlturaLetra)).height();
    desenhaLegenda(p, QRectF(a.left(), corpo.top(), a.width(), linha),
                   {{QStringLiteral("Entradas"), preencheEntradas},
                    {QStringLiteral("Saídas"), preencheSaidas},
                    {QStringLiteral("Líquido do mês"), [losango](QPainter &q, const QRectF &r) {
                         q.save();
                         q.setPen(QPen(CoresGrafico::Liquido, 2));
                         q.drawLine(QPointF(r.left() - 3, r.center().y()),
                                    QPointF(r.right() + 3, r.center().y()));
                         q.restore();
                         losango(q, r.center(), 4.5);
                     }}});
}

QString GraficoMeses::dicaCorpo(const QRectF &corpo, const QPointF &ponto) const
{
    const Plano pl = plano(corpo);
    const FigurasConta &f = figuras();
    for (size_t i = 0; i < f.meses.size(); ++i) {
        if (!pl.coluna(i).contains(ponto))
            continue;
        const MesFiguras &m = f.meses[i];
        return QStringLiteral("%1\nEntradas: %2\nSaídas: %3\nLíquido do mês: %4\n"
                              "Clique para ver o extracto detalhado do mês.")
            .arg(nomeMes(m.inicio), Dinheiro::deCentimos(m.entradas).formataMoeda(),
                 Dinheiro::deCentimos(m.saidas).formataMoeda(),
                 Dinheiro::deCentimos(m.liquido()).formataMoeda());
    }
    return {};
}
