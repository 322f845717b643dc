#pragma once
// The backups subsystem of the main window: the "Backups (Cópias de Segurança)" menu item, and on
// every activation the day count since the last backup and, once per run, the reminder.
#include "app/Subsistema.h"

class QAction;

class Backups : public Subsistema
{
    Q_OBJECT
public:
    // Mnu_Backups is the window's menu item; it is connected here.
    Backups(const ContextoJanela &contexto, QAction *Mnu_Backups, QObject *pai = nullptr);

    void Activacao() override;

    void Mnu_Backups_Click();
    void CalculaDiasSemBackup(); // DiasSemBackup from ultimobackup and today
    void VerificaAvisoBackup();  // the reminder after 30 days, at most once per run
};
