#pragma once
// The small modal dialog that adds one category, with an optional default amount, from the
// movement editor when the category typed there does not exist. It takes the typed name and
// gives back the name it stored.
#include <QDialog>
#include <array>
#include <optional>

class BaseDados;
class EtiquetaInformacao;
class QLabel;
class QLineEdit;
class QPushButton;

class Frm_Categoria : public QDialog
{
    Q_OBJECT
public:
    // `nome` is the name the box starts with; the category is stored through `bd`.
    Frm_Categoria(QWidget *dono, BaseDados &bd, const QString &nome);

    // Opens the dialog modally: the whole name as typed once the category was stored, nothing
    // when the user cancelled.
    static std::optional<QString> Cria(QWidget *dono, BaseDados &bd, const QString &nome);

    // Inserts the category (name cut to its 30 stored characters) and keeps the whole typed
    // name for NomeGravado. False when the database refused it (the user has been told).
    bool GravaCategoria();
    const std::optional<QString> &NomeGravado() const { return m_nomeGravado; }
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

    BaseDados &m_bd;
    std::optional<QString> m_nomeGravado;
};
