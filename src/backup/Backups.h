#pragma once
// The backups subsystem of the main window: the "Backups (Cópias de Segurança)" and "Repor cópia
// de segurança..." menu items, and on every activation the day count since the last backup and,
// once per run, the reminder.
#include "subsistemas/Subsistema.h"

class QAction;

class Backups : public Subsistema
{
    Q_OBJECT
public:
    // The window's menu items; they are connected here.
    Backups(const ContextoJanela &contexto, QAction *Mnu_Backups, QAction *Mnu_ReporBackup,
            QObject *pai = nullptr);

    void Activacao() override;

    void Mnu_Backups_Click();
    void Mnu_ReporBackup_Click();
    void CalculaDiasSemBackup(); // DiasSemBackup from ultimobackup and today
    void VerificaAvisoBackup();  // the reminder after 30 days, at most once per run

    // Days since the last backup as last counted; 0 once the reminder has been closed.
    int DiasSemBackup() const { return m_diasSemBackup; }
    bool AvisoBackupMostrado() const { return m_avisoBackupMostrado; }

private:
    int m_diasSemBackup = 0;
    bool m_avisoBackupMostrado = false;
};
