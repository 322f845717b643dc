#include "graficos/Grafico.h"
#include "data/Dinheiro.h"
#include "data/Regional.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr qreal Margem = 12;
constexpr qreal AlturaCabecalho = 52;

} // namespace

Grafico::Grafico(std::shared_ptr<const FigurasConta> figuras, QString nomeConta)
    : m_figuras(std::move(figuras)), m_nomeConta(std::move(nomeConta))
{
}

QFont Grafico::letra(qreal pixeis, bool negrito)
{
    QFont f = QGuiApplication::font();
    f.setPixelSize(int(std::lround(pixeis)));
    f.setBold(negrito);
    return f;
}

QString Grafico::fraseVazia() const
{
    const FigurasConta &f = figuras();
    if (f.contaSemMovimentos)
        return QStringLiteral("Esta conta ainda não tem movimentos.");
    if (!f.periodo.valido())
        return QStringLiteral("A data inicial é posterior à data final: escolha outro período.");
    if (f.vazio())
        return QStringLiteral("Não há movimentos desta conta de %1.")
            .arg(textoPeriodo(f.periodo));
    return {};
}

QRectF Grafico::corpo(const QRectF &area)
{
    return area.adjusted(Margem, Margem + AlturaCabecalho, -Margem, -Margem);
}

void Grafico::desenha(QPainter &p, const QRectF &area) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Hatching scales with the drawing, so a 1200 dpi page shows the same pattern as the screen.
    p.setRenderHint(QPainter::NonCosmeticBrushPatterns);
    p.fillRect(area, Qt::white);

    const QRectF cabeca(area.left() + Margem, area.top() + Margem, area.width() - 2 * Margem,
                        AlturaCabecalho);
    p.setPen(CoresGrafico::Texto);
    p.setFont(letra(AlturaTitulo, true));
    const qreal linhaTitulo = QFontMetricsF(p.font()).height();
    p.drawText(QRectF(cabeca.left(), cabeca.top(), cabeca.width(), linhaTitulo),
               Qt::AlignLeft | Qt::AlignVCenter, titulo());
    p.setFont(letra(AlturaSubtitulo));
    p.setPen(CoresGrafico::TextoFraco);
    const QString sub = m_nomeConta + QStringLiteral("  \u2014  ")
                        + (figuras().periodo.valido() ? textoPeriodo(figuras().periodo)
                                                      : QString());
    const QFontMetricsF fm(p.font());
    p.drawText(QRectF(cabeca.left(), cabeca.top() + linhaTitulo + 2, cabeca.width(),
                      fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(sub, Qt::ElideRight, cabeca.width()));

    const QRectF c = corpo(area);
    const QString vazia = fraseVazia();
    if (!vazia.isEmpty()) {
        p.setFont(letra(15));
        p.setPen(CoresGrafico::Texto);
        p.drawText(c, Qt::AlignCenter | Qt::TextWordWrap, vazia);
    } else if (c.width() > 40 && c.height() > 40) {
        desenhaCorpo(p, c);
    }
    p.restore();
}

QString Grafico::dica(const QRectF &area, const QPointF &ponto) const
{
    if (!fraseVazia().isEmpty())
        return {};
    const QRectF c = corpo(area);
    if (c.width() <= 40 || c.height() <= 40)
        return {};
    return dicaCorpo(c, ponto);
}

qreal Grafico::larguraEixoY(const EscalaGrafico &escala)
{
    const QFontMetricsF fm(letra(AlturaLetra));
    qreal l = 0;
    for (const qint64 v : escala.marcas())
        l = std::max(l, fm.horizontalAdvance(Dinheiro::deCentimos(v).formataMoeda()));
    return l;
}

void Grafico::desenhaEixoY(QPainter &p, const QRectF &plano, const EscalaGrafico &escala)
{
    p.save();
    p.setFont(letra(AlturaLetra));
    const QFontMetricsF fm(p.font());
    for (const qint64 v : escala.marcas()) {
        const qreal y = escala.posicao(v, plano.bottom(), plano.top());
        p.setPen(QPen(CoresGrafico::Grelha, 1));
        p.drawLine(QPointF(plano.left(), y), QPointF(plano.right(), y));
        p.setPen(CoresGrafico::TextoFraco);
        const QString texto = Dinheiro::deCentimos(v).formataMoeda();
        p.drawText(QRectF(plano.left() - 8 - 400, y - fm.height() / 2, 400, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, texto);
    }
    p.restore();
}

void Grafico::desenhaMeses(QPainter &p, const QRectF &plano,
                           const std::vector<std::pair<qreal, QDate>> &centros, qreal largura)
{
    if (centros.empty())
        return;
    p.save();
    p.setFont(letra(AlturaLetra));
    p.setPen(CoresGrafico::TextoFraco);
    const QFontMetricsF fm(p.font());
    // Every k-th month when they do not all fit, and never a label over the one before it
    // (a short last month sits close to its neighbour).
    const qreal precisa = fm.horizontalAdvance(QStringLiteral("set 2026")) + 10;
    const int cada = std::max(1, int(std::ceil(precisa / std::max<qreal>(1, largura))));
    qreal livreDesde = plano.left() - precisa;
    for (size_t i = 0; i < centros.size(); i += size_t(cada)) {
        const auto &[x, mes] = centros[i];
        const QString texto = nomeMes(mes);
        const qreal w = fm.horizontalAdvance(texto);
        if (x - w / 2 < livreDesde)
            continue;
        p.drawText(QRectF(x - w / 2 - 1, plano.bottom() + 4, w + 2, fm.height()),
                   Qt::AlignHCenter | Qt::AlignTop, texto);
        livreDesde = x + w / 2 + 10;
    }
    p.restore();
}

void Grafico::desenhaLegenda(QPainter &p, const QRectF &linha, const std::vector<Legenda> &l)
{
    p.save();
    p.setFont(letra(AlturaLetra));
    const QFontMetricsF fm(p.font());
    const qreal lado = 12;
    qreal x = linha.right();
    for (auto i = l.rbegin(); i != l.rend(); ++i) {
        const qreal w = fm.horizontalAdvance(i->texto);
        x -= w;
        p.setPen(CoresGrafico::Texto);
        p.drawText(QRectF(x, linha.top(), w + 2, linha.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   i->texto);
        x -= lado + 6;
        i->amostra(p, QRectF(x, linha.center().y() - lado / 2, lado + 2, lado));
        x -= 22;
    }
    p.restore();
}

void Grafico::preencheEntradas(QPainter &p, const QRectF &r)
{
    p.fillRect(r, CoresGrafico::Entradas);
}

void Grafico::preencheSaidas(QPainter &p, const QRectF &r)
{
    p.save();
    p.fillRect(r, CoresGrafico::Saidas);
    p.fillRect(r, QBrush(CoresGrafico::SaidasTraco, Qt::BDiagPattern));
    p.setPen(QPen(CoresGrafico::SaidasTraco, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.restore();
}

void Grafico::desenhaTriangulo(QPainter &p, const QPointF &c, bool paraCima, const QColor &cor)
{
    const qreal s = 7, sentido = paraCima ? -1 : 1;
    QPainterPath t;
    t.moveTo(c.x(), c.y() + sentido * s);
    t.lineTo(c.x() - s, c.y() - sentido * s * 0.6);
    t.lineTo(c.x() + s, c.y() - sentido * s * 0.6);
    t.closeSubpath();
    p.save();
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(cor);
    p.drawPath(t);
    p.restore();
}
