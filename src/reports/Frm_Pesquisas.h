#pragma once
// The search frame inside the main window: the criteria of the account extracts (document
// number, category, situation and description prefixes, a date range) and the buttons that
// print and close. It holds its controls, the Enter chain and the category completion; what
// the buttons do belongs to the listings subsystem.
#include <QFrame>
#include <QStringList>

class EtiquetaInformacao;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

class Frm_Pesquisas : public QFrame
{
    Q_OBJECT
public:
    explicit Frm_Pesquisas(QWidget *pai);

    // Replaces the category list with `nomes`, keeping the box's text and starting no
    // completion.
    void PreencheCategoriasConsulta(const QStringList &nomes);
    void CarregaIcones(const QString &pasta);

    QLabel *Label18 = nullptr;
    QLineEdit *Txt_PesquisaNumero = nullptr;
    QComboBox *Cmb_CategoriaConsulta = nullptr;
    QLineEdit *Txt_PesquisaSituacao = nullptr;
    QLineEdit *Txt_PesquisaDescricao = nullptr;
    QCheckBox *Check2 = nullptr;
    QFrame *Frm_dataConsulta = nullptr;
    QDateEdit *DTPicker3 = nullptr;
    QDateEdit *DTPicker4 = nullptr;
    QPushButton *Cmd_Consultar = nullptr;
    QPushButton *Cmd_Exportar = nullptr; // the same selection to a spreadsheet file
    QPushButton *Cmd_CancelaConsulta = nullptr;
    EtiquetaInformacao *Lbl_AjudaPesquisa = nullptr;

    // Caret position to restore after a failed completion of this box.
    int PosicaoAutoCompletar = 0;
    // No completion of the category box while set; a key in the box lifts it.
    bool BloqueiaAutoCategoria = false;

protected:
    bool eventFilter(QObject *alvo, QEvent *e) override;

private:
    void Check2_Click();
    void Cmb_CategoriaConsulta_Change();
    bool m_aMudarTexto = false; // the category text is being set by the frame itself
};
