#include "backup/Backups.h"
#include "backup/CopiaSeguranca.h"
#include "backup/DialogoBackup.h"
#include "backup/DialogoReposicao.h"
#include "backup/Frm_Backups.h"
#include "data/ErroBaseDados.h"
#include "platform/Mensagens.h"

#include <QAction>

namespace {
constexpr int DiasAteAviso = 30; // 30 days is still fine; the 31st brings the reminder
}

Backups::Backups(const ContextoJanela &contexto, QAction *Mnu_Backups, QAction *Mnu_ReporBackup,
                 QObject *pai)
    : Subsistema(contexto, pai)
{
    if (Mnu_Backups)
        connect(Mnu_Backups, &QAction::triggered, this, &Backups::Mnu_Backups_Click);
    if (Mnu_ReporBackup)
        connect(Mnu_ReporBackup, &QAction::triggered, this, &Backups::Mnu_ReporBackup_Click);
}

void Backups::Activacao()
{
    CalculaDiasSemBackup();
    VerificaAvisoBackup();
}

void Backups::Mnu_Backups_Click()
{
    try {
        DialogoBackup(contexto().janela, contexto().ligacao()).EfectuaBackup();
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("Não foi possível fazer a cópia de segurança:\r") + erro.mensagem(),
               QMessageBox::Ok, Icone::Critico);
    }
}

void Backups::Mnu_ReporBackup_Click()
{
    const ContextoJanela &c = contexto();
    try {
        DialogoReposicao({c.janela, c.ligacao, c.fechaLigacao, c.reabreLigacao,
                          c.gravaTodasLinhas, c.recarregaBaseDados, c.terminaPrograma})
            .RepoeBackup();
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("Não foi possível repor a cópia de segurança:\r") + erro.mensagem(),
               QMessageBox::Ok, Icone::Critico);
    }
}

void Backups::CalculaDiasSemBackup()
{
    try {
        m_diasSemBackup = CopiaSeguranca(contexto().ligacao()).diasSemBackup();
    } catch (const ErroBaseDados &) {
        // Runs on every activation: a message here would reactivate the window and come back
        // at once. Without a readable date there is simply nothing to remind of.
        m_diasSemBackup = 0;
    }
}

void Backups::VerificaAvisoBackup()
{
    if (m_avisoBackupMostrado || m_diasSemBackup <= DiasAteAviso)
        return;
    m_avisoBackupMostrado = true;
    Frm_Backups aviso(contexto().ligacao, m_diasSemBackup, contexto().janela);
    aviso.exec();
    m_diasSemBackup = 0;
}
