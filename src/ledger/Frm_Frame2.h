#pragma once
// The modal movement editor. It reads its starting values from the value-passing frame and
// gives back the edited values and its result there; the ledger does the database work once it
// has closed. Construction, values and buttons are in Frm_Frame2.cpp;
// keys, the category box and the field help in Frm_Frame2_Campos.cpp.
#include "ledger/ModoEdicao.h"

#include <QDialog>
#include <array>

class BaseDados;
class EtiquetaClicavel;
class EtiquetaInformacao;
class ErroBaseDados;
class Frame2;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Frm_Frame2 : public QDialog
{
    Q_OBJECT
public:
    // `dono` is the main window (the editor sits at a fixed place from it); `frame` the frame
    // the values pass through; `bd` the connection the categories are read from and added to.
    Frm_Frame2(QWidget *dono, ::Frame2 *frame, ModoEdicao modo, BaseDados &bd);

    void LeValoresFrame2();
    void DevolveValoresFrame2();
    void PreencheCategorias();
    void ActualizaTipoValor();
    void CarregaIcones();

    // ---- controls (objectName = the name in the design) ----
    QComboBox *Cmb_TipoMovimento = nullptr;
    QComboBox *Cmb_Categoria = nullptr;
    QComboBox *Cmb_Situacao = nullptr;
    QComboBox *Cmb_Categoria1 = nullptr; // hidden: the sub-category travels through unchanged
    QDateEdit *DTPicker1 = nullptr;
    // TxtCampo(0) document number, (1) hidden date text, (2) description, (3) amount; the
    // observations, TxtCampo(4), are several lines: see TxtCampo4.
    std::array<QLineEdit *, 4> TxtCampo{};
    QPlainTextEdit *TxtCampo4 = nullptr;
    std::array<EtiquetaClicavel *, 10> Label1{}; // field titles; 6 and 7 do not exist
    EtiquetaInformacao *Label25_0 = nullptr;
    QPushButton *Cmd_ApagaMovimento = nullptr;
    QPushButton *Cmd_FechaFrame2 = nullptr;
    QPushButton *Cmd_Validar = nullptr;

    // Caret position to restore after a failed auto-completion match.
    int PosicaoAutoCompletar = 0;

    static constexpr int MaximoObservacoes = 120;

public slots:
    void done(int resultado) override;

protected:
    bool eventFilter(QObject *alvo, QEvent *e) override;

private:
    void CriaControlos();
    void DefineOrdemTabulacao();
    void LigaControlos();
    ::Frame2 *frame() const;

    void Cmd_Validar_Click();
    void Cmd_FechaFrame2_Click();
    void Cmd_ApagaMovimento_Click();
    void Label1_Click(int indice);

    bool TeclaEnter(QObject *alvo);
    void Cmb_Categoria_Change();
    void Cmb_Categoria_LostFocus();
    void VerificaCategoria();
    void TxtCampo3_LostFocus();
    void LimitaObservacoes();
    void MostraErro(const ErroBaseDados &erro);

    ::Frame2 *m_frame;
    BaseDados &m_bd;
    bool m_botaoPremido = false;        // a button has put its result in the frame
    bool m_aFechar = false;
    bool m_aMudarTexto = false;         // the category text is being set by the editor itself
    // No completion until the user types in the category box, nor while the quick category
    // dialog is open for the text typed there.
    bool m_bloqueiaAutoCategoria = true;
    bool m_verificacaoPendente = false; // the category box was left for a button, unchecked
};
