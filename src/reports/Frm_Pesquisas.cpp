#include "reports/Frm_Pesquisas.h"
#include "ledger/CompletaCategoria.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <class T>
T *nomeia(T *w, const char *nome)
{
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}

QDateEdit *picker(QWidget *pai, const char *nome, int esquerda)
{
    auto *d = nomeia(new QDateEdit(pai), nome);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    d->setGeometry(rectTwips(esquerda, 180, 1680, 315));
    return d;
}

} // namespace

Frm_Pesquisas::Frm_Pesquisas(QWidget *pai) : QFrame(pai)
{
    setObjectName(QStringLiteral("Frm_Pesquisas"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(rectTwips(1680, 1440, 8520, 4320));

    Label18 = nomeia(new QLabel(QStringLiteral("Pesquisa / Consulta de Movimentos"), this),
                     "Label18");
    QFont titulo = Label18->font();
    titulo.setBold(true);
    titulo.setPointSizeF(titulo.pointSizeF() * 1.25);
    Label18->setFont(titulo);
    Label18->setGeometry(rectTwips(120, 120, 8280, 360));

    const char *rotulos[] = {"Nº do documento", "Categoria", "Situação", "Descrição"};
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(QString::fromUtf8(rotulos[i]), this);
        l->setObjectName(QStringLiteral("Label19(%1)").arg(i));
        l->setGeometry(rectTwips(240, 690 + 420 * i, 2280, 315));
    }
    auto caixa = [this](const char *nome, int i) {
        auto *t = nomeia(new QLineEdit(this), nome);
        t->setMaxLength(40);
        t->setGeometry(rectTwips(2520, 690 + 420 * i, 3360, 315));
        return t;
    };
    Txt_PesquisaNumero = caixa("Txt_PesquisaNumero", 0);
    Cmb_CategoriaConsulta = nomeia(new QComboBox(this), "Cmb_CategoriaConsulta");
    Cmb_CategoriaConsulta->setEditable(true);
    // Completion follows the program's own rule; Qt's completer would fight it, and Enter must
    // never add the typed text to the list.
    Cmb_CategoriaConsulta->setCompleter(nullptr);
    Cmb_CategoriaConsulta->setInsertPolicy(QComboBox::NoInsert);
    Cmb_CategoriaConsulta->setGeometry(rectTwips(2520, 1110, 3360, 315));
    Txt_PesquisaSituacao = caixa("Txt_PesquisaSituacao", 2);
    Txt_PesquisaDescricao = caixa("Txt_PesquisaDescricao", 3);

    Check2 = nomeia(new QCheckBox(QStringLiteral("Seleccionar data de movimento"), this), "Check2");
    Check2->setGeometry(rectTwips(240, 2460, 3600, 315));

    Frm_dataConsulta = nomeia(new QFrame(this), "Frm_dataConsulta");
    Frm_dataConsulta->setFrameShape(QFrame::StyledPanel);
    Frm_dataConsulta->setGeometry(rectTwips(240, 2820, 5640, 660));
    auto *de = new QLabel(QStringLiteral("Da data"), Frm_dataConsulta);
    de->setObjectName(QStringLiteral("Label20(0)"));
    de->setGeometry(rectTwips(120, 180, 840, 315));
    DTPicker3 = picker(Frm_dataConsulta, "DTPicker3", 960);
    auto *ate = new QLabel(QStringLiteral("Até à data"), Frm_dataConsulta);
    ate->setObjectName(QStringLiteral("Label20(1)"));
    ate->setGeometry(rectTwips(2820, 180, 1080, 315));
    DTPicker4 = picker(Frm_dataConsulta, "DTPicker4", 3840);
    Frm_dataConsulta->hide();

    Cmd_Consultar = nomeia(new QPushButton(QStringLiteral("Consultar"), this), "Cmd_Consultar");
    Cmd_Consultar->setGeometry(rectTwips(6240, 690, 2040, 600));
    Cmd_Consultar->setAutoDefault(true); // Enter on the focused button presses it
    Cmd_Exportar =
        nomeia(new QPushButton(QStringLiteral("Exportar..."), this), "Cmd_Exportar");
    Cmd_Exportar->setGeometry(rectTwips(6240, 1410, 2040, 600));
    Cmd_Exportar->setAutoDefault(true);
    Cmd_CancelaConsulta =
        nomeia(new QPushButton(QStringLiteral("Fechar"), this), "Cmd_CancelaConsulta");
    Cmd_CancelaConsulta->setGeometry(rectTwips(6240, 2130, 2040, 600));
    Cmd_CancelaConsulta->setAutoDefault(true);

    Lbl_AjudaPesquisa = nomeia(
        new EtiquetaInformacao(QStringLiteral("   Caso não deseje fazer selecção, não preencha o "
                                              "respectivo campo.. deixe em branco."),
                               this),
        "Lbl_AjudaPesquisa");
    Lbl_AjudaPesquisa->setGeometry(rectTwips(240, 3600, 8040, 540));

    setTabOrder(Txt_PesquisaNumero, Cmb_CategoriaConsulta);
    setTabOrder(Cmb_CategoriaConsulta, Txt_PesquisaSituacao);
    setTabOrder(Txt_PesquisaSituacao, Txt_PesquisaDescricao);
    setTabOrder(Txt_PesquisaDescricao, Check2);
    setTabOrder(Check2, DTPicker3);
    setTabOrder(DTPicker3, DTPicker4);
    setTabOrder(DTPicker4, Cmd_Consultar);
    setTabOrder(Cmd_Consultar, Cmd_Exportar);
    setTabOrder(Cmd_Exportar, Cmd_CancelaConsulta);

    for (QObject *o : std::initializer_list<QObject *>{
             Txt_PesquisaNumero, Cmb_CategoriaConsulta, Cmb_CategoriaConsulta->lineEdit(),
             Txt_PesquisaSituacao, Txt_PesquisaDescricao, Check2})
        o->installEventFilter(this);
    connect(Check2, &QCheckBox::toggled, this, &Frm_Pesquisas::Check2_Click);
    connect(Cmb_CategoriaConsulta, &QComboBox::editTextChanged, this,
            &Frm_Pesquisas::Cmb_CategoriaConsulta_Change);
    hide();
}

void Frm_Pesquisas::CarregaIcones(const QString &pasta)
{
    Cmd_Consultar->setIcon(Imagens::icone(pasta, QStringLiteral("ok.ico")));
    Cmd_CancelaConsulta->setIcon(Imagens::icone(pasta, QStringLiteral("cancelar.ico")));
    Lbl_AjudaPesquisa->carregaIcone(pasta);
}

void Frm_Pesquisas::PreencheCategoriasConsulta(const QStringList &nomes)
{
    m_aMudarTexto = true;
    const QString texto = Cmb_CategoriaConsulta->currentText();
    Cmb_CategoriaConsulta->clear();
    Cmb_CategoriaConsulta->addItems(nomes);
    Cmb_CategoriaConsulta->setCurrentIndex(-1);
    Cmb_CategoriaConsulta->setEditText(texto);
    m_aMudarTexto = false;
}

void Frm_Pesquisas::Check2_Click()
{
    Frm_dataConsulta->setVisible(Check2->isChecked());
}

void Frm_Pesquisas::Cmb_CategoriaConsulta_Change()
{
    if (m_aMudarTexto || BloqueiaAutoCategoria)
        return;
    m_aMudarTexto = true;
    CompletaCategoria(Cmb_CategoriaConsulta, PosicaoAutoCompletar);
    m_aMudarTexto = false;
}

bool Frm_Pesquisas::eventFilter(QObject *alvo, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const bool categoria =
        alvo == Cmb_CategoriaConsulta || alvo == Cmb_CategoriaConsulta->lineEdit();
    if (categoria)
        BloqueiaAutoCategoria = false;
    const int tecla = static_cast<QKeyEvent *>(e)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)
        return false;
    QWidget *seguinte = nullptr;
    if (alvo == Txt_PesquisaNumero)
        seguinte = Cmb_CategoriaConsulta;
    else if (categoria)
        seguinte = Txt_PesquisaSituacao;
    else if (alvo == Txt_PesquisaSituacao)
        seguinte = Txt_PesquisaDescricao;
    else if (alvo == Txt_PesquisaDescricao)
        seguinte = Check2;
    else if (alvo == Check2)
        seguinte = Cmd_Consultar;
    if (!seguinte)
        return false;
    seguinte->setFocus(Qt::TabFocusReason);
    return true;
}
