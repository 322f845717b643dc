#pragma once
// Credits and debits of every month of the period side by side, and the month's net as a line.
// A month is found by where it is drawn, so a click can open that month's extract.
#include "graficos/Grafico.h"

#include <optional>

class GraficoMeses : public Grafico
{
public:
    using Grafico::Grafico;
    QString nome() const override { return QStringLiteral("Entradas e saídas"); }
    QString titulo() const override { return QStringLiteral("Entradas e saídas por mês"); }

    // The month drawn under `ponto` (its whole column, labels included), when there is one.
    std::optional<size_t> mesEm(const QRectF &area, const QPointF &ponto) const;
    // Where month i is drawn (its column), for the keyboard's highlight and the tests' clicks.
    QRectF colunaDoMes(const QRectF &area, size_t i) const;

    // The month a keyboard user has chosen, drawn highlighted (none by default).
    std::optional<size_t> destacado;

protected:
    void desenhaCorpo(QPainter &p, const QRectF &corpo) const override;
    QString dicaCorpo(const QRectF &corpo, const QPointF &ponto) const override;

private:
    struct Plano {
        QRectF area;
        EscalaGrafico escala;
        qreal larguraMes = 0;
        qreal y(qint64 v) const { return escala.posicao(v, area.bottom(), area.top()); }
        QRectF coluna(size_t i) const;
    };
    Plano plano(const QRectF &corpo) const;
};
