#pragma once
// A label (text or picture) that answers clicks and double clicks, like the design's image
// controls and clickable captions. Given keyboard focus, Enter or the space bar click it too.
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>

class EtiquetaClicavel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(e);
    }
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
            emit clicked();
            return;
        }
        QLabel::keyPressEvent(e);
    }
    void mouseDoubleClickEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton)
            emit doubleClicked();
        QLabel::mouseDoubleClickEvent(e);
    }
};
