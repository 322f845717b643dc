#pragma once
// The main window is a view: its controls, its menus, and the procedure names of the design as
// one-line forwarders to the subsystem that owns the work. What lives where:
//   app/Frm_bancos.cpp             loading, start state, activation, end of the run: the hook loop
//   app/Frm_bancos_Controlos.cpp   controls and menus as designed, and their wiring
//   app/Frm_bancos_Subsistemas.cpp the context handed to the subsystems, one line per subsystem
//   ledger/Razao*.cpp              Razao: account menu and selection, movement grid and running
//                                  balance, movements through the editor, write-back
//   ledger/Frame2, Frm_Frame2      the hidden value-passing frame and the movement editor
//   admin/Administracao.cpp        Administracao: new account, account frame and deletion,
//                                  general password, category table
//   admin/Frm_GestaoBancos         the account frame shown inside this window
//   reports/Listagens.cpp          Listagens: search frame Frm_Pesquisas, the three listings and
//                                  the report engine CrystalReport1
//   backup/Backups.cpp             Backups: backup copy and the reminder Frm_Backups
//   extras/Comunicacao.cpp         Comunicacao: Frm_Email, the mail sender, the program update
//   extras/Apresentacao.cpp        Apresentacao: frmBrowser, frmTip, the animated picture
//   import/SubsistemaImportacao    the QIF import into accounts 5 and 6
//   extractos/SubsistemaExtractos  bank statements in: the preview, the write, the undo
// The window runs every subsystem's hooks (Subsistema.h) in registration order at its fixed
// moments: start state, pictures, activation, end of the run.
#include <QMainWindow>
#include <array>
#include <vector>

#include "subsistemas/Subsistema.h"

class Administracao;
class ContaAberta;
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
class Razao;

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
    bool VerificaFicheiroConfiguracao();
    bool VerificaFicheiroBancos();
    void CarregaIcones();
    void EstadoInicial();

    // ---- forwarders: the ledger (Razao) ----
    void AbreConta();
    void Mnu_Banco_Click(int n);
    void Image1_Click();
    void Cmd_CriaNovaEntrada_Click();
    void Cmd_CriaNovaEntradaDebito_Click();
    void Mnu_MovCredito_Click();
    void Mnu_MovDebito_Click();
    void TrataBotaoFrame2();
    void GravaTodasLinhas(); // throws ErroBaseDados

    // ---- forwarders: administration (Administracao) ----
    void Mnu_NovaConta_Click();
    void Mnu_GestBanco_Click();
    void MostraDadosConta();
    void Mnu_PassGeral_Click();
    void Mnu_Categorias_Click();

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
    QAction *Mnu_Graficos = nullptr;
    QMenu *Mnu_Opcoes = nullptr;
    QAction *Mnu_Actualizacao = nullptr;
    QAction *Mnu_EnviarEmail = nullptr;
    QAction *Mnu_DicasEntrada = nullptr;
    QAction *Mnu_FAQ = nullptr;
    QAction *Mnu_UltimasAltercoes = nullptr;
    QAction *Mnu_Manual = nullptr;
    QAction *Mnu_Backups = nullptr;
    QAction *Mnu_ReporBackup = nullptr;
    QAction *Mnu_ImportarExtracto = nullptr;
    QAction *Mnu_AnularImportacao = nullptr;
    QAction *Mnu_ConfigurarCorreio = nullptr;
    QAction *Mnu_Categorias = nullptr;
    QAction *Mnu_PassGeral = nullptr;
    QAction *Mnu_MestreEnviaEmails = nullptr;
    QAction *Mnu_Sair = nullptr;

    // ---- the hook loop ----
    // The subsystems in registration order; the window runs their hooks in this order.
    const std::vector<Subsistema *> &Subsistemas() const { return m_subsistemas; }
    // Adds a subsystem after those registered (RegistaSubsistemas; tests add probes).
    template <class T>
    T *Regista(T *s)
    {
        m_subsistemas.push_back(s);
        return s;
    }

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *objecto, QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void CriaControlos();
    void CriaMenus();
    void LigaControlos();
    ContextoJanela Contexto();
    void RegistaSubsistemas(); // app/Frm_bancos_Subsistemas.cpp: one line per subsystem
    std::vector<Subsistema *> m_subsistemas;
    ContaAberta *m_conta = nullptr; // the open account, shown by MSHFlexGrid1
    Razao *m_razao = nullptr;
    Administracao *m_administracao = nullptr;
};
