#pragma once
// The account's category rules in a small table: "A descrição contém", "Categoria",
// "Sub-categoria". "Gravar" writes them all at once; an empty text drops its rule.
#include <QDialog>

#include "extractos/RegrasCategoria.h"

class BaseDados;
class QPushButton;
class QTableWidget;

class Frm_RegrasCategoria : public QDialog
{
    Q_OBJECT
public:
    // `novaRegra`: a rule to add, made from a statement line (empty: none).
    Frm_RegrasCategoria(QWidget *dono, BaseDados &bd, int numBanco, const QString &nomeConta,
                        const QString &novaRegra = {});

    QTableWidget *Grd_Regras;
    QPushButton *Cmd_Adicionar;
    QPushButton *Cmd_Remover;
    QPushButton *Cmd_Gravar;
    QPushButton *Cmd_Cancelar;

    std::vector<RegraCategoria> regras() const; // as the table holds them

private:
    void acrescenta(const RegraCategoria &r);
    void Cmd_Gravar_Click();

    BaseDados &m_bd;
    int m_numBanco;
};
