#include "extractos/Frm_PrevisaoExtracto.h"
#include "app/AvisoErroBaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "extractos/Frm_RegrasCategoria.h"
#include "extractos/LeitorExtracto.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace {

const QColor Vermelho = corBgr(0x0000C0);
const QColor Verde = corBgr(0x008000);
const QColor Azul = corBgr(0xC00000);
const QColor Cinzento = corBgr(0x808080);

QString textoDecisao(DecisaoLinha d)
{
    switch (d) {
    case DecisaoLinha::Conciliado: return QStringLiteral("Conciliado");
    case DecisaoLinha::Novo: return QStringLiteral("Novo");
    case DecisaoLinha::JaImportado: return QStringLiteral("Já importado");
    case DecisaoLinha::Ignorado: return QStringLiteral("Ignorado");
    }
    return {};
}

QString textoMovimento(const Movimento &m)
{
    QString t = Regional::formataData(m.data);
    if (!m.numero.isEmpty())
        t += QStringLiteral("  ") + m.numero;
    return t + QStringLiteral("  ") + m.descricao;
}

} // namespace

// The statement's lines as the list shows them: one row per line, made on demand (a statement
// may hold tens of thousands of lines).
class ModeloLinhasExtracto : public QAbstractTableModel
{
public:
    enum Coluna { Data, Numero, Descricao, Valor, Decisao, NoRazao, NumColunas };
    explicit ModeloLinhasExtracto(QObject *pai) : QAbstractTableModel(pai) {}

    void define(const PlanoConciliacao *plano)
    {
        beginResetModel();
        m_plano = plano;
        endResetModel();
    }
    void mudouLinha(int r) { emit dataChanged(index(r, 0), index(r, NumColunas - 1)); }

    int rowCount(const QModelIndex &pai = {}) const override
    {
        return pai.isValid() || !m_plano ? 0 : int(m_plano->linhas.size());
    }
    int columnCount(const QModelIndex &pai = {}) const override
    {
        return pai.isValid() ? 0 : NumColunas;
    }
    QVariant headerData(int s, Qt::Orientation o, int papel) const override
    {
        if (o != Qt::Horizontal || papel != Qt::DisplayRole)
            return {};
        static const char *titulos[] = {"Data", "Número", "Descrição", "Valor", "Decisão",
                                        "No razão / categoria"};
        return QString::fromUtf8(titulos[s]);
    }
    QVariant data(const QModelIndex &i, int papel) const override
    {
        if (!m_plano || !i.isValid())
            return {};
        const LinhaPlano &l = m_plano->linhas[size_t(i.row())];
        if (papel == Qt::TextAlignmentRole && i.column() == Valor)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (papel == Qt::ForegroundRole && i.column() == Decisao) {
            switch (l.decisao) {
            case DecisaoLinha::Conciliado: return Verde;
            case DecisaoLinha::Novo: return Azul;
            default: return Cinzento;
            }
        }
        if (papel != Qt::DisplayRole)
            return {};
        switch (i.column()) {
        case Data: return Regional::formataData(l.linha.data);
        case Numero: return l.linha.numero;
        case Descricao: return l.linha.descricao;
        case Valor: return l.linha.valor.formata();
        case Decisao: return textoDecisao(l.decisao);
        case NoRazao:
            if (l.decisao == DecisaoLinha::Conciliado) {
                const Movimento *m = Conciliacao::movimento(*m_plano, l.movimento);
                return m ? textoMovimento(*m) : QString();
            }
            if (l.decisao == DecisaoLinha::Novo && !l.categoria.isEmpty())
                return l.categoria1.isEmpty() ? l.categoria
                                              : l.categoria + QStringLiteral(" / ") + l.categoria1;
            return {};
        }
        return {};
    }

private:
    const PlanoConciliacao *m_plano = nullptr;
};

Frm_PrevisaoExtracto::Frm_PrevisaoExtracto(QWidget *dono, BaseDados &bd,
                                           ImportacaoPreparada preparada,
                                           const std::vector<Conta> &contas, PreparaConta paraConta)
    : QDialog(dono), m_bd(bd), m_p(std::move(preparada)), m_paraConta(std::move(paraConta))
{
    setObjectName(QStringLiteral("Frm_PrevisaoExtracto"));
    setWindowTitle(QStringLiteral("Importar extracto bancário"));
    setModal(true);
    resize(twips(13200), twips(9600));

    const auto rotulo = [this](const char *nome, const QString &texto, QRect onde) {
        auto *l = new QLabel(texto, this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setTextFormat(Qt::PlainText); // the file's own texts, never markup
        l->setGeometry(onde);
        return l;
    };
    const auto botao = [this](const char *nome, const QString &texto, QRect onde) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        b->setGeometry(onde);
        return b;
    };

    Lbl_Ficheiro = rotulo("Lbl_Ficheiro", {}, rectTwips(120, 120, 8400, 300));
    rotulo("Lbl_Conta", QStringLiteral("Conta:"), rectTwips(8700, 120, 700, 300));
    Cmb_Conta = new QComboBox(this);
    Cmb_Conta->setObjectName(QStringLiteral("Cmb_Conta"));
    Cmb_Conta->setGeometry(rectTwips(9420, 90, 3660, 330));
    for (const Conta &c : contas)
        if (!c.banco.trimmed().isEmpty())
            Cmb_Conta->addItem(c.banco.trimmed(), c.numBanco);
    Lbl_Avisos = rotulo("Lbl_Avisos", {}, rectTwips(120, 450, 12960, 500));
    Lbl_Avisos->setWordWrap(true);
    Lbl_Avisos->setStyleSheet(QStringLiteral("color: #c00000"));

    Grd_LinhasExtracto = new QTableView(this);
    Grd_LinhasExtracto->setObjectName(QStringLiteral("Grd_LinhasExtracto"));
    Grd_LinhasExtracto->setGeometry(rectTwips(120, 990, 12960, 4200));
    Grd_LinhasExtracto->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grd_LinhasExtracto->setSelectionMode(QAbstractItemView::SingleSelection);
    Grd_LinhasExtracto->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grd_LinhasExtracto->verticalHeader()->hide();
    Grd_LinhasExtracto->verticalHeader()->setDefaultSectionSize(twips(280));
    m_modelo = new ModeloLinhasExtracto(this);
    Grd_LinhasExtracto->setModel(m_modelo);
    Grd_LinhasExtracto->horizontalHeader()->setStretchLastSection(true);
    const int larguras[] = {1100, 900, 4000, 1300, 1200};
    for (int c = 0; c < 5; ++c)
        Grd_LinhasExtracto->setColumnWidth(c, twips(larguras[c]));

    Cmd_Conciliar = botao("Cmd_Conciliar", QStringLiteral("Conciliar com..."),
                          rectTwips(120, 5280, 1900, 420));
    Cmd_MarcarNovo = botao("Cmd_MarcarNovo", QStringLiteral("Marcar como novo"),
                           rectTwips(2100, 5280, 1900, 420));
    Cmd_Ignorar = botao("Cmd_Ignorar", QStringLiteral("Ignorar"), rectTwips(4080, 5280, 1500, 420));
    Cmd_CriarRegra = botao("Cmd_CriarRegra", QStringLiteral("Criar regra..."),
                           rectTwips(5660, 5280, 1700, 420));
    Cmd_Regras = botao("Cmd_Regras", QStringLiteral("Regras..."), rectTwips(7440, 5280, 1500, 420));
    Lbl_Resumo = rotulo("Lbl_Resumo", {}, rectTwips(9060, 5340, 4020, 300));

    rotulo("Lbl_TituloSoNoRazao", QStringLiteral("No razão, não no extracto:"),
           rectTwips(120, 5820, 6000, 300));
    Grd_SoNoRazao = new QTableWidget(0, 4, this);
    Grd_SoNoRazao->setObjectName(QStringLiteral("Grd_SoNoRazao"));
    Grd_SoNoRazao->setHorizontalHeaderLabels({QStringLiteral("Data"), QStringLiteral("Número"),
                                              QStringLiteral("Descrição"),
                                              QStringLiteral("Valor")});
    Grd_SoNoRazao->setGeometry(rectTwips(120, 6120, 7200, 2700));
    Grd_SoNoRazao->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grd_SoNoRazao->verticalHeader()->hide();
    Grd_SoNoRazao->setColumnWidth(0, twips(1100));
    Grd_SoNoRazao->setColumnWidth(1, twips(900));
    Grd_SoNoRazao->setColumnWidth(2, twips(3500));

    rotulo("Lbl_TituloExtracto", QStringLiteral("Extracto"), rectTwips(8900, 5820, 1300, 300));
    rotulo("Lbl_TituloRazao", QStringLiteral("Razão"), rectTwips(10250, 5820, 1300, 300));
    rotulo("Lbl_TituloDiferenca", QStringLiteral("Diferença"), rectTwips(11600, 5820, 1400, 300));
    rotulo("Lbl_TituloInicial", QStringLiteral("Saldo inicial"), rectTwips(7500, 6180, 1350, 300));
    rotulo("Lbl_TituloFinal", QStringLiteral("Saldo final"), rectTwips(7500, 6540, 1350, 300));
    Lbl_SaldoInicial = rotulo("Lbl_SaldoInicial", {}, rectTwips(8900, 6180, 1300, 300));
    Lbl_SaldoRazaoInicial = rotulo("Lbl_SaldoRazaoInicial", {}, rectTwips(10250, 6180, 1300, 300));
    Lbl_DiferencaInicial = rotulo("Lbl_DiferencaInicial", {}, rectTwips(11600, 6180, 1400, 300));
    Lbl_SaldoFinal = rotulo("Lbl_SaldoFinal", {}, rectTwips(8900, 6540, 1300, 300));
    Lbl_SaldoRazaoFinal = rotulo("Lbl_SaldoRazaoFinal", {}, rectTwips(10250, 6540, 1300, 300));
    Lbl_DiferencaFinal = rotulo("Lbl_DiferencaFinal", {}, rectTwips(11600, 6540, 1400, 300));
    for (QLabel *l : {Lbl_SaldoInicial, Lbl_SaldoRazaoInicial, Lbl_DiferencaInicial,
                      Lbl_SaldoFinal, Lbl_SaldoRazaoFinal, Lbl_DiferencaFinal})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lbl_MovimentosEmFalta = rotulo("Lbl_MovimentosEmFalta", {}, rectTwips(7500, 6960, 5580, 900));
    Lbl_MovimentosEmFalta->setWordWrap(true);
    Lbl_MovimentosEmFalta->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));

    Cmd_Confirmar = botao("Cmd_Confirmar", QStringLiteral("Confirmar"),
                          rectTwips(9900, 8940, 1500, 450));
    Cmd_Cancelar = botao("Cmd_Cancelar", QStringLiteral("Cancelar"),
                         rectTwips(11580, 8940, 1500, 450));

    const auto accao = [this](const char *nome, const QString &texto,
                              void (Frm_PrevisaoExtracto::*f)()) {
        auto *a = new QAction(texto, this);
        a->setObjectName(QString::fromLatin1(nome));
        connect(a, &QAction::triggered, this, f);
        Grd_LinhasExtracto->addAction(a);
        return a;
    };
    Grd_LinhasExtracto->setContextMenuPolicy(Qt::ActionsContextMenu);
    Mnu_Conciliar = accao("Mnu_Conciliar", QStringLiteral("Conciliar com..."),
                          &Frm_PrevisaoExtracto::Cmd_Conciliar_Click);
    Mnu_MarcarNovo = accao("Mnu_MarcarNovo", QStringLiteral("Marcar como novo"),
                           &Frm_PrevisaoExtracto::Cmd_MarcarNovo_Click);
    Mnu_Ignorar = accao("Mnu_Ignorar", QStringLiteral("Ignorar"),
                        &Frm_PrevisaoExtracto::Cmd_Ignorar_Click);
    Mnu_CriarRegra = accao("Mnu_CriarRegra", QStringLiteral("Criar regra..."),
                           &Frm_PrevisaoExtracto::Cmd_CriarRegra_Click);

    connect(Cmd_Conciliar, &QPushButton::clicked, this, &Frm_PrevisaoExtracto::Cmd_Conciliar_Click);
    connect(Cmd_MarcarNovo, &QPushButton::clicked, this,
            &Frm_PrevisaoExtracto::Cmd_MarcarNovo_Click);
    connect(Cmd_Ignorar, &QPushButton::clicked, this, &Frm_PrevisaoExtracto::Cmd_Ignorar_Click);
    connect(Cmd_CriarRegra, &QPushButton::clicked, this,
            &Frm_PrevisaoExtracto::Cmd_CriarRegra_Click);
    connect(Cmd_Regras, &QPushButton::clicked, this, &Frm_PrevisaoExtracto::Cmd_Regras_Click);
    connect(Cmd_Confirmar, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cmd_Cancelar, &QPushButton::clicked, this, &QDialog::reject);

    mostra();
    connect(Cmb_Conta, &QComboBox::activated, this, &Frm_PrevisaoExtracto::Cmb_Conta_Change);
}

Frm_PrevisaoExtracto::~Frm_PrevisaoExtracto() = default;

void Frm_PrevisaoExtracto::mostra()
{
    const PlanoConciliacao &p = m_p.plano;
    Lbl_Ficheiro->setText(QStringLiteral("%1 (%2), de %3 a %4: %5 linhas")
                              .arg(m_p.ficheiro, nomeFormato(m_p.extracto.formato),
                                   Regional::formataData(p.inicio), Regional::formataData(p.fim))
                              .arg(p.linhas.size()));
    Cmb_Conta->setCurrentIndex(Cmb_Conta->findData(p.numBanco));
    Lbl_Avisos->setText(m_p.avisos.join(QLatin1Char('\n')));
    m_modelo->define(&m_p.plano);
    if (!p.linhas.empty())
        Grd_LinhasExtracto->selectRow(0);
    actualizaResto();
}

void Frm_PrevisaoExtracto::actualizaResto()
{
    Conciliacao::recalcula(m_p.plano, m_p.extracto);
    const PlanoConciliacao &p = m_p.plano;
    Lbl_Resumo->setText(QStringLiteral("%1 conciliados, %2 novos, %3 já importados, %4 ignorados")
                            .arg(p.conta(DecisaoLinha::Conciliado))
                            .arg(p.conta(DecisaoLinha::Novo))
                            .arg(p.conta(DecisaoLinha::JaImportado))
                            .arg(p.conta(DecisaoLinha::Ignorado)));

    Grd_SoNoRazao->setRowCount(int(p.soNoRazao.size()));
    for (int r = 0; r < int(p.soNoRazao.size()); ++r) {
        const Movimento &m = p.porVerificar[p.soNoRazao[size_t(r)]];
        const QStringList textos = {Regional::formataData(m.data), m.numero, m.descricao,
                                    Conciliacao::valorDe(m).formata()};
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(textos[c]);
            if (c == 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Grd_SoNoRazao->setItem(r, c, item);
        }
    }

    const auto saldo = [](const std::optional<ComparacaoSaldo> &s, QLabel *extracto,
                          QLabel *razao, QLabel *diferenca) {
        extracto->setText(s ? s->extracto.formata() : QStringLiteral("-"));
        razao->setText(s ? s->razao.formata() : QStringLiteral("-"));
        diferenca->setText(s ? s->diferenca().formata() : QString());
        diferenca->setStyleSheet(s && s->difere() ? QStringLiteral("color: #c00000") : QString());
        if (s) {
            extracto->setToolTip(QStringLiteral("No fim do dia ") + Regional::formataData(s->data));
            // The ledger's side is the balance the import leaves, the new lines in it.
            razao->setToolTip(
                QStringLiteral("Saldo do razão no fim do dia %1%2")
                    .arg(Regional::formataData(s->data),
                         s->novos == 0 ? QString()
                                       : QStringLiteral(", com os %1 movimentos novos deste "
                                                        "extracto (depois de confirmar)")
                                             .arg(s->novos)));
        }
    };
    saldo(p.saldoInicial, Lbl_SaldoInicial, Lbl_SaldoRazaoInicial, Lbl_DiferencaInicial);
    saldo(p.saldoFinal, Lbl_SaldoFinal, Lbl_SaldoRazaoFinal, Lbl_DiferencaFinal);
    Lbl_MovimentosEmFalta->setText(
        p.movimentosEmFalta
            ? QStringLiteral("Movimentos em falta: o saldo inicial do extracto não continua o "
                             "saldo do razão em %1 (diferença de %2).")
                  .arg(Regional::formataData(p.saldoInicial->data),
                       p.saldoInicial->diferenca().formataMoeda())
            : QString());
}

int Frm_PrevisaoExtracto::linhaActual() const
{
    const QModelIndex i = Grd_LinhasExtracto->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void Frm_PrevisaoExtracto::decide(DecisaoLinha d)
{
    const int r = linhaActual();
    if (r < 0)
        return;
    LinhaPlano &l = m_p.plano.linhas[size_t(r)];
    l.decisao = d;
    l.movimento = 0;
    m_modelo->mudouLinha(r);
    actualizaResto();
}

void Frm_PrevisaoExtracto::Cmd_MarcarNovo_Click() { decide(DecisaoLinha::Novo); }
void Frm_PrevisaoExtracto::Cmd_Ignorar_Click() { decide(DecisaoLinha::Ignorado); }

void Frm_PrevisaoExtracto::Cmd_Conciliar_Click()
{
    const int r = linhaActual();
    if (r < 0)
        return;
    const std::vector<size_t> opcoes = Conciliacao::alternativas(m_p.plano, size_t(r));
    if (opcoes.empty()) {
        MsgBox(QStringLiteral("Não há no razão nenhum movimento por verificar com o mesmo valor "
                              "a menos de %1 dias desta linha.")
                   .arg(Conciliacao::DiasTolerancia));
        return;
    }
    QStringList textos;
    for (size_t j : opcoes)
        textos << textoMovimento(m_p.plano.porVerificar[j]);
    QInputDialog escolha(this);
    escolha.setObjectName(QStringLiteral("Frm_EscolheMovimento"));
    escolha.setWindowTitle(QStringLiteral("Conciliar com..."));
    escolha.setLabelText(QStringLiteral("Movimento do razão para a linha de %1 (%2):")
                             .arg(Regional::formataData(m_p.plano.linhas[size_t(r)].linha.data),
                                  m_p.plano.linhas[size_t(r)].linha.valor.formata()));
    escolha.setComboBoxItems(textos);
    escolha.setComboBoxEditable(false);
    if (escolha.exec() != QDialog::Accepted)
        return;
    const int k = int(textos.indexOf(escolha.textValue()));
    if (k < 0)
        return;
    LinhaPlano &l = m_p.plano.linhas[size_t(r)];
    l.decisao = DecisaoLinha::Conciliado;
    l.movimento = m_p.plano.porVerificar[opcoes[size_t(k)]].numAutomatico;
    m_modelo->mudouLinha(r);
    actualizaResto();
}

void Frm_PrevisaoExtracto::Cmd_CriarRegra_Click()
{
    const int r = linhaActual();
    if (r >= 0)
        abreRegras(m_p.plano.linhas[size_t(r)].linha.descricao);
}

void Frm_PrevisaoExtracto::Cmd_Regras_Click() { abreRegras({}); }

void Frm_PrevisaoExtracto::abreRegras(const QString &novaRegra)
{
    Frm_RegrasCategoria regras(this, m_bd, m_p.plano.numBanco, m_p.conta.banco.trimmed(),
                               novaRegra);
    if (regras.exec() != QDialog::Accepted)
        return;
    try {
        ImportacaoExtracto::reaplicaRegras(m_bd, m_p);
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
    m_modelo->define(&m_p.plano);
    actualizaResto();
}

void Frm_PrevisaoExtracto::Cmb_Conta_Change()
{
    const int n = Cmb_Conta->currentData().toInt();
    if (n == m_p.plano.numBanco)
        return;
    if (auto outra = m_paraConta ? m_paraConta(n) : std::nullopt) {
        m_p = std::move(*outra);
        mostra();
    } else {
        Cmb_Conta->setCurrentIndex(Cmb_Conta->findData(m_p.plano.numBanco));
    }
}
