#pragma once
// What a restore would put in place, before anything changes: the chosen file, the date of the
// copy, its accounts and their movement counts beside the current database's, and where the
// copy of the current database will go. "Repor esta cópia" accepts, "Cancelar" rejects.
#include "backup/ExameBackup.h"

#include <QDialog>

class EtiquetaInformacao;
class QLabel;
class QPushButton;
class QTableWidget;

class Frm_ReporBackup : public QDialog
{
    Q_OBJECT
public:
    Frm_ReporBackup(const QString &escolhido, const ResumoBase &copia, const ResumoBase &actual,
                    const QString &antes, QWidget *dono = nullptr);

    // "08-12-2026 às 10:15 (registada na cópia)" or "... (data do ficheiro)".
    static QString TextoData(const ResumoBase &copia);

    QLabel *Lbl_Ficheiro = nullptr;
    QLabel *Lbl_DataCopia = nullptr;
    QTableWidget *Grd_Contas = nullptr; // one row per account of either database, then "Total"
    EtiquetaInformacao *Label25 = nullptr;
    QPushButton *Cmd_Repor = nullptr;
    QPushButton *Cmd_Cancelar = nullptr;

private:
    void PreencheContas(const ResumoBase &copia, const ResumoBase &actual);
    void CarregaIcones();
};
