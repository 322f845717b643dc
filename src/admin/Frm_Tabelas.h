#pragma once
// The category table editor: every category's name and default value in a grid, edited in place
// through a text box laid over the cell. "Sair" writes every row back and closes; closing in any
// other way writes nothing.
#include <QDialog>
#include <vector>

class BaseDados;
class EtiquetaClicavel;
class FlexGrid;
class QLineEdit;
class QPushButton;
class EtiquetaInformacao;

class Frm_Tabelas : public QDialog
{
    Q_OBJECT
public:
    // Grid columns: 0 fixed, 1 the key (hidden), 2 the name, 3 the value in currency format.
    enum Coluna { ColNumAutomatico = 1, ColDescricao = 2, ColValor = 3, NumColunas = 4 };

    Frm_Tabelas(QWidget *dono, BaseDados &bd);

    // Loads the table (adding the empty rows for new categories). Throws ErroBaseDados.
    void Form_Load();

    EtiquetaClicavel *Lbl_TituloModulo = nullptr;
    FlexGrid *MSHFlexGrid1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Cmd_Sair = nullptr;
    EtiquetaInformacao *Label25 = nullptr;

    void CarregaTabelaCategorias();
    void FormataGrelhaCategorias();
    // Opens the edit box on the current cell. A printable character replaces the cell's text;
    // a control key, Enter or the blank (codes 0 to 32) edits the text the cell holds.
    void EditaGrelha(char32_t keyAscii);
    void Cmd_Sair_Click();

signals:
    // A double click on the title: the import of accounts 5 and 6 answers it.
    void Lbl_TituloModulo_DblClick();

protected:
    bool eventFilter(QObject *objecto, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void CarregaIcones();
    void InicioEdicao();
    void FimEdicao();
    void TerminaEdicao(); // copies the edit box into the cell it was opened on, then hides it
    bool Text1_KeyDown(int tecla);

    BaseDados &m_bd;
    int m_linhaEdicao = 0, m_colunaEdicao = 0;
};
