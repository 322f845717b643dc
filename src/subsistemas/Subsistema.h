#pragma once
// What every subsystem of the main window is: a class of its own folder that owns its state and
// procedures, built from the pieces of the window it works on (ContextoJanela), and run by the
// window at its fixed moments through the hooks below, in the order the subsystems were
// registered. A new subsystem is one class and one line of registration in Frm_bancos.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "data/Dinheiro.h"

class BaseDados;
class ContaAberta;
class FlexGrid;
class Frame2;
class QLineEdit;
class QWidget;

struct ContextoJanela {
    QWidget *janela = nullptr;     // the main window: parent of dialogs, owner of the modal ones
    QWidget *area = nullptr;       // its client area, where frames are placed in twips
    FlexGrid *grelha = nullptr;    // MSHFlexGrid1, the movement grid
    ::Frame2 *frame2 = nullptr;    // the hidden value-passing frame
    QLineEdit *numBanco = nullptr; // Txt_NumBanco: the chosen account, 1..9 as text
    // The open account: its choice, rows and balance. The ledger drives it; the other
    // subsystems read it.
    ContaAberta *conta = nullptr;

    // The one connection (open from the end of loading until the run ends).
    std::function<BaseDados &()> ligacao;
    // Closes the connection cleanly (before the database file is replaced, or the run ends).
    std::function<void()> fechaLigacao;
    // Opens the connection again on the database file, as the start does. Throws ErroBaseDados.
    std::function<void()> reabreLigacao;
    // Writes every row of the open account's grid back with its running balance, in one
    // transaction (before a listing, before the program ends on its own). Throws ErroBaseDados.
    std::function<void()> gravaTodasLinhas;
    // The open account's final balance as its grid shows it; nullopt when no account is open.
    std::function<std::optional<Dinheiro>()> saldoFinal;
    // Ends the run as closing the window does: changed rows written, the account remembered.
    std::function<void()> terminaPrograma;
    // Puts the window back in its start state: every subsystem's EstadoInicial, in order.
    std::function<void()> estadoInicial;
    // After the database file was replaced (a restored backup) and the connection reopened:
    // the window as after a start, with the account menu, the last account and the general
    // password read again; nothing of the old grid is kept. Throws ErroBaseDados.
    std::function<void()> recarregaBaseDados;
    // VerificaContaSeleccionada: false, with the window's warning, when no account is open.
    std::function<bool()> verificaContaSeleccionada;
    // The caption of Lbl_NomeDoBanco, the open account's name as the window shows it.
    std::function<QString()> nomeDoBanco;
    // The general (supervisor) password as administration read or last stored it; it opens
    // every account and the listing of all accounts when it is not blank.
    std::function<QString()> passwordGeral;
    // An account is open in the ledger.
    std::function<bool()> contaAberta;
    // The open account's movements read again into its grid (after rows were written behind
    // the ledger's back). Throws ErroBaseDados.
    std::function<void()> recarregaMovimentos;

    int numBancoActual() const; // the chosen account's number; 0 when it is not one
};

class Subsistema : public QObject
{
    Q_OBJECT
public:
    explicit Subsistema(const ContextoJanela &contexto, QObject *pai = nullptr)
        : QObject(pai), m_contexto(contexto)
    {
    }
    ~Subsistema() override = default;

    // After the connection opens: the start state of the subsystem's controls and frames.
    virtual void EstadoInicial() {}
    // Pictures of its controls from the application folder; a missing picture is skipped.
    virtual void CarregaIcones(const QString &pasta) { Q_UNUSED(pasta) }
    // Every activation of the main window (the backup reminder before the tip of the day).
    virtual void Activacao() {}
    // The end of the run, in registration order. False keeps the window open (the subsystem
    // has told the user why); the later hooks are then not run.
    virtual bool FimExecucao() { return true; }

protected:
    const ContextoJanela &contexto() const { return m_contexto; }

private:
    ContextoJanela m_contexto;
};
