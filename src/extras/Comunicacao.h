#pragma once
// Mail and program update, as the main window offers them: the e-mail window and the mail
// settings, the update explanation that hands the new version's address to the desktop and
// ends the run, and the maker's notice of a new version to every customer.
#include "subsistemas/Subsistema.h"
#include "extras/EnvioEmail.h"

class Frm_EnviaEmailNovaVersao;
class QAction;

class Comunicacao : public Subsistema
{
    Q_OBJECT
public:
    Comunicacao(const ContextoJanela &contexto, QAction *Mnu_EnviarEmail,
                QAction *Mnu_Actualizacao, QAction *Mnu_MestreEnviaEmails,
                QAction *Mnu_ConfigurarCorreio, QObject *pai = nullptr);

    void EstadoInicial() override;

    void Mnu_EnviarEmail_Click();
    void Mnu_Actualizacao_Click();
    void Mnu_MestreEnviaEmails_Click();
    void Mnu_ConfigurarCorreio_Click();

    void ActualizaPrograma();
    // One notice; the result says whether the server took it.
    ResultadoEnvio EnviaAvisoNovaVersao(const QString &endereco);
    void EnviaEmailsClientes();

    Frm_EnviaEmailNovaVersao *frameAviso() const { return m_frame; }

private:
    Frm_EnviaEmailNovaVersao *m_frame = nullptr;
};
