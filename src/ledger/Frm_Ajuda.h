#pragma once
// The small help window of the movement editor's fields: one fixed text for the topic it is
// opened on.
#include <QDialog>

class EtiquetaClicavel;
class QLabel;

class Frm_Ajuda : public QDialog
{
    Q_OBJECT
public:
    Frm_Ajuda(QWidget *dono, int topico);

    int Topico() const { return m_topico; }

    // The text of a topic (1 type, 2 document number, 3 category, 4 situation), line breaks as
    // carriage returns; any other topic has none.
    static QString TextoAjuda(int topico);

    QLabel *Label1 = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *lblTipText = nullptr;
    EtiquetaClicavel *Label3 = nullptr;

private:
    int m_topico;
};
