#pragma once
// The preview of a statement import: every line of the statement with what will happen to it
// (Conciliado, Novo, Já importado, Ignorado), which the user may change line by line (buttons
// under the list and the list's context menu), the ledger's movements of the period the bank
// has not seen, and the balances side by side. "Confirmar" accepts; the caller writes.
#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "data/TabelaContas.h"
#include "extractos/ImportacaoExtracto.h"

class BaseDados;
class ModeloLinhasExtracto;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

class Frm_PrevisaoExtracto : public QDialog
{
    Q_OBJECT
public:
    // Another account chosen in Cmb_Conta is prepared by `paraConta` (which asks its password
    // and tells a refusal; nullopt keeps the account shown).
    using PreparaConta = std::function<std::optional<ImportacaoPreparada>(int numBanco)>;
    Frm_PrevisaoExtracto(QWidget *dono, BaseDados &bd, ImportacaoPreparada preparada,
                         const std::vector<Conta> &contas, PreparaConta paraConta);
    ~Frm_PrevisaoExtracto() override;

    const ImportacaoPreparada &preparada() const { return m_p; }

    QLabel *Lbl_Ficheiro;
    QComboBox *Cmb_Conta;
    QLabel *Lbl_Avisos;
    QTableView *Grd_LinhasExtracto;
    QPushButton *Cmd_Conciliar;
    QPushButton *Cmd_MarcarNovo;
    QPushButton *Cmd_Ignorar;
    QPushButton *Cmd_CriarRegra;
    QPushButton *Cmd_Regras;
    QLabel *Lbl_Resumo;
    QTableWidget *Grd_SoNoRazao;
    QLabel *Lbl_SaldoInicial, *Lbl_SaldoRazaoInicial, *Lbl_DiferencaInicial;
    QLabel *Lbl_SaldoFinal, *Lbl_SaldoRazaoFinal, *Lbl_DiferencaFinal;
    QLabel *Lbl_MovimentosEmFalta;
    QPushButton *Cmd_Confirmar;
    QPushButton *Cmd_Cancelar;
    QAction *Mnu_Conciliar, *Mnu_MarcarNovo, *Mnu_Ignorar, *Mnu_CriarRegra;

    // The actions on the selected line (also the buttons' and the context menu's).
    void Cmd_Conciliar_Click();
    void Cmd_MarcarNovo_Click();
    void Cmd_Ignorar_Click();
    void Cmd_CriarRegra_Click();
    void Cmd_Regras_Click();

private:
    void mostra();          // everything from the plan
    void actualizaResto();  // after a decision changed: the lists, the balances, the counts
    void Cmb_Conta_Change();
    int linhaActual() const; // -1 when none is selected
    void decide(DecisaoLinha d);
    void abreRegras(const QString &novaRegra);

    BaseDados &m_bd;
    ImportacaoPreparada m_p;
    PreparaConta m_paraConta;
    ModeloLinhasExtracto *m_modelo;
};
