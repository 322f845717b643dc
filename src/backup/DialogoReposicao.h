#pragma once
// The restore as the user meets it, from "Opções" > "Repor cópia de segurança...": the open
// dialog, the check of the chosen file, the window with what it holds, then, on confirmation,
// the grid written back, the copy of the current database, the chosen copy in its place and the
// program reopened on it as after a start.
#include <QString>
#include <functional>

class BaseDados;
class QWidget;

class DialogoReposicao
{
public:
    struct Janela {
        QWidget *dono = nullptr;
        std::function<BaseDados &()> ligacao;     // throws ErroBaseDados when closed
        std::function<void()> fechaLigacao;
        std::function<void()> reabreLigacao;      // as the start opens it; throws ErroBaseDados
        std::function<void()> gravaTodasLinhas;   // throws ErroBaseDados
        std::function<void()> recarregaBaseDados; // throws ErroBaseDados
        std::function<void()> terminaPrograma;
    };
    explicit DialogoReposicao(Janela janela) : m_janela(std::move(janela)) {}

    // The whole dialogue, every message included. True when the backup is now the database.
    bool RepoeBackup();
    // The open dialog; the chosen file, or "" when it was closed.
    QString CommonDialogReposicao();

private:
    // The connection on the file now at `base`, as the start opens it, and the window as after
    // a start. On a failure the database of `antes` (when given) goes back; the user is told.
    bool Reabre(const QString &base, const QString &antes);
    Janela m_janela;
};
