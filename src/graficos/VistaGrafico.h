#pragma once
// A chart on screen: painted by its own painter over the whole widget, a tooltip where the
// chart has something to tell, and for the months chart a click (or Left/Right and Enter) that
// chooses a month.
#include <QWidget>
#include <memory>

class Grafico;

class VistaGrafico : public QWidget
{
    Q_OBJECT
public:
    explicit VistaGrafico(const QString &nome, QWidget *pai = nullptr);

    void mostra(std::shared_ptr<Grafico> grafico);
    const std::shared_ptr<Grafico> &grafico() const { return m_grafico; }

signals:
    // Month i of the months chart was clicked or chosen with Enter.
    void mesEscolhido(size_t mes);

protected:
    void paintEvent(QPaintEvent *e) override;
    bool event(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    std::shared_ptr<Grafico> m_grafico;
};
