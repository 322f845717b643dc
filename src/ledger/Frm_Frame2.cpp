#include "ledger/Frm_Frame2.h"
#include "app/Frm_bancos.h"

Frm_Frame2::Frm_Frame2(Frm_bancos *dono) : QDialog(dono), m_dono(dono)
{
    setObjectName(QStringLiteral("Frm_Frame2"));
}
