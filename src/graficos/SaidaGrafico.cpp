#include "graficos/SaidaGrafico.h"
#include "graficos/Grafico.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace SaidaGrafico {

QImage imagem(const Grafico &g, const QSize &tamanho)
{
    QImage img(tamanho, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    g.desenha(p, QRectF(QPointF(0, 0), QSizeF(tamanho)));
    return img;
}

QPageLayout pagina()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                       QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

bool gravaPng(const Grafico &g, const QString &caminho)
{
    return imagem(g, TamanhoPng).save(caminho, "PNG");
}

bool desenhaPagina(const Grafico &g, QPagedPaintDevice &dispositivo)
{
    QPainter p;
    if (!p.begin(&dispositivo))
        return false;
    const qreal escala = qreal(dispositivo.width()) / LarguraPagina;
    p.scale(escala, escala);
    g.desenha(p, QRectF(0, 0, LarguraPagina, qreal(dispositivo.height()) / escala));
    return p.end();
}

bool gravaPdf(const Grafico &g, const QString &caminho)
{
    QPdfWriter pdf(caminho);
    pdf.setTitle(g.titulo());
    pdf.setCreator(QStringLiteral("Quorvel"));
    pdf.setPageLayout(pagina());
    return desenhaPagina(g, pdf);
}

} // namespace SaidaGrafico
