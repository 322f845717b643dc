#include "ledger/Frame2.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Medidas.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QComboBox *combo(QWidget *pai, const char *nome, int topo)
{
    auto *c = new QComboBox(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->setEditable(true);
    c->setGeometry(rectTwips(3000, topo, 2000, 315));
    return c;
}

QLineEdit *caixa(QWidget *pai, const QString &nome, int topo)
{
    auto *t = new QLineEdit(pai);
    t->setObjectName(nome);
    t->setGeometry(rectTwips(120, topo, 2000, 315));
    return t;
}

} // namespace

Frame2::Frame2(QWidget *pai) : QGroupBox(QStringLiteral("ESTE QUADRO SERVE APENAS DE PASSAGEM DE VALORES"), pai)
{
    setObjectName(QStringLiteral("Frame2"));
    setGeometry(rectTwips(120, 600, 5400, 3200));
    for (int i = 0; i < 4; ++i)
        TxtCampo[size_t(i)] = caixa(this, QStringLiteral("TxtCampo(%1)").arg(i), 300 + 360 * i);
    TxtCampo4 = new QPlainTextEdit(this);
    TxtCampo4->setObjectName(QStringLiteral("TxtCampo(4)"));
    TxtCampo4->setGeometry(rectTwips(120, 1740, 2000, 600));
    Cmb_TipoMovimento = combo(this, "Cmb_TipoMovimento", 300);
    Cmb_TipoMovimento->addItems({QStringLiteral("Crédito"), QStringLiteral("Débito")});
    Cmb_Categoria = combo(this, "Cmb_Categoria", 660);
    Cmb_Categoria1 = combo(this, "Cmb_Categoria1", 1020);
    Cmb_Situacao = combo(this, "Cmb_Situacao", 1380);
    Txt_NumAuto = caixa(this, QStringLiteral("Txt_NumAuto"), 2400);
    Txt_BotaoFrame2 = caixa(this, QStringLiteral("Txt_BotaoFrame2"), 2760);
    Txt_NumAuto->move(twips(3000), twips(1740));
    Txt_BotaoFrame2->move(twips(3000), twips(2100));

    Cmd_Validar = new QPushButton(QStringLiteral("Validar"), this);
    Cmd_Validar->setObjectName(QStringLiteral("Cmd_Validar"));
    Cmd_Validar->setGeometry(rectTwips(120, 2460, 1000, 400));
    Cmd_FechaFrame2 = new QPushButton(QStringLiteral("Cancelar"), this);
    Cmd_FechaFrame2->setObjectName(QStringLiteral("Cmd_FechaFrame2"));
    Cmd_FechaFrame2->setGeometry(rectTwips(1200, 2460, 1000, 400));
    Cmd_ApagaMovimento = new QPushButton(QStringLiteral("Apagar"), this);
    Cmd_ApagaMovimento->setObjectName(QStringLiteral("Cmd_ApagaMovimento"));
    Cmd_ApagaMovimento->setGeometry(rectTwips(2280, 2460, 1000, 400));
    Label25_3 = new EtiquetaInformacao(QString(), this);
    Label25_3->setObjectName(QStringLiteral("Label25(3)"));
    Label25_3->setGeometry(rectTwips(3400, 2460, 1800, 400));
}

QString Frame2::Campo(int i) const
{
    return i == 4 ? TxtCampo4->toPlainText() : TxtCampo.at(size_t(i))->text();
}

void Frame2::setCampo(int i, const QString &texto)
{
    if (i == 4)
        TxtCampo4->setPlainText(texto);
    else
        TxtCampo.at(size_t(i))->setText(texto);
}

ResultadoEditor Frame2::Resultado() const
{
    const QString codigo = Txt_BotaoFrame2->text().trimmed();
    if (codigo == QLatin1String("1"))
        return ResultadoEditor::Validar;
    if (codigo == QLatin1String("3"))
        return ResultadoEditor::Apagar;
    return ResultadoEditor::Cancelar;
}

void Frame2::setResultado(ResultadoEditor resultado)
{
    const char *codigo = resultado == ResultadoEditor::Validar  ? "1"
                         : resultado == ResultadoEditor::Apagar ? "3"
                                                                : "2";
    Txt_BotaoFrame2->setText(QString::fromLatin1(codigo));
}
