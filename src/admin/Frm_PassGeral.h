#pragma once
// Changes the general (supervisor) password: the old one, the new one, the new one again.
#include <QDialog>
#include <array>

class BaseDados;
class QLineEdit;
class QPushButton;
class EtiquetaInformacao;

class Frm_PassGeral : public QDialog
{
    Q_OBJECT
public:
    // `passwordGeral` is the password in use: compared with the old one, replaced by the new.
    Frm_PassGeral(QWidget *dono, BaseDados &bd, QString &passwordGeral);

    std::array<QLineEdit *, 3> Txt_Var{}; // old, new, new again
    QPushButton *Cmd_ValPassGer = nullptr;
    QPushButton *Cmd_CancelarPass = nullptr;
    EtiquetaInformacao *Label25 = nullptr;

    void Cmd_ValPassGer_Click();
    void Cmd_CancelarPass_Click();
    void GravaPasswordGeral();

protected:
    bool eventFilter(QObject *objecto, QEvent *e) override;

private:
    void CarregaIcones();

    BaseDados &m_bd;
    QString &m_passwordGeral;
};
