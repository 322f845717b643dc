#pragma once
// The small modal password prompt. It compares nothing: Enter, "Validar" and "Sair" all keep
// the trimmed text as Digitada and close; the caller does the comparing.
#include <QDialog>

class QLineEdit;
class QPushButton;

class Frm_Password : public QDialog
{
    Q_OBJECT
public:
    explicit Frm_Password(QWidget *dono);

    // Opens the prompt modally and gives back what was typed, trimmed.
    static QString Pede(QWidget *dono);
    // What the prompt received, trimmed; empty until it was submitted.
    const QString &Digitada() const { return m_digitada; }

    QLineEdit *Text1;
    QPushButton *Cmd_Entrar;
    QPushButton *Cmd_Sair;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void Submete();
    bool m_submetido = false;
    QString m_digitada;
};
