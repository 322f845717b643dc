#pragma once
// The main window: start-up checks, the account menu, the ledger grid, and the frames that live
// inside it. Its procedures are grouped by subsystem in files of the subsystem's folder:
//   app/Frm_bancos.cpp            loading, start state, activation, end of the run
//   app/Frm_bancos_Controlos.cpp  controls and menus
//   ledger/Frm_bancos_Contas.cpp  account menu and selection
//   ledger/Frm_bancos_Grelha.cpp  movement grid and running balance
//   ledger/Frm_bancos_Movimentos.cpp  creating, changing and deleting movements, write-back
//   ledger/Frm_bancos_Interaccao.cpp  clicks and keys on the grid, movement details
//   admin/Frm_bancos_Administracao.cpp  new account, account settings and deletion, general
//                                       password and category table
#include <QColor>
#include <QDate>
#include <QMainWindow>
#include <array>
#include <vector>

#include "app/Subsistema.h"
#include "data/Dinheiro.h"

class EtiquetaClicavel;
class EtiquetaInformacao;
class Frame2;
class Frm_GestaoBancos;
class FlexGrid;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class Frm_bancos : public QMainWindow
{
    Q_OBJECT
public:
    explicit Frm_bancos(QWidget *pai = nullptr);
    ~Frm_bancos() override;

    // Runs the loading sequence. 0 when the program carries on; otherwise the exit status of a
    // start that had to stop (the user has been told why).
    int Form_Load();
    void Form_Activate();

    // ---- start-up ----
    bool VerificaFicheiroConfiguracao();
    bool VerificaFicheiroBancos();
    void CarregaIcones();
    void EstadoInicial();
    void LePasswordGeral();

    // ---- account menu and selection ----
    void CarregaMenuContas();
    void RestauraUltimaConta();
    void AbreConta();
    void RepoePosicaoGrelha();
    void GuardaEstadoConta();
    void Mnu_Banco_Click(int n);
    void Image1_Click();

    // ---- movement grid ----
    void CarregaMovimentos();
    void FormataGrelha();
    Dinheiro SaldoFinal() const { return m_saldoFinal; }

    // ---- movements: creation, the editor's result, write-back (ledger/Frm_bancos_Movimentos)
    void Cmd_CriaNovaEntradaDebito_Click();
    void Mnu_MovCredito_Click();
    void Mnu_MovDebito_Click();
    void PreparaNovoMovimento();
    void TrataBotaoFrame2(); // catches database errors: tells the user, grid usable again
    void Cmd_Validar_Click();
    void Cmd_FechaFrame2_Click();
    void Cmd_ApagaMovimento_Click();
    void PassaFrame2ParaGrelha();
    void GravaTodasLinhas(); // every row with its balance, one transaction; throws ErroBaseDados
    void CriaMovimento();
    void GravaDadosOutros(qint64 n);
    void ApagaDadosOutros(qint64 n);
    void RealcaLinhaEditada();
    void RepoeCorLinha();
    bool EmAlteracao = false;  // an existing grid row is open in the editor
    int LinhaEditada = 0;      // its grid row
    QColor CorLinhaEditada;    // its background before the highlight (invalid = default)

    // ---- grid interaction (ledger/Frm_bancos_Interaccao) ----
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_KeyDown(int tecla, Qt::KeyboardModifiers modificadores);
    void MSHFlexGrid1_DblClick();
    void MostraDetalhes(qint64 n);

    // ---- account administration ----
    bool VerificaContaSeleccionada();
    void Mnu_GestBanco_Click();
    void Mnu_NovaConta_Click();
    void PreparaNovaConta();
    void Cmd_Fechar1_Click();
    void GravaDadosConta();
    void Cmd_Cancelar1_Click();
    void Cmd_ApagarTudo_Click();
    void ApagaConta();
    void Mnu_PassGeral_Click();
    void Mnu_Categorias_Click();
    bool CriandoConta = false;      // the account frame was opened by "Nova Conta"
    bool ContaSeleccionada = false; // result of the last VerificaContaSeleccionada

    // ---- wiring of each subsystem's controls and menus (one per subsystem file) ----
    void LigaMovimentos();
    void LigaAdministracao();

    // ---- hooks filled by other subsystems ----
    void GravaLinhasAlteradas();     // movements: write the rows marked changed
    void Cmd_CriaNovaEntrada_Click(); // movements: create a credit
    void MostraDadosConta();         // administration: settings of the chosen account
    void CalculaDiasSemBackup();     // backups
    void VerificaAvisoBackup();      // backups
    bool MostraDicaDoDia();          // tip of the day: false when the tip window declines

    // ---- controls (objectName = the name in the design) ----
    EtiquetaClicavel *Image1 = nullptr;
    EtiquetaClicavel *Lbl_NomeDoBanco = nullptr;
    QLineEdit *Txt_NumBanco = nullptr;
    FlexGrid *MSHFlexGrid1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Txt_SaldoFinal = nullptr;
    QLabel *Label1_10 = nullptr;
    EtiquetaInformacao *Label25_0 = nullptr;
    QPushButton *Cmd_CriaNovaEntrada = nullptr;
    QPushButton *Cmd_CriaNovaEntradaDebito = nullptr;
    QPushButton *Cmd_CriaNovaEntrada1 = nullptr;
    EtiquetaClicavel *Label3 = nullptr;
    QLabel *GifView = nullptr;
    ::Frame2 *Frame2 = nullptr; // the hidden value-passing frame
    ::Frm_GestaoBancos *Frm_GestaoBancos = nullptr; // the account frame

    QMenu *Mnu_Bancos = nullptr;
    QAction *Mnu_NovaConta = nullptr;
    std::array<QAction *, 10> Mnu_Banco{}; // 1..9; index 0 unused
    QAction *Mnu_GestBanco = nullptr;
    QMenu *Mnu_Movimentos = nullptr;
    QAction *Mnu_MovDebito = nullptr;
    QAction *Mnu_MovCredito = nullptr;
    QMenu *Mnu_Pesquisas = nullptr;
    QAction *Mnu_Listagem1 = nullptr;
    QAction *Mnu_Listagem2 = nullptr;
    QAction *Mnu_Listagem3 = nullptr;
    QMenu *Mnu_Opcoes = nullptr;
    QAction *Mnu_Actualizacao = nullptr;
    QAction *Mnu_EnviarEmail = nullptr;
    QAction *Mnu_DicasEntrada = nullptr;
    QAction *Mnu_FAQ = nullptr;
    QAction *Mnu_UltimasAltercoes = nullptr;
    QAction *Mnu_Manual = nullptr;
    QAction *Mnu_Backups = nullptr;
    QAction *Mnu_Categorias = nullptr;
    QAction *Mnu_PassGeral = nullptr;
    QAction *Mnu_MestreEnviaEmails = nullptr;
    QAction *Mnu_Sair = nullptr;

    // The subsystems in registration order; the window runs their hooks in this order.
    const std::vector<Subsistema *> &Subsistemas() const { return m_subsistemas; }

    // A control of this window by its design name ("Label25(2)", "Cmd_Validar"), or nullptr.
    QWidget *Controlo(const QString &nome) const;

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void CriaControlos();
    ContextoJanela Contexto();
    void RegistaSubsistemas(); // app/Frm_bancos_Subsistemas.cpp: one line per subsystem
    template <class T>
    T *Regista(T *s)
    {
        m_subsistemas.push_back(s);
        return s;
    }
    std::vector<Subsistema *> m_subsistemas;
    void CriaMenus();
    void MostraErroBaseDados(const class ErroBaseDados &erro) const;
    int NumBancoActual() const; // Txt_NumBanco read as a number; 0 when it is not one
    void EscondeRazao();        // hides the ledger: grid, account name, balance, buttons
    void AbreEditor();          // movements: the editor on the frame, then its result
    void GravaLinhas(bool todas);
    void RecuperaDeErro(const class ErroBaseDados &erro);
    void RepoeVista(int topo, qint64 chave, int linha);
    qint64 NumAutoFrame2() const;
    void MostraDetalhesNaGrelha(qint64 n); // MostraDetalhes, errors told
    bool CarregaDadosConta();   // administration: fills the account frame; false on an error
    void ContaEscolhidaMudou(); // administration: the chosen account changed under the frame
    int m_numBancoGestao = 0;   // the slot the account frame was loaded from

    // What the grid's rows were loaded from, so balances are summed in cents, not re-read
    // from formatted text.
    struct ValoresLinha {
        QDate data;
        Dinheiro debito, credito;
    };
    std::vector<ValoresLinha> m_valoresLinhas;
    Dinheiro m_saldoFinal;
};
