#pragma once
// The account frame shown in place inside the main window: the stored data of one account slot
// (name, branch, account number, NIB, manager, access password, observations) and the buttons
// that save, cancel or delete it. Administracao owns the procedures; this class holds the
// controls and the Enter chain between the boxes.
#include <QGroupBox>
#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class EtiquetaInformacao;

class Frm_GestaoBancos : public QGroupBox
{
    Q_OBJECT
public:
    static constexpr int Primeiro = 5; // TxtCampo(5) .. TxtCampo(11): 0-4 are Frame2's
    static constexpr int Ultimo = 11;

    explicit Frm_GestaoBancos(QWidget *pai);

    // The box of index i (5..11): a line box, or the observations box for 11.
    QWidget *TxtCampo(int i) const;
    QString Campo(int i) const;
    void setCampo(int i, const QString &texto);

    QPushButton *Cmd_Fechar1 = nullptr;
    QPushButton *Cmd_Cancelar1 = nullptr;
    QPushButton *Cmd_ApagarTudo = nullptr;
    EtiquetaInformacao *Label25_2 = nullptr;

protected:
    bool eventFilter(QObject *objecto, QEvent *e) override;

private:
    std::array<QLineEdit *, 6> m_linhas{}; // TxtCampo(5) .. TxtCampo(10)
    QPlainTextEdit *m_observacoes = nullptr; // TxtCampo(11)
};
