#pragma once
// A message box that records every box shown and answers from a script (default: the first of
// Yes / Ok / the lowest button offered).
#include "platform/Mensagens.h"

#include <QList>
#include <deque>

struct CaixaMostrada {
    QString texto, titulo;
    QMessageBox::StandardButtons botoes;
    Icone icone;
};

class MensagensGuionadas final : public Mensagens
{
public:
    MensagensGuionadas() { instalaMensagens(this); }
    ~MensagensGuionadas() override { instalaMensagens(nullptr); }

    QMessageBox::StandardButton mostra(QWidget *, const QString &texto,
                                       QMessageBox::StandardButtons botoes, Icone icone,
                                       const QString &titulo) override
    {
        caixas.append({texto, titulo, botoes, icone});
        if (!respostas.empty()) {
            const auto r = respostas.front();
            respostas.pop_front();
            return r;
        }
        if (botoes & QMessageBox::Yes)
            return QMessageBox::Yes;
        if (botoes & QMessageBox::Ok)
            return QMessageBox::Ok;
        for (int b = QMessageBox::FirstButton; b <= QMessageBox::LastButton; b <<= 1)
            if (botoes & b)
                return QMessageBox::StandardButton(b);
        return QMessageBox::NoButton;
    }

    QStringList textos() const
    {
        QStringList t;
        for (const auto &c : caixas)
            t << c.texto;
        return t;
    }

    QList<CaixaMostrada> caixas;
    std::deque<QMessageBox::StandardButton> respostas;
};
