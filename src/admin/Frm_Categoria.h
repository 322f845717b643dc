#pragma once
// The small modal dialog that adds one category, with an optional default amount, from the
// movement editor when the category typed there does not exist. It takes and gives back the
// name through NovaCategoria.
#include <QDialog>
#include <array>

class EtiquetaInformacao;
class QLabel;
class QLineEdit;
class QPushButton;

class Frm_Categoria : public QDialog
{
    Q_OBJECT
public:
    explicit Frm_Categoria(QWidget *dono);

    // Inserts the category (name cut to its 30 stored characters) and hands the whole typed
    // name back in NovaCategoria. False when the database refused it (the user has been told).
    bool GravaCategoria();
    void CarregaIcones();

    std::array<QLabel *, 2> Label1{};
    QLineEdit *Txt_Categoria = nullptr;
    QLineEdit *Txt_ValorCateg = nullptr;
    EtiquetaInformacao *Label25_0 = nullptr;
    QPushButton *Cmd_Cancelar = nullptr;
    QPushButton *Cmd_Validar = nullptr;

protected:
    bool eventFilter(QObject *alvo, QEvent *e) override;

private:
    void Cmd_Validar_Click();
    void Txt_ValorCateg_LostFocus();
};
