#include "extras/Frm_EnviaEmailNovaVersao.h"
#include "extras/TextoActualizacao.h"
#include "platform/Medidas.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString TextoAviso = QStringLiteral(
    "Caro utilizador do Quorvel,\n\n"
    "Está disponível uma nova versão do programa.\n\n"
    "Para a instalar:\n"
    "1. Feche o Quorvel.\n"
    "2. Descarregue a actualização em %1\n"
    "3. Execute o ficheiro descarregado e faça UNZIP para a pasta onde tem o programa "
    "instalado.\n\n"
    "Os seus bancos e movimentos não são alterados pela actualização.\n\n"
    "Com os melhores cumprimentos,\n"
    "A equipa do Quorvel");
}


Frm_EnviaEmailNovaVersao::Frm_EnviaEmailNovaVersao(QWidget *area) : QFrame(area)
{
    setObjectName(QStringLiteral("Frm_EnviaEmailNovaVersao"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setGeometry(rectTwips(1440, 240, 8400, 5400));

    Txt_TextoEmail = new QPlainTextEdit(TextoAviso.arg(TextoActualizacao::EnderecoDownload), this);
    Txt_TextoEmail->setObjectName(QStringLiteral("Txt_TextoEmail"));
    Txt_TextoEmail->setGeometry(rectTwips(120, 120, 8160, 4440));
    Txt_TextoEmail->setTabChangesFocus(true);

    CommandButton1 = new QPushButton(QStringLiteral("ENVIAR"), this);
    CommandButton1->setObjectName(QStringLiteral("CommandButton1"));
    CommandButton1->setGeometry(rectTwips(4680, 4740, 1680, 480));
    Command1 = new QPushButton(QStringLiteral("CANCELAR"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(rectTwips(6600, 4740, 1680, 480));
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void Frm_EnviaEmailNovaVersao::Mostra()
{
    move(twips(1440), twips(240));
    show();
    raise();
    Txt_TextoEmail->setFocus();
}
