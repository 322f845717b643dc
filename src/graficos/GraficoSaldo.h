#pragma once
// The account's balance at the close of every day of the period: a line, the lowest and the
// highest balance marked (their dates in the labels and the tooltip), and a line at zero when
// the balance goes from one side of it to the other.
#include "graficos/Grafico.h"

class GraficoSaldo : public Grafico
{
public:
    using Grafico::Grafico;
    QString nome() const override { return QStringLiteral("Saldo"); }
    QString titulo() const override { return QStringLiteral("Saldo da conta"); }
    QString fraseVazia() const override;

    // The plot inside the chart's body, and where a day and a balance fall in it.
    struct Plano {
        QRectF area;
        EscalaGrafico escala;
        qreal x(qsizetype dia, qsizetype dias) const;
        qreal y(qint64 saldo) const { return escala.posicao(saldo, area.bottom(), area.top()); }
    };
    Plano plano(const QRectF &corpo) const;

protected:
    void desenhaCorpo(QPainter &p, const QRectF &corpo) const override;
    QString dicaCorpo(const QRectF &corpo, const QPointF &ponto) const override;
};
