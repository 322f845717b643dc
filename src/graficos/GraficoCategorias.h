#pragma once
// Debits (or credits) of the period by category: one bar each, the largest on top, "Outras"
// for those beyond the first ten, "Sem categoria" for movements without one.
#include "graficos/Grafico.h"

class GraficoCategorias : public Grafico
{
public:
    enum class Lado { Saidas, Entradas };
    GraficoCategorias(std::shared_ptr<const FigurasConta> figuras, QString nomeConta, Lado lado);

    QString nome() const override;
    QString titulo() const override;
    QString fraseVazia() const override;

    const std::vector<CategoriaFiguras> &categorias() const;
    // "23,4 %": a category's share of the side's total, to a tenth, computed in cents.
    static QString percentagem(qint64 parte, qint64 total);

protected:
    void desenhaCorpo(QPainter &p, const QRectF &corpo) const override;
    QString dicaCorpo(const QRectF &corpo, const QPointF &ponto) const override;

private:
    qint64 total() const;
    qreal alturaLinha(const QRectF &corpo) const;
    Lado m_lado;
};
