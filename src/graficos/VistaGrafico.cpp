#include "graficos/VistaGrafico.h"
#include "graficos/GraficoMeses.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

VistaGrafico::VistaGrafico(const QString &nome, QWidget *pai) : QWidget(pai)
{
    setObjectName(nome);
    setMinimumSize(480, 300);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void VistaGrafico::mostra(std::shared_ptr<Grafico> grafico)
{
    m_grafico = std::move(grafico);
    if (auto *meses = dynamic_cast<GraficoMeses *>(m_grafico.get()))
        setCursor(meses->fraseVazia().isEmpty() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void VistaGrafico::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_grafico)
        m_grafico->desenha(p, QRectF(rect()));
    else
        p.fillRect(rect(), Qt::white);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

bool VistaGrafico::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip) {
        auto *h = static_cast<QHelpEvent *>(e);
        const QString dica = m_grafico ? m_grafico->dica(QRectF(rect()), h->pos()) : QString();
        if (dica.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(h->globalPos(), dica, this);
        return true;
    }
    return QWidget::event(e);
}

void VistaGrafico::mousePressEvent(QMouseEvent *e)
{
    auto *meses = dynamic_cast<GraficoMeses *>(m_grafico.get());
    if (!meses || e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    if (const auto mes = meses->mesEm(QRectF(rect()), e->position())) {
        meses->destacado = *mes;
        update();
        emit mesEscolhido(*mes);
    }
}

void VistaGrafico::keyPressEvent(QKeyEvent *e)
{
    auto *meses = dynamic_cast<GraficoMeses *>(m_grafico.get());
    const size_t n = meses && meses->fraseVazia().isEmpty() ? meses->figuras().meses.size() : 0;
    if (n == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    size_t i = meses->destacado.value_or(n);
    switch (e->key()) {
    case Qt::Key_Left: i = i == n ? n - 1 : (i > 0 ? i - 1 : 0); break;
    case Qt::Key_Right: i = i == n ? 0 : std::min(n - 1, i + 1); break;
    case Qt::Key_Home: i = 0; break;
    case Qt::Key_End: i = n - 1; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (i < n)
            emit mesEscolhido(i);
        return;
    default: QWidget::keyPressEvent(e); return;
    }
    meses->destacado = i;
    update();
}
