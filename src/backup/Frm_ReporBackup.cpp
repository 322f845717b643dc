#include "backup/Frm_ReporBackup.h"
#include "app/ModuloArranque.h"
#include "data/Regional.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/Imagens.h"
#include "platform/Medidas.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <map>

namespace {

constexpr int Largura = 9600, Altura = 7200;

enum Coluna { ColNumero, ColContaCopia, ColMovCopia, ColContaActual, ColMovActual, NumColunas };

QTableWidgetItem *celula(const QString &texto, bool numero = false)
{
    auto *c = new QTableWidgetItem(texto);
    c->setFlags(Qt::ItemIsEnabled);
    if (numero)
        c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}

QString contagem(qint64 n) { return QString::number(n); }

} // namespace

Frm_ReporBackup::Frm_ReporBackup(const QString &escolhido, const ResumoBase &copia,
                                 const ResumoBase &actual, const QString &antes, QWidget *dono)
    : QDialog(dono)
{
    setObjectName(QStringLiteral("Frm_ReporBackup"));
    setWindowTitle(QStringLiteral("Repor cópia de segurança"));
    setModal(true);
    setFixedSize(twips(Largura), twips(Altura));

    Lbl_Ficheiro = new QLabel(this);
    Lbl_Ficheiro->setObjectName(QStringLiteral("Lbl_Ficheiro"));
    Lbl_Ficheiro->setGeometry(rectTwips(240, 180, 9120, 300));
    Lbl_Ficheiro->setTextFormat(Qt::PlainText);
    // A long path loses its middle, never the file's name; the whole path is in the tip.
    const QString prefixo = QStringLiteral("Cópia escolhida: ");
    const QFontMetrics medida(Lbl_Ficheiro->font());
    Lbl_Ficheiro->setText(prefixo
                          + medida.elidedText(QDir::toNativeSeparators(escolhido), Qt::ElideMiddle,
                                              Lbl_Ficheiro->width()
                                                  - medida.horizontalAdvance(prefixo)));
    Lbl_Ficheiro->setToolTip(QDir::toNativeSeparators(escolhido));

    Lbl_DataCopia = new QLabel(QStringLiteral("Data da cópia: ") + TextoData(copia), this);
    Lbl_DataCopia->setObjectName(QStringLiteral("Lbl_DataCopia"));
    Lbl_DataCopia->setGeometry(rectTwips(240, 510, 9120, 300));
    QFont negrito = Lbl_DataCopia->font();
    negrito.setBold(true);
    Lbl_DataCopia->setFont(negrito);

    Grd_Contas = new QTableWidget(0, NumColunas, this);
    Grd_Contas->setObjectName(QStringLiteral("Grd_Contas"));
    Grd_Contas->setGeometry(rectTwips(240, 900, 9120, 3600));
    Grd_Contas->setHorizontalHeaderLabels({QStringLiteral("Nº"), QStringLiteral("Conta na cópia"),
                                           QStringLiteral("Movimentos"),
                                           QStringLiteral("Conta actual"),
                                           QStringLiteral("Movimentos")});
    Grd_Contas->verticalHeader()->hide();
    // Nine accounts and the totals fit without a scroll bar.
    Grd_Contas->verticalHeader()->setDefaultSectionSize(twips(285));
    Grd_Contas->setSelectionMode(QAbstractItemView::NoSelection);
    Grd_Contas->setFocusPolicy(Qt::NoFocus);
    QHeaderView *cabecalho = Grd_Contas->horizontalHeader();
    cabecalho->setSectionResizeMode(QHeaderView::Fixed);
    cabecalho->setStretchLastSection(true);
    const int larguras[NumColunas] = {480, 2880, 1320, 2880, 1320};
    for (int c = 0; c < NumColunas; ++c)
        Grd_Contas->setColumnWidth(c, twips(larguras[c]));
    PreencheContas(copia, actual);

    Label25 = new EtiquetaInformacao(
        QStringLiteral("Antes de repor, o Quorvel guarda uma cópia da base de dados actual em "
                       "%1, na pasta de dados %2. Os movimentos registados depois da data da "
                       "cópia escolhida deixam de aparecer.")
            .arg(QFileInfo(antes).fileName(),
                 QDir::toNativeSeparators(QFileInfo(antes).absolutePath())),
        this);
    Label25->setObjectName(QStringLiteral("Label25"));
    Label25->setGeometry(rectTwips(240, 4680, 9120, 1020));
    Label25->setTextFormat(Qt::PlainText);

    Cmd_Repor = new QPushButton(QStringLiteral("Repor esta cópia"), this);
    Cmd_Repor->setObjectName(QStringLiteral("Cmd_Repor"));
    Cmd_Repor->setGeometry(rectTwips(3960, 6000, 2580, 600));
    Cmd_Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    Cmd_Cancelar->setObjectName(QStringLiteral("Cmd_Cancelar"));
    Cmd_Cancelar->setGeometry(rectTwips(6780, 6000, 2580, 600));
    for (QPushButton *b : {Cmd_Repor, Cmd_Cancelar}) {
        b->setIconSize(QSize(24, 24));
        b->setAutoDefault(true);
    }
    // Replacing the ledger is never what Enter does by chance.
    Cmd_Cancelar->setDefault(true);
    connect(Cmd_Repor, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cmd_Cancelar, &QPushButton::clicked, this, &QDialog::reject);
    CarregaIcones();
    Cmd_Cancelar->setFocus();
}

QString Frm_ReporBackup::TextoData(const ResumoBase &copia)
{
    if (!copia.data.isValid())
        return QStringLiteral("desconhecida");
    return Regional::formataData(copia.data.date()) + QStringLiteral(" às ")
           + copia.data.time().toString(QStringLiteral("HH:mm"))
           + (copia.dataRegistada ? QStringLiteral(" (registada na cópia)")
                                  : QStringLiteral(" (data do ficheiro)"));
}

void Frm_ReporBackup::PreencheContas(const ResumoBase &copia, const ResumoBase &actual)
{
    // Account numbers of either database, side by side.
    std::map<int, std::pair<const ContaResumida *, const ContaResumida *>> linhas;
    for (const ContaResumida &c : copia.contas)
        linhas[c.numBanco].first = &c;
    for (const ContaResumida &c : actual.contas)
        linhas[c.numBanco].second = &c;
    auto nome = [](const ContaResumida *c) {
        if (!c)
            return QString();
        return c->banco.isEmpty() ? QStringLiteral("(sem nome)") : c->banco;
    };
    auto movimentos = [](const ContaResumida *c) {
        return c ? contagem(c->movimentos) : QString();
    };

    Grd_Contas->setRowCount(int(linhas.size()) + 1);
    int linha = 0;
    for (const auto &[numero, par] : linhas) {
        Grd_Contas->setItem(linha, ColNumero, celula(QString::number(numero), true));
        Grd_Contas->setItem(linha, ColContaCopia, celula(nome(par.first)));
        Grd_Contas->setItem(linha, ColMovCopia, celula(movimentos(par.first), true));
        Grd_Contas->setItem(linha, ColContaActual, celula(nome(par.second)));
        Grd_Contas->setItem(linha, ColMovActual, celula(movimentos(par.second), true));
        ++linha;
    }
    Grd_Contas->setItem(linha, ColNumero, celula(QString()));
    Grd_Contas->setItem(linha, ColContaCopia, celula(QStringLiteral("Total")));
    Grd_Contas->setItem(linha, ColMovCopia, celula(contagem(copia.totalMovimentos()), true));
    Grd_Contas->setItem(linha, ColContaActual, celula(QStringLiteral("Total")));
    Grd_Contas->setItem(linha, ColMovActual, celula(contagem(actual.totalMovimentos()), true));
    for (int c = 0; c < NumColunas; ++c) {
        QFont f = Grd_Contas->item(linha, c)->font();
        f.setBold(true);
        Grd_Contas->item(linha, c)->setFont(f);
    }
}

void Frm_ReporBackup::CarregaIcones()
{
    const QString pasta = PastaAplicacao();
    Label25->carregaIcone(pasta);
    Cmd_Repor->setIcon(Imagens::icone(pasta, QStringLiteral("ok.ico")));
    Cmd_Cancelar->setIcon(Imagens::icone(pasta, QStringLiteral("cancelar.ico")));
}
