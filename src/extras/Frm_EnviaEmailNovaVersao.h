#pragma once
// The maker's frame inside the main window for telling every customer of a new version: the
// notice's text, "ENVIAR" and "CANCELAR". Only the maker's own installation shows its menu item.
#include <QFrame>

class QPlainTextEdit;
class QPushButton;

class Frm_EnviaEmailNovaVersao : public QFrame
{
    Q_OBJECT
public:
    explicit Frm_EnviaEmailNovaVersao(QWidget *area);

    QPlainTextEdit *Txt_TextoEmail = nullptr;
    QPushButton *Command1 = nullptr;       // "CANCELAR"
    QPushButton *CommandButton1 = nullptr; // "ENVIAR"

    void Mostra(); // at its place in the window, the text ready to change
};
