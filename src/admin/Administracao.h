#pragma once
// Account administration of the main window: "Nova Conta", the account frame (Frm_GestaoBancos)
// of the chosen account, the deletion of an account with its movements, the general password
// and the category table. It owns this state; the main window forwards its design-named
// procedures here. The account menu and the open account are the ledger's: administration
// reads "an account is open" from the context and tells of changed accounts by its signals.
#include "subsistemas/Subsistema.h"

#include <array>

class EtiquetaClicavel;
class Frm_GestaoBancos;
class QAction;

// The main window's controls administration drives, besides those of the context.
struct VistaAdministracao {
    EtiquetaClicavel *Lbl_NomeDoBanco = nullptr; // also the title of the frame while creating
    std::array<QAction *, 10> Mnu_Banco{};       // 1..9; index 0 unused
    ::Frm_GestaoBancos *Frm_GestaoBancos = nullptr;
};

class Administracao : public Subsistema
{
    Q_OBJECT
public:
    Administracao(const ContextoJanela &contexto, const VistaAdministracao &vista,
                  QObject *pai = nullptr);

    void EstadoInicial() override; // the account frame hidden, no account being created
    void CarregaIcones(const QString &pasta) override;

    void LePasswordGeral(); // throws ErroBaseDados
    const QString &PasswordGeral() const { return m_passwordGeral; }
    bool VerificaContaSeleccionada();
    void Mnu_GestBanco_Click();
    void Mnu_NovaConta_Click();
    void MostraDadosConta();
    void Mnu_PassGeral_Click();
    void Mnu_Categorias_Click();
    // The account frame was opened by "Nova Conta" and is not closed yet.
    bool CriandoConta() const { return m_criandoConta; }

signals:
    // The accounts' names or slots changed: the account menu must be read again.
    void contasMudaram();
    // The account of that slot and its movements are gone from the database: nothing of it
    // may be written back.
    void contaApagada(int numBanco);
    // The title of the category table window was double-clicked (the import answers it).
    void tituloCategoriasDuploClique();

private:
    void PreparaNovaConta();
    void Cmd_Fechar1_Click();
    void GravaDadosConta(); // throws ErroBaseDados
    void Cmd_Cancelar1_Click();
    void Cmd_ApagarTudo_Click();
    void ApagaConta(); // throws ErroBaseDados
    bool CarregaDadosConta();   // fills the account frame; false on an error (told)
    void ContaEscolhidaMudou(); // the chosen account changed under the frame

    VistaAdministracao m_vista;
    QString m_passwordGeral; // read once at start, then kept as Frm_PassGeral stores it
    bool m_criandoConta = false;
    int m_numBancoGestao = 0; // the slot the account frame was loaded from
};
