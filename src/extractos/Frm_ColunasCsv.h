#pragma once
// The window where the user sees how a CSV or spreadsheet statement will be read: the guessed
// (or saved) layout beside a preview of the first rows as a table. He corrects the columns, the
// date form, the marks, the separator, the encoding and the lines around the data, and may save
// the layout as a named preset, remembered for files of the same shape.
#include <QByteArray>
#include <QDialog>
#include <QString>
#include <optional>

#include "extractos/LeitorTabela.h"
#include "extractos/PresetCsv.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QPushButton;

class Frm_ColunasCsv : public QDialog
{
    Q_OBJECT
public:
    Frm_ColunasCsv(const QByteArray &conteudo, const QString &nomeFicheiro,
                   QWidget *pai = nullptr);

    // Opens the window on the file, with the saved preset of its shape chosen (else the guess)
    // and returns the layout the user accepted; nullopt when he cancels.
    static std::optional<PresetCsv> Escolhe(QWidget *pai, const QByteArray &conteudo,
                                            const QString &nomeFicheiro);

    PresetCsv preset() const;
    void definePreset(const PresetCsv &preset);

private:
    void constroi();
    void leLinhas();
    void preencheControlos();
    void leControlos();
    void actualizaPrevisao();
    void escolhePreset(int indice);
    void guardaPreset();
    void enchePresets(const QString &seleccionar);

    QByteArray m_conteudo;
    QString m_nomeFicheiro;
    QString m_forma;
    PresetCsv m_preset;
    bool m_aPreencher = false;
    bool m_xlsx = false;
    std::vector<LinhaTabela> m_linhas;
    std::vector<PresetCsv> m_presets; // in the order of Cmb_Preset after its first item

    QComboBox *m_cmbPreset = nullptr;
    QComboBox *m_cmbSeparador = nullptr;
    QComboBox *m_cmbCodificacao = nullptr;
    QComboBox *m_cmbFormaData = nullptr;
    QComboBox *m_cmbMarcaDecimal = nullptr;
    QComboBox *m_cmbFormaDebito = nullptr;
    QSpinBox *m_txtLinhasCabecalho = nullptr;
    QSpinBox *m_txtLinhasRodape = nullptr;
    QComboBox *m_cmbColuna[8] = {};
    QLineEdit *m_txtNomePreset = nullptr;
    QTableWidget *m_grdPrevisao = nullptr;
    QLabel *m_lblEstado = nullptr;
    QPushButton *m_cmdGuardarPreset = nullptr;
    QPushButton *m_cmdOk = nullptr;
    QPushButton *m_cmdCancelar = nullptr;
};
