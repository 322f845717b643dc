#include "graficos/GraficoSaldo.h"
#include "data/Dinheiro.h"
#include "data/Regional.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

QString textoMaximo(const DiaSaldo &d)
{
    return QStringLiteral("Saldo mais alto: %1 em %2")
        .arg(Dinheiro::deCentimos(d.saldo).formataMoeda(), Regional::formataData(d.dia));
}

QString textoMinimo(const DiaSaldo &d)
{
    return QStringLiteral("Saldo mais baixo: %1 em %2")
        .arg(Dinheiro::deCentimos(d.saldo).formataMoeda(), Regional::formataData(d.dia));
}

constexpr qreal PertoDoMarcador = 10;

} // namespace

QString GraficoSaldo::fraseVazia() const
{
    QString frase = Grafico::fraseVazia();
    const FigurasConta &f = figuras();
    if (!frase.isEmpty() && !f.contaSemMovimentos && f.periodo.valido())
        frase += QStringLiteral("\nO saldo foi sempre de %1.")
                     .arg(Dinheiro::deCentimos(f.saldoInicial).formataMoeda());
    return frase;
}

qreal GraficoSaldo::Plano::x(qsizetype dia, qsizetype dias) const
{
    if (dias <= 1)
        return area.center().x();
    return area.left() + area.width() * qreal(dia) / qreal(dias - 1);
}

GraficoSaldo::Plano GraficoSaldo::plano(const QRectF &corpo) const
{
    const FigurasConta &f = figuras();
    Plano p;
    p.escala = EscalaGrafico::para(f.minimo.saldo, f.maximo.saldo);
    const qreal linha = QFontMetricsF(letra(AlturaLetra)).height();
    // Room above and below the plot for the labels of the highest and lowest points.
    p.area = corpo.adjusted(larguraEixoY(p.escala) + 12, linha + 10, -8, -(2 * linha + 10));
    return p;
}

void GraficoSaldo::desenhaCorpo(QPainter &p, const QRectF &corpo) const
{
    const FigurasConta &f = figuras();
    const Plano pl = plano(corpo);
    const QRectF &a = pl.area;
    desenhaEixoY(p, a, pl.escala);

    const auto dias = qsizetype(f.saldosDiarios.size());
    // Months: a tick at each first day, the name centred on the month's days.
    std::vector<std::pair<qreal, QDate>> centros;
    p.setPen(QPen(CoresGrafico::Grelha, 1));
    for (const MesFiguras &m : f.meses) {
        const qsizetype i0 = f.periodo.desde.daysTo(m.inicio), i1 = f.periodo.desde.daysTo(m.fim);
        if (m.inicio.day() == 1 && i0 > 0)
            p.drawLine(QPointF(pl.x(i0, dias), a.top()), QPointF(pl.x(i0, dias), a.bottom() + 4));
        centros.emplace_back((pl.x(i0, dias) + pl.x(i1, dias)) / 2, m.inicio);
    }
    const qreal larguraMes = dias > 1 ? a.width() * 30 / qreal(dias - 1) : a.width();
    desenhaMeses(p, a, centros, std::min(larguraMes, a.width()));

    // One point per day; beyond one day per pixel column, each column keeps its lowest and
    // highest balance, so no spike is lost.
    QPainterPath linha;
    const qsizetype colunas = std::max<qsizetype>(1, qsizetype(a.width()));
    if (dias <= 2 * colunas) {
        for (qsizetype i = 0; i < dias; ++i) {
            const QPointF pt(pl.x(i, dias), pl.y(f.saldosDiarios[size_t(i)]));
            i == 0 ? linha.moveTo(pt) : linha.lineTo(pt);
        }
    } else {
        qsizetype i = 0;
        for (qsizetype col = 0; col < colunas && i < dias; ++col) {
            const qsizetype fim = std::min(dias, (col + 1) * dias / colunas);
            qint64 lo = f.saldosDiarios[size_t(i)], hi = lo;
            for (; i < fim; ++i) {
                lo = std::min(lo, f.saldosDiarios[size_t(i)]);
                hi = std::max(hi, f.saldosDiarios[size_t(i)]);
            }
            const qreal x =
                a.left() + a.width() * qreal(col) / qreal(std::max<qsizetype>(1, colunas - 1));
            col == 0 ? linha.moveTo(x, pl.y(lo)) : linha.lineTo(x, pl.y(lo));
            linha.lineTo(x, pl.y(hi));
        }
    }
    // A light band from the line down to zero (or to the axis when zero is out of sight).
    const qreal base = std::clamp(pl.y(0), a.top(), a.bottom());
    QPainterPath banda = linha;
    banda.lineTo(linha.currentPosition().x(), base);
    banda.lineTo(linha.elementAt(0).x, base);
    banda.closeSubpath();
    QColor claro = CoresGrafico::Entradas;
    claro.setAlpha(40);
    p.fillPath(banda, claro);

    if (f.cruzaZero()) {
        p.setPen(QPen(CoresGrafico::Liquido, 1.5, Qt::DashLine));
        p.drawLine(QPointF(a.left(), pl.y(0)), QPointF(a.right(), pl.y(0)));
    }
    p.setPen(QPen(CoresGrafico::Entradas, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(linha);

    // The highest and lowest points with their amounts and dates.
    p.setFont(letra(AlturaLetra, true));
    const QFontMetricsF fm(p.font());
    auto marca = [&](const DiaSaldo &d, bool alto, const QString &texto, const QColor &cor) {
        const QPointF c(pl.x(f.periodo.desde.daysTo(d.dia), dias), pl.y(d.saldo));
        desenhaTriangulo(p, c, alto, cor);
        const qreal w = fm.horizontalAdvance(texto) + 4;
        const qreal x = std::clamp(c.x() - w / 2, a.left() + 2, std::max(a.left(), a.right() - w));
        // Above the highest point and below the lowest, unless that leaves the plot.
        const qreal acima = c.y() - 10 - fm.height(), abaixo = c.y() + 10;
        qreal y = alto ? acima : abaixo;
        if (y < corpo.top())
            y = abaixo;
        else if (y + fm.height() > a.bottom())
            y = acima;
        // On a light box: the label stays readable where it crosses the line.
        p.fillRect(QRectF(x - 2, y, w + 4, fm.height()), QColor(255, 255, 255, 220));
        p.setPen(CoresGrafico::Texto);
        p.drawText(QRectF(x, y, w, fm.height()), Qt::AlignCenter, texto);
    };
    if (f.maximo.saldo != f.minimo.saldo) {
        marca(f.maximo, true, textoMaximo(f.maximo), CoresGrafico::Maximo);
        marca(f.minimo, false, textoMinimo(f.minimo), CoresGrafico::Minimo);
    }
}

QString GraficoSaldo::dicaCorpo(const QRectF &corpo, const QPointF &ponto) const
{
    const FigurasConta &f = figuras();
    const Plano pl = plano(corpo);
    const auto dias = qsizetype(f.saldosDiarios.size());
    if (dias == 0 || !pl.area.adjusted(-PertoDoMarcador, -PertoDoMarcador, PertoDoMarcador,
                                       PertoDoMarcador).contains(ponto))
        return {};
    auto perto = [&](const DiaSaldo &d) {
        const QPointF c(pl.x(f.periodo.desde.daysTo(d.dia), dias), pl.y(d.saldo));
        return std::hypot(c.x() - ponto.x(), c.y() - ponto.y()) <= PertoDoMarcador;
    };
    if (perto(f.maximo))
        return textoMaximo(f.maximo);
    if (perto(f.minimo))
        return textoMinimo(f.minimo);
    const qreal fraccao = (ponto.x() - pl.area.left()) / std::max<qreal>(1, pl.area.width());
    const qsizetype i =
        std::clamp<qsizetype>(qsizetype(std::lround(fraccao * qreal(dias - 1))), 0, dias - 1);
    return QStringLiteral("%1\nSaldo: %2")
        .arg(Regional::formataData(f.dia(i)),
             Dinheiro::deCentimos(f.saldosDiarios[size_t(i)]).formataMoeda());
}
