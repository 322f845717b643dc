#pragma once
// The value-passing frame inside the main window, never shown to the user: the ledger and the
// movement editor exchange a movement's values through its controls' texts, and the editor
// leaves its result here.
#include <QGroupBox>
#include <array>

// How the movement editor was left. Txt_BotaoFrame2 shows it as designed: "1", "2", "3".
enum class ResultadoEditor { Validar, Cancelar, Apagar };

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class EtiquetaInformacao;

class Frame2 : public QGroupBox
{
    Q_OBJECT
public:
    explicit Frame2(QWidget *pai);

    // TxtCampo(0) document number, (1) date text, (2) description, (3) amount text. The
    // observations, TxtCampo(4), are several lines: see TxtCampo4.
    std::array<QLineEdit *, 4> TxtCampo{};
    QPlainTextEdit *TxtCampo4 = nullptr;
    QComboBox *Cmb_TipoMovimento = nullptr; // "Crédito" or "Débito"
    QComboBox *Cmb_Categoria = nullptr;
    QComboBox *Cmb_Categoria1 = nullptr;    // "Sub Categoria"
    QComboBox *Cmb_Situacao = nullptr;
    QLineEdit *Txt_NumAuto = nullptr;
    QLineEdit *Txt_BotaoFrame2 = nullptr;   // the editor's result: see Resultado
    QPushButton *Cmd_Validar = nullptr;
    QPushButton *Cmd_FechaFrame2 = nullptr;
    QPushButton *Cmd_ApagaMovimento = nullptr;
    EtiquetaInformacao *Label25_3 = nullptr;

    // Texts of every field by index 0..4 (4 = the observations), for uniform reading.
    QString Campo(int i) const;
    void setCampo(int i, const QString &texto);

    // The editor's result; any text but "1" and "3" reads as a cancel.
    ResultadoEditor Resultado() const;
    void setResultado(ResultadoEditor resultado);
};
