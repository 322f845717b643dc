#pragma once
// "Configurar correio...": the mail server, its port and security, the user name and password
// and the sender address, with a test message that reports the server's answer. The password
// box never shows a kept password: it stays empty with a note that one is kept, and whatever
// is typed into it is shown as dots.
#include "extras/ConfiguracaoEmail.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Frm_ConfiguraCorreio : public QDialog
{
    Q_OBJECT
public:
    explicit Frm_ConfiguraCorreio(QWidget *dono);

    QLabel *Lbl_Servidor = nullptr;
    QLineEdit *Txt_Servidor = nullptr;
    QLabel *Lbl_Porta = nullptr;
    QLineEdit *Txt_Porta = nullptr;
    QLabel *Lbl_Seguranca = nullptr;
    QComboBox *Cmb_Seguranca = nullptr; // STARTTLS, TLS, Nenhuma
    QLabel *Lbl_Utilizador = nullptr;
    QLineEdit *Txt_Utilizador = nullptr;
    QLabel *Lbl_Password = nullptr;
    QLineEdit *Txt_Password = nullptr;
    QLabel *Lbl_Remetente = nullptr;
    QLineEdit *Txt_Remetente = nullptr;
    QLabel *Lbl_Nota = nullptr;
    QPushButton *Cmd_EnviarTeste = nullptr;
    QPushButton *Cmd_Guardar = nullptr;
    QPushButton *Cmd_Cancelar = nullptr;

    void Cmd_EnviarTeste_Click();
    void Cmd_Guardar_Click();

    // The settings as typed; the kept password when none was typed.
    ConfiguracaoEmail Escolhida() const;

private:
    void Cmb_Seguranca_Click();
    bool Valida(const ConfiguracaoEmail &c); // false: the user has been told why
    bool m_temPassword = false;
    QString m_passwordFicheiro; // a password the settings file holds (older versions, fallback)
};
