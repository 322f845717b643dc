#pragma once
// The reminder that the last backup is more than 30 days old: the number of days, a button that
// makes the backup at once and one that closes. Shown modally, at most once per run.
#include <QDialog>
#include <functional>

class BaseDados;
class BotaoQuebraTexto;
class EtiquetaInformacao;
class QLabel;

class Frm_Backups : public QDialog
{
    Q_OBJECT
public:
    // `diasSemBackup`: the days since the last backup, as the reminder tells them.
    Frm_Backups(std::function<BaseDados &()> ligacao, int diasSemBackup, QWidget *dono = nullptr);

    // "ATENÇÃO: JÁ NÃO FAZ COPIAS DE SEGURANÇA À  " CR CR " 45 DIAS!..." (a blank before a
    // positive number, as the standard numeric text writes it).
    static QString TextoDiasSemBackup(int dias);

    void Form_Load();
    void CarregaIcones();
    void CommandButton2_Click(); // make the backup now; closes after a successful one
    void CommandButton1_Click(); // "Fechar"

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    EtiquetaInformacao *Label25 = nullptr;
    BotaoQuebraTexto *CommandButton2 = nullptr;
    BotaoQuebraTexto *CommandButton1 = nullptr;

    int DiasSemBackup() const { return m_diasSemBackup; }

private:
    std::function<BaseDados &()> m_ligacao;
    int m_diasSemBackup;
};
