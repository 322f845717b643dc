#pragma once
// The modal movement editor. It reads its starting values from the main window's value-passing
// frame and gives back the edited values and its result code there.
#include <QDialog>

class Frm_bancos;

class Frm_Frame2 : public QDialog
{
    Q_OBJECT
public:
    explicit Frm_Frame2(Frm_bancos *dono);

private:
    Frm_bancos *m_dono;
};
