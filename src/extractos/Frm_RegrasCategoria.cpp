#include "extractos/Frm_RegrasCategoria.h"
#include "app/AvisoErroBaseDados.h"
#include "data/ErroBaseDados.h"
#include "platform/Medidas.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

Frm_RegrasCategoria::Frm_RegrasCategoria(QWidget *dono, BaseDados &bd, int numBanco,
                                         const QString &nomeConta, const QString &novaRegra)
    : QDialog(dono), m_bd(bd), m_numBanco(numBanco)
{
    setObjectName(QStringLiteral("Frm_RegrasCategoria"));
    setWindowTitle(QStringLiteral("Regras de categorias - ") + nomeConta);
    setModal(true);
    setFixedSize(twips(8400), twips(5400));

    auto *titulo = new QLabel(QStringLiteral("Os movimentos novos de um extracto cuja descrição "
                                             "contém o texto recebem a categoria e a "
                                             "sub-categoria da primeira regra que se aplica."),
                              this);
    titulo->setObjectName(QStringLiteral("Lbl_Explicacao"));
    titulo->setWordWrap(true);
    titulo->setGeometry(rectTwips(120, 120, 8160, 480));

    Grd_Regras = new QTableWidget(0, 3, this);
    Grd_Regras->setObjectName(QStringLiteral("Grd_Regras"));
    Grd_Regras->setHorizontalHeaderLabels(
        {QStringLiteral("A descrição contém"), QStringLiteral("Categoria"),
         QStringLiteral("Sub-categoria")});
    Grd_Regras->horizontalHeader()->setStretchLastSection(true);
    Grd_Regras->setColumnWidth(0, twips(3400));
    Grd_Regras->setColumnWidth(1, twips(2200));
    Grd_Regras->setGeometry(rectTwips(120, 660, 8160, 3900));

    Cmd_Adicionar = new QPushButton(QStringLiteral("Adicionar"), this);
    Cmd_Adicionar->setObjectName(QStringLiteral("Cmd_Adicionar"));
    Cmd_Adicionar->setGeometry(rectTwips(120, 4680, 1500, 450));
    Cmd_Remover = new QPushButton(QStringLiteral("Remover"), this);
    Cmd_Remover->setObjectName(QStringLiteral("Cmd_Remover"));
    Cmd_Remover->setGeometry(rectTwips(1740, 4680, 1500, 450));
    Cmd_Gravar = new QPushButton(QStringLiteral("Gravar"), this);
    Cmd_Gravar->setObjectName(QStringLiteral("Cmd_Gravar"));
    Cmd_Gravar->setGeometry(rectTwips(5160, 4680, 1500, 450));
    Cmd_Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    Cmd_Cancelar->setObjectName(QStringLiteral("Cmd_Cancelar"));
    Cmd_Cancelar->setGeometry(rectTwips(6780, 4680, 1500, 450));
    for (QPushButton *b : {Cmd_Adicionar, Cmd_Remover, Cmd_Gravar, Cmd_Cancelar})
        b->setAutoDefault(false);

    connect(Cmd_Adicionar, &QPushButton::clicked, this, [this] {
        acrescenta({});
        Grd_Regras->setCurrentCell(Grd_Regras->rowCount() - 1, 0);
        Grd_Regras->editItem(Grd_Regras->currentItem());
    });
    connect(Cmd_Remover, &QPushButton::clicked, this, [this] {
        if (Grd_Regras->currentRow() >= 0)
            Grd_Regras->removeRow(Grd_Regras->currentRow());
    });
    connect(Cmd_Gravar, &QPushButton::clicked, this, &Frm_RegrasCategoria::Cmd_Gravar_Click);
    connect(Cmd_Cancelar, &QPushButton::clicked, this, &QDialog::reject);

    try {
        for (const RegraCategoria &r : RegrasCategoria::le(bd, numBanco))
            acrescenta(r);
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
    if (!novaRegra.trimmed().isEmpty()) {
        acrescenta({novaRegra.simplified(), {}, {}});
        Grd_Regras->setCurrentCell(Grd_Regras->rowCount() - 1, 1);
    }
}

void Frm_RegrasCategoria::acrescenta(const RegraCategoria &r)
{
    const int linha = Grd_Regras->rowCount();
    Grd_Regras->insertRow(linha);
    Grd_Regras->setItem(linha, 0, new QTableWidgetItem(r.contem));
    Grd_Regras->setItem(linha, 1, new QTableWidgetItem(r.categoria));
    Grd_Regras->setItem(linha, 2, new QTableWidgetItem(r.categoria1));
}

std::vector<RegraCategoria> Frm_RegrasCategoria::regras() const
{
    std::vector<RegraCategoria> r;
    const auto texto = [this](int l, int c) {
        const QTableWidgetItem *i = Grd_Regras->item(l, c);
        return i ? i->text() : QString();
    };
    for (int l = 0; l < Grd_Regras->rowCount(); ++l)
        r.push_back({texto(l, 0), texto(l, 1), texto(l, 2)});
    return r;
}

void Frm_RegrasCategoria::Cmd_Gravar_Click()
{
    // A cell still being edited counts as typed.
    if (QWidget *editor = Grd_Regras->focusWidget(); editor && editor != Grd_Regras)
        Grd_Regras->setFocus();
    try {
        RegrasCategoria::grava(m_bd, m_numBanco, regras());
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
        return; // the table keeps what was typed
    }
    accept();
}
