#pragma once
// What the three charts share: a heading (what, which account, which period), the sentence that
// replaces an empty chart, the money axis, the month labels and the legend. A chart is drawn in
// logical pixels with pixel-sized letters, so the same drawing fills a widget, a PNG, a printed
// page or a PDF once the painter is scaled (SaidaGrafico). Colours are told apart without hue
// too (blue against orange, solid against hatched, markers of different shapes): readable in a
// black-and-white print and by a colour-blind reader.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

#include "graficos/EscalaGrafico.h"
#include "graficos/FigurasConta.h"

class QPainter;

namespace CoresGrafico {
inline const QColor Entradas{0x00, 0x72, 0xB2};     // blue
inline const QColor Saidas{0xE6, 0x9F, 0x00};       // orange, drawn hatched
inline const QColor SaidasTraco{0x8A, 0x5A, 0x00};  // the hatching and outline of debits
inline const QColor Liquido{0x20, 0x20, 0x20};      // near black
inline const QColor Maximo{0x00, 0x9E, 0x73};       // bluish green, triangle up
inline const QColor Minimo{0xD5, 0x5E, 0x00};       // vermilion, triangle down
inline const QColor Outras{0x99, 0x99, 0x99};
inline const QColor Grelha{0xD8, 0xD8, 0xD8};
inline const QColor Texto{0x20, 0x20, 0x20};
inline const QColor TextoFraco{0x60, 0x60, 0x60};
} // namespace CoresGrafico

class Grafico
{
public:
    Grafico(std::shared_ptr<const FigurasConta> figuras, QString nomeConta);
    virtual ~Grafico() = default;

    // The chart's name as a tab and a file name show it: "Saldo".
    virtual QString nome() const = 0;
    // The heading's first line: "Saldo da conta".
    virtual QString titulo() const = 0;

    // Everything, on a white background, inside `area`.
    void desenha(QPainter &p, const QRectF &area) const;
    // The tooltip at `ponto` of a chart drawn in `area`; "" where there is nothing to tell.
    QString dica(const QRectF &area, const QPointF &ponto) const;
    // The sentence shown instead of the chart; "" when there is something to draw.
    virtual QString fraseVazia() const;

    const FigurasConta &figuras() const { return *m_figuras; }

    static QFont letra(qreal pixeis, bool negrito = false);
    // The area below the heading, where the chart itself is drawn.
    static QRectF corpo(const QRectF &area);

protected:
    // The chart itself, below the heading.
    virtual void desenhaCorpo(QPainter &p, const QRectF &corpo) const = 0;
    virtual QString dicaCorpo(const QRectF &corpo, const QPointF &ponto) const = 0;

    // Horizontal grid lines with their amounts on the left of `plano`.
    static void desenhaEixoY(QPainter &p, const QRectF &plano, const EscalaGrafico &escala);
    // The widest amount label of the axis, for the room left of the plot.
    static qreal larguraEixoY(const EscalaGrafico &escala);
    // Month names centred on their slots below `plano`, every k-th one when they do not fit.
    static void desenhaMeses(QPainter &p, const QRectF &plano,
                             const std::vector<std::pair<qreal, QDate>> &centros, qreal largura);
    // Legend entries from the right edge of `linha`: a swatch (filled by `amostra`) and a text.
    struct Legenda {
        QString texto;
        std::function<void(QPainter &, const QRectF &)> amostra;
    };
    static void desenhaLegenda(QPainter &p, const QRectF &linha, const std::vector<Legenda> &l);
    static void preencheSaidas(QPainter &p, const QRectF &r);
    static void preencheEntradas(QPainter &p, const QRectF &r);
    static void desenhaTriangulo(QPainter &p, const QPointF &centro, bool paraCima,
                                 const QColor &cor);

    static constexpr qreal AlturaLetra = 12, AlturaTitulo = 17, AlturaSubtitulo = 12;

private:
    std::shared_ptr<const FigurasConta> m_figuras;
    QString m_nomeConta;
};
