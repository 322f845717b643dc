#include "admin/Frm_GestaoBancos.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Medidas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct DefinicaoCampo {
    const char *rotulo;
    int maxLength; // 0: no limit
};

// The boxes accept more than is stored in two places (account number, manager): the table's
// widths are applied when saving, not while typing.
const DefinicaoCampo campos[] = {
    {"Banco", 30},
    {"Dependência / Balcão", 50},
    {"Nº Conta ", 50},
    {"NIB ", 50},
    {"Gestor / Contacto", 120},
    {"Password de acesso", 20},
    {"Observações diversas", 0},
};

constexpr int EsquerdaRotulo = 240, LarguraRotulo = 2400;
constexpr int EsquerdaCaixa = 2760, LarguraCaixa = 6600;
constexpr int TopoPrimeira = 360, Passo = 420, AlturaCaixa = 315;

} // namespace

Frm_GestaoBancos::Frm_GestaoBancos(QWidget *pai) : QGroupBox(pai)
{
    setObjectName(QStringLiteral("Frm_GestaoBancos"));
    // No caption of its own: while creating, the name label above it is the frame's title.
    setGeometry(rectTwips(120, 600, 11610, 6360));
    setAutoFillBackground(true);

    for (int i = Primeiro; i <= Ultimo; ++i) {
        const DefinicaoCampo &c = campos[i - Primeiro];
        const int topo = TopoPrimeira + Passo * (i - Primeiro);
        auto *rotulo = new QLabel(QString::fromUtf8(c.rotulo), this);
        rotulo->setObjectName(QStringLiteral("Lbl_Campo(%1)").arg(i));
        rotulo->setGeometry(rectTwips(EsquerdaRotulo, topo, LarguraRotulo, AlturaCaixa));
        rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QWidget *caixa;
        if (i < Ultimo) {
            auto *linha = new QLineEdit(this);
            linha->setMaxLength(c.maxLength);
            linha->installEventFilter(this);
            m_linhas[size_t(i - Primeiro)] = linha;
            caixa = linha;
            caixa->setGeometry(rectTwips(EsquerdaCaixa, topo, LarguraCaixa, AlturaCaixa));
        } else {
            m_observacoes = new QPlainTextEdit(this);
            m_observacoes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            m_observacoes->setTabChangesFocus(true);
            caixa = m_observacoes;
            caixa->setGeometry(rectTwips(EsquerdaCaixa, topo, LarguraCaixa, 1800));
        }
        caixa->setObjectName(QStringLiteral("TxtCampo(%1)").arg(i));
        rotulo->setBuddy(caixa);
    }

    const int topoBotoes = TopoPrimeira + Passo * (Ultimo - Primeiro) + 1900;
    Cmd_Fechar1 = new QPushButton(QStringLiteral("Gravar && Sair"), this);
    Cmd_Fechar1->setObjectName(QStringLiteral("Cmd_Fechar1"));
    Cmd_Fechar1->setGeometry(rectTwips(EsquerdaCaixa, topoBotoes, 2000, 450));
    Cmd_Cancelar1 = new QPushButton(QStringLiteral("Cancelar"), this);
    Cmd_Cancelar1->setObjectName(QStringLiteral("Cmd_Cancelar1"));
    Cmd_Cancelar1->setGeometry(rectTwips(EsquerdaCaixa + 2160, topoBotoes, 2000, 450));
    Cmd_ApagarTudo =
        new QPushButton(QStringLiteral("Apaga todos os dados desde banco (inicialização)"), this);
    Cmd_ApagarTudo->setObjectName(QStringLiteral("Cmd_ApagarTudo"));
    Cmd_ApagarTudo->setGeometry(rectTwips(EsquerdaCaixa + 4320, topoBotoes, 4800, 450));
    for (QPushButton *b : {Cmd_Fechar1, Cmd_Cancelar1, Cmd_ApagarTudo})
        b->setAutoDefault(false);

    Label25_2 = new EtiquetaInformacao(
        QStringLiteral(
            "    Altere directamente todos os dados necessários e de seguida faça Gravar e Sair.  "
            "ATENÇÃO: Não se esqueça da password de acesso."),
        this);
    Label25_2->setObjectName(QStringLiteral("Label25(2)"));
    Label25_2->setGeometry(rectTwips(EsquerdaRotulo, topoBotoes + 600, 11100, 600));
}

QWidget *Frm_GestaoBancos::TxtCampo(int i) const
{
    if (i == Ultimo)
        return m_observacoes;
    return m_linhas.at(size_t(i - Primeiro));
}

QString Frm_GestaoBancos::Campo(int i) const
{
    return i == Ultimo ? m_observacoes->toPlainText() : m_linhas.at(size_t(i - Primeiro))->text();
}

void Frm_GestaoBancos::setCampo(int i, const QString &texto)
{
    if (i == Ultimo)
        m_observacoes->setPlainText(texto);
    else
        m_linhas.at(size_t(i - Primeiro))->setText(texto);
}

bool Frm_GestaoBancos::eventFilter(QObject *objecto, QEvent *e)
{
    // Enter in a line box is swallowed and moves on to the next box; the observations box keeps
    // Enter for its new lines.
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            for (int i = Primeiro; i < Ultimo; ++i) {
                if (objecto == m_linhas[size_t(i - Primeiro)]) {
                    TxtCampo(i + 1)->setFocus();
                    return true;
                }
            }
        }
    }
    return QGroupBox::eventFilter(objecto, e);
}
