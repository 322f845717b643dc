#include "reports/PaginacaoRelatorio.h"
#include "data/Dinheiro.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "reports/QuadroListagem.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>

namespace {

// Device pixels of the page, from millimetres.
struct Escala {
    double pxPorMm;
    double px(double mm) const { return mm * pxPorMm; }
};

} // namespace

QString Listagem::preencheLinha(const QString &linha) const
{
    static const QRegularExpression campo(QStringLiteral("\\{@([A-Za-z0-9_]+)\\}"));
    QString r;
    qsizetype desde = 0;
    for (auto it = campo.globalMatch(linha); it.hasNext();) {
        const auto m = it.next();
        r += linha.mid(desde, m.capturedStart() - desde);
        for (auto f = formulas.cbegin(); f != formulas.cend(); ++f)
            if (f.key().compare(m.captured(1), Qt::CaseInsensitive) == 0)
                r += f.value();
        desde = m.capturedEnd();
    }
    return r + linha.mid(desde);
}

QPageLayout Listagem::paginaPedida() const
{
    return QPageLayout(QPageSize(modelo.tamanho), modelo.orientacao, modelo.margensMm,
                       QPageLayout::Millimeter);
}

int Listagem::desenha(QPagedPaintDevice &dispositivo) const
{
    QPainter p;
    if (!p.begin(&dispositivo))
        return 0;
    const int dpi = dispositivo.logicalDpiY();
    const Escala e{double(dpi) / 25.4};
    const QRectF area(QPointF(0, 0), dispositivo.pageLayout().paintRectPixels(dpi).size());

    // No shaping: no ligatures ("fi" stays two letters when the PDF is read back or searched),
    // and the many short cells lay out faster.
    auto letra = [&](double pontos, bool negrito) {
        QFont f(modelo.familia);
        f.setPointSizeF(pontos);
        f.setBold(negrito);
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    };
    const QFont corpo = letra(modelo.letraCorpo, false);
    const QFont cabecalho = letra(modelo.letraCabecalho, true);
    const QFont titulo = letra(modelo.letraTitulo, true);
    const QFontMetricsF mCorpo(corpo, &dispositivo), mCab(cabecalho, &dispositivo),
        mTitulo(titulo, &dispositivo);
    const double linha = mCorpo.height() * 1.25;
    const double linhaCab = mCab.height() * 1.3;
    const double folga = e.px(1.5);

    // Columns: the template's widths, scaled down together when they do not fit the page.
    double larguraTotal = 0;
    for (const ColunaModelo &c : modelo.colunas)
        larguraTotal += e.px(c.larguraMm);
    const double factor = larguraTotal > area.width() ? area.width() / larguraTotal : 1.0;
    std::vector<QRectF> colunas;
    double x = 0;
    for (const ColunaModelo &c : modelo.colunas) {
        const double w = e.px(c.larguraMm) * factor;
        colunas.emplace_back(x, 0, w, linha);
        x += w;
    }

    const QuadroListagem quadro(*this);
    const QStringList &cabecalhos = quadro.cabecalho;
    const QStringList &rodapes = quadro.rodape;

    double alturaTopo = 0;
    for (int i = 0; i < cabecalhos.size(); ++i)
        alturaTopo += i == 0 ? mTitulo.height() * 1.4 : linhaCab;
    alturaTopo += e.px(2) + linhaCab + e.px(1); // gap, column headers, rule
    const double alturaPe = (double(rodapes.size()) + 1) * linhaCab + e.px(2);
    const double corpoAltura = area.height() - alturaTopo - alturaPe;
    const int porPagina = std::max(1, int(corpoAltura / linha));
    const int linhasFim = (quadro.temTotais ? 2 : 0) + (quadro.temAnulados ? 1 : 0)
                          + (quadro.temSaldoFinal ? 1 : 0);
    const int registos = quadro.registos();
    const int paginas = std::max(1, (registos + linhasFim + porPagina - 1) / porPagina);
    const QString impresso =
        QStringLiteral("Impresso em %1").arg(Regional::formataData(Relogio::hoje()));

    // One line of text in a cell, cut with an ellipsis when it does not fit. Placed by hand at
    // its baseline: laying out every cell through a text rectangle costs several times more
    // on a listing of thousands of lines.
    auto texto = [&](const QRectF &r, Qt::Alignment a, const QString &t, const QFontMetricsF &m) {
        if (t.isEmpty())
            return;
        const double largura = r.width() - 2 * folga;
        QString cabe = t;
        double w = m.horizontalAdvance(t);
        if (w > largura) {
            cabe = m.elidedText(t, Qt::ElideRight, largura);
            w = m.horizontalAdvance(cabe);
        }
        double x = r.left() + folga;
        if (a & Qt::AlignRight)
            x = r.right() - folga - w;
        else if (a & Qt::AlignHCenter)
            x = r.center().x() - w / 2;
        const double base = r.top() + (r.height() - m.height()) / 2 + m.ascent();
        p.drawText(QPointF(x, base), cabe);
    };

    int registo = 0;
    for (int pagina = 1; pagina <= paginas; ++pagina) {
        if (pagina > 1)
            dispositivo.newPage();
        double y = 0;
        for (int i = 0; i < cabecalhos.size(); ++i) {
            const QFontMetricsF &m = i == 0 ? mTitulo : mCab;
            p.setFont(i == 0 ? titulo : cabecalho);
            const double h = i == 0 ? mTitulo.height() * 1.4 : linhaCab;
            texto(QRectF(0, y, area.width(), h), Qt::AlignLeft, cabecalhos[i], m);
            y += h;
        }
        y += e.px(2);
        p.setFont(cabecalho);
        for (size_t c = 0; c < colunas.size(); ++c)
            texto(colunas[c].translated(0, y), modelo.colunas[c].alinhamento,
                  modelo.colunas[c].titulo, mCab);
        y += linhaCab;
        p.drawLine(QPointF(0, y), QPointF(x, y));
        y += e.px(1);

        p.setFont(corpo);
        int nestaPagina = 0;
        for (; registo < registos && nestaPagina < porPagina; ++registo, ++nestaPagina) {
            for (size_t c = 0; c < colunas.size(); ++c)
                texto(colunas[c].translated(0, y), modelo.colunas[c].alinhamento,
                      quadro.textoCelula(registo, int(c)), mCorpo);
            y += linha;
        }
        if (pagina == paginas) {
            // A line of sums: the label in the room left of the first total.
            auto somas = [&](const QString &rotulo, const std::vector<qint64> &valores) {
                bool comRotulo = false;
                for (size_t c = 0; c < colunas.size(); ++c) {
                    const ColunaModelo &col = modelo.colunas[c];
                    if (!col.total)
                        continue;
                    if (!comRotulo) {
                        texto(QRectF(0, y, colunas[c].left(), linha), Qt::AlignRight, rotulo,
                              mCab);
                        comRotulo = true;
                    }
                    texto(colunas[c].translated(0, y), col.alinhamento,
                          Dinheiro::deCentimos(valores[c]).formata(), mCab);
                }
                y += linha;
            };
            p.setFont(cabecalho);
            if (quadro.temTotais) {
                p.drawLine(QPointF(0, y + linha * 0.3), QPointF(x, y + linha * 0.3));
                y += linha * 0.6;
                somas(quadro.rotuloTotais, quadro.totais);
                if (quadro.temAnulados)
                    somas(quadro.rotuloAnulados, quadro.anulados);
            }
            if (quadro.temSaldoFinal)
                texto(QRectF(0, y, x, linha), Qt::AlignRight,
                      quadro.rotuloSaldoFinal + QLatin1Char(' ')
                          + Dinheiro::deCentimos(quadro.saldoFinal).formataMoeda(),
                      mCab);
        }

        // Foot of the page.
        p.setFont(cabecalho);
        double yp = area.height() - alturaPe + e.px(2);
        p.drawLine(QPointF(0, yp - e.px(1)), QPointF(area.width(), yp - e.px(1)));
        for (const QString &r : rodapes) {
            texto(QRectF(0, yp, area.width(), linhaCab), Qt::AlignLeft, r, mCab);
            yp += linhaCab;
        }
        texto(QRectF(0, yp, area.width() / 2, linhaCab), Qt::AlignLeft, impresso, mCab);
        texto(QRectF(area.width() / 2, yp, area.width() / 2, linhaCab), Qt::AlignRight,
              QStringLiteral("Página %1 de %2").arg(pagina).arg(paginas), mCab);
    }
    p.end();
    return paginas;
}
