#pragma once
// The one message every window shows when the database refuses a piece of work.
class ErroBaseDados;

void MostraErroBaseDados(const ErroBaseDados &erro);
