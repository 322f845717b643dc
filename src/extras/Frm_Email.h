#pragma once
// The e-mail window: a suggestion to the maker, or a request to be told of new versions, sent
// with the picture quorvel.bmp attached through the mail server of the user's settings.
#include <QDialog>

class EtiquetaInformacao;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Frm_Email : public QDialog
{
    Q_OBJECT
public:
    explicit Frm_Email(QWidget *dono);

    QLabel *Label1 = nullptr;
    QLabel *Label50[3] = {};
    QLineEdit *Txt_Email = nullptr;
    QLineEdit *Txt_Assunto = nullptr;
    QPlainTextEdit *Txt_TextoEmail = nullptr;
    QPushButton *Label2 = nullptr; // "Enviar Email / sugestão"
    QPushButton *Label4 = nullptr; // "Quero ser avisado das novas versões"
    QPushButton *Label3 = nullptr; // "Sair"
    EtiquetaInformacao *Label25 = nullptr;
    QLabel *Image1 = nullptr;

    void Label2_Click();
    void Label4_Click();
    void Label3_Click();
    void EnviaEmail();

protected:
    bool eventFilter(QObject *objecto, QEvent *e) override;

private:
    void CarregaIcones();
    bool EnderecoPreenchido(); // false: the user has been told, the focus is in Txt_Email
};
