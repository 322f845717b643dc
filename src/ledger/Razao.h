#pragma once
// The ledger of the main window: the account menu and the chosen account, the movement grid with
// its running balance, the creation, change and deletion of movements through the editor, and
// the write-back of grid rows. It owns this state; the main window only forwards its design-named
// procedures here. Its procedures are split by job:
//   Razao.cpp              construction, hooks, wiring
//   Razao_Contas.cpp       account menu and selection, what is remembered between runs
//   Razao_Grelha.cpp       loading the grid, formatting, running balance
//   Razao_Movimentos.cpp   the editor's result, creation, change, deletion, write-back
//   Razao_Fim.cpp          the write at the end of the run, and what a failure of it asks
//   Razao_Interaccao.cpp   clicks and keys on the grid, movement details
#include "conta/ContaAberta.h"
#include "subsistemas/Subsistema.h"
#include "data/Dinheiro.h"
#include "data/TabelaMovimentos.h"
#include "ledger/ModoEdicao.h"

#include <QColor>
#include <QDate>
#include <array>
#include <optional>
#include <vector>

class ErroBaseDados;
class EtiquetaClicavel;
class EtiquetaInformacao;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

// The main window's controls the ledger drives, besides the grid, the frame and the account
// number box of the context.
// Left of the debit creation button, in twips: beside the credit button of 1050 twips at 4560
// (the design's 5400 left both captions no room for the word "Movimento").
inline constexpr int EsquerdaBotaoDebito = 5640;

struct VistaRazao {
    EtiquetaClicavel *Image1 = nullptr;          // the start picture
    EtiquetaClicavel *Lbl_NomeDoBanco = nullptr; // the open account's name
    QLabel *Label2 = nullptr;                    // details of the current movement
    QLabel *Label1_10 = nullptr;                 // "Saldo da Conta:"
    QLineEdit *Txt_SaldoFinal = nullptr;
    EtiquetaInformacao *Label25_0 = nullptr;
    QPushButton *Cmd_CriaNovaEntrada = nullptr;
    QPushButton *Cmd_CriaNovaEntradaDebito = nullptr;
    QPushButton *Cmd_CriaNovaEntrada1 = nullptr;
    QAction *Mnu_NovaConta = nullptr;
    std::array<QAction *, 10> Mnu_Banco{}; // 1..9; index 0 unused
    QAction *Mnu_GestBanco = nullptr;
    QMenu *Mnu_Movimentos = nullptr;
};

class Razao : public Subsistema
{
    Q_OBJECT
public:
    Razao(const ContextoJanela &contexto, const VistaRazao &vista, QObject *pai = nullptr);

    // ---- hooks ----
    void EstadoInicial() override; // the start picture, the ledger and its menus hidden
    void CarregaIcones(const QString &pasta) override;
    // Changed rows written, the open account remembered. Should the write fail, the user is
    // told what was not saved and chooses: try again, close without saving, or stay open.
    bool FimExecucao() override;

    // ---- account menu and selection (throw ErroBaseDados unless said) ----
    void CarregaMenuContas();
    void RestauraUltimaConta();
    void AbreConta();
    void RepoePosicaoGrelha(); // never throws: the position is a convenience
    void GuardaEstadoConta();
    void Mnu_Banco_Click(int n); // errors told
    void Image1_Click();         // errors told
    // The open account was deleted: its rows leave the grid, so nothing of it can be written
    // back at the end of the run.
    void EsqueceConta();
    bool ContaAberta() const; // the grid of an account is shown

    // ---- movement grid ----
    void CarregaMovimentos();
    void FormataGrelha();
    Dinheiro SaldoFinal() const;

    // ---- movements ----
    ModoEdicao Modo() const { return m_modo; }
    void Cmd_CriaNovaEntrada_Click();       // a credit
    void Cmd_CriaNovaEntradaDebito_Click(); // a debit
    void PreparaNovoMovimento(); // PreencheNovoMovimento, then the editor
    // The frame holds a new movement dated today, of the type Cmb_TipoMovimento shows, ready
    // for the editor: what the editor starts from and what a validation of it creates.
    void PreencheNovoMovimento();
    // Puts grid row `linha` in the frame for a change, highlighted, the grid disabled. False
    // when the row is not a movement's or its extras could not be read (the user was told).
    bool PreparaAlteracao(int linha);
    void TrataBotaoFrame2(); // acts on the editor's result; database errors told
    void GravaLinhasAlteradas();
    void GravaTodasLinhas(); // every row with its balance, one transaction; throws ErroBaseDados

    // ---- grid interaction ----
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_KeyDown(int tecla, Qt::KeyboardModifiers modificadores);
    void MSHFlexGrid1_DblClick();
    void MostraDetalhes(qint64 n);

private:
    ::ContaAberta &conta() const { return *contexto().conta; }
    void MostraNome(const QString &nome); // Lbl_NomeDoBanco and the open account's name
    void EscondeRazao(); // grid, account name, balance, buttons
    void MostraGrelha(bool visivel); // the grid, and with it whether the account is open
    // The grid, its buttons and balance as the account's rows now are: with no movement, the
    // creation of one starts.
    void MostraConta();
    void MostraSaldoFinal(); // blank while the account's last rows are still being read
    void LeituraFalhou(const ErroBaseDados &erro);
    // After a write that changed movements: the grid shows what is stored, in place when the
    // account can say so, else read again.
    void MostraGravado(const ::ContaAberta::Gravacao &g);
    void AbreEditor();   // the editor on the frame, then its result
    void Cmd_Validar_Click();
    void Cmd_FechaFrame2_Click();
    void Cmd_ApagaMovimento_Click();
    void PassaFrame2ParaGrelha();
    // The movement of the editor and its extras, in one transaction; the new or changed key.
    // On a failure (thrown) neither table nor the grid has changed.
    qint64 CriaMovimento(Movimento &criado);
    qint64 AlteraMovimento(::ContaAberta::Gravacao &gravada);
    // The failed write was told; the editor opens again with what the user typed.
    void ReabreEditor(ModoEdicao modo, const ErroBaseDados &erro);
    std::optional<ExtrasMovimento> ExtrasFrame2() const; // nullopt: the editor left them empty
    void RealcaLinhaEditada();
    void RepoeCorLinha();
    // The rows to write back (every one, or those marked changed); invalid dates are told
    // here, before any transaction opens.
    ::ContaAberta::Gravacao LinhasPorGravar(bool todas);
    void GravaLinhas(bool todas);
    // Razao_Fim.cpp: writes the changed rows and the account state; false when the user chose
    // to keep the program open after a failure.
    bool GravaAoFechar();
    void RecuperaDeErro(const ErroBaseDados &erro);
    void RepoeVista(int topo, qint64 chave, int linha);
    qint64 NumAutoFrame2() const;
    void MostraDetalhesNaGrelha(qint64 n); // MostraDetalhes, errors told

    VistaRazao m_vista;
    ModoEdicao m_modo = ModoEdicao::Nenhum;
    int m_linhaEditada = 0;     // the grid row open in the editor for a change
    QColor m_corLinhaEditada;   // its background before the highlight (invalid = default)
};
