#pragma once
// The backup as the user meets it, from the "Opções" menu or from the reminder window: the save
// dialog with the proposed name, the refusals, the copy (with a progress bar for a large ledger)
// and the messages, then the date of the backup.
#include <QString>

class BaseDados;
class QWidget;

class DialogoBackup
{
public:
    DialogoBackup(QWidget *dono, BaseDados &bd) : m_dono(dono), m_bd(bd) {}

    // The whole dialogue, every message included. True when a backup was made (its date is then
    // stored); false when it was refused, failed or the save dialog was closed without a choice.
    bool EfectuaBackup();
    // Stores today's date as the date of the last backup; a database error is told.
    void GravaUltimoBackup();
    // The save dialog, proposing `proposta`; the chosen file, or "" when it was closed.
    QString CommonDialogBackup(const QString &proposta);

private:
    QWidget *m_dono;
    BaseDados &m_bd;
};
