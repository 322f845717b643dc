#pragma once
// The small modal password prompt. It compares nothing: Enter, "Validar" and "Sair" all hand
// the trimmed text to PasswordDigitada and close; the caller does the comparing.
#include <QDialog>

class QLineEdit;
class QPushButton;

class Frm_Password : public QDialog
{
    Q_OBJECT
public:
    explicit Frm_Password(QWidget *dono);

    QLineEdit *Text1;
    QPushButton *Cmd_Entrar;
    QPushButton *Cmd_Sair;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void Submete();
    bool m_submetido = false;
};
