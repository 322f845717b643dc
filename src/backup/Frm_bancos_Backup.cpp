// The backup reminder, run on every activation of the main window.
#include "app/Frm_bancos.h"

void Frm_bancos::CalculaDiasSemBackup() {}

void Frm_bancos::VerificaAvisoBackup() {}
