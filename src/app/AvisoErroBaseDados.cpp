#include "app/AvisoErroBaseDados.h"
#include "data/ErroBaseDados.h"
#include "platform/Mensagens.h"

void MostraErroBaseDados(const ErroBaseDados &erro)
{
    MsgBox(QStringLiteral("Ocorreu um erro ao trabalhar com a base de dados:\r")
               + erro.mensagem()
               + QStringLiteral("\r\rOs dados já gravados não foram alterados."),
           QMessageBox::Ok, Icone::Critico);
}
