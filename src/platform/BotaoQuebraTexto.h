#pragma once
// A push button whose caption wraps over several lines: the ledger's creation buttons are
// narrow and their captions long.
#include <QPushButton>

class BotaoQuebraTexto : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override;
};
