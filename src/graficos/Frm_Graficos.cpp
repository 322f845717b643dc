#include "graficos/Frm_Graficos.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "graficos/GraficoCategorias.h"
#include "graficos/GraficoMeses.h"
#include "graficos/GraficoSaldo.h"
#include "graficos/SaidaGrafico.h"
#include "graficos/VistaGrafico.h"
#include "platform/CursorEspera.h"
#include "platform/Mensagens.h"
#include "reports/VisorListagem.h"

#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QDateEdit *caixaData(const QString &nome, QWidget *pai)
{
    auto *d = new QDateEdit(pai);
    d->setObjectName(nome);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    d->setDateRange(QDate(Regional::AnoMinimo, 1, 1), QDate(Regional::AnoMaximo, 12, 31));
    return d;
}

QPushButton *botao(const QString &nome, const QString &texto, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setAutoDefault(false); // Enter belongs to the chart that has the focus
    return b;
}

// A file name from the chart's and the account's names, without characters a file system
// refuses.
QString nomeProposto(const Grafico &g, const QString &conta)
{
    QString nome = g.nome() + QStringLiteral(" - ") + conta;
    nome.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    return nome.trimmed();
}

const QString FiltroPng = QStringLiteral("Imagem PNG (*.png)");
const QString FiltroPdf = QStringLiteral("Documento PDF (*.pdf)");

} // namespace

Frm_Graficos::Frm_Graficos(Calculo calcula, QString nomeConta, const PeriodoGrafico &periodo,
                           QWidget *dono)
    : QDialog(dono, Qt::Window), m_calcula(std::move(calcula)), m_nomeConta(std::move(nomeConta)),
      m_figuras(std::make_shared<FigurasConta>())
{
    setObjectName(QStringLiteral("Frm_Graficos"));
    setWindowTitle(QStringLiteral("Gráficos da conta: ") + m_nomeConta);
    resize(980, 640);

    auto *periodoLinha = new QHBoxLayout;
    auto *lblDe = new QLabel(QStringLiteral("Da data"), this);
    lblDe->setObjectName(QStringLiteral("Lbl_DaData"));
    DTPicker_DaData = caixaData(QStringLiteral("DTPicker_DaData"), this);
    lblDe->setBuddy(DTPicker_DaData);
    auto *lblAte = new QLabel(QStringLiteral("Até à data"), this);
    lblAte->setObjectName(QStringLiteral("Lbl_AteData"));
    DTPicker_AteData = caixaData(QStringLiteral("DTPicker_AteData"), this);
    lblAte->setBuddy(DTPicker_AteData);
    Cmd_EsteAno = botao(QStringLiteral("Cmd_EsteAno"), QStringLiteral("Este ano"), this);
    Cmd_AnoAnterior =
        botao(QStringLiteral("Cmd_AnoAnterior"), QStringLiteral("Ano anterior"), this);
    Cmd_Ultimos12Meses =
        botao(QStringLiteral("Cmd_Ultimos12Meses"), QStringLiteral("Últimos 12 meses"), this);
    for (QWidget *w : std::initializer_list<QWidget *>{lblDe, DTPicker_DaData, lblAte,
                                                      DTPicker_AteData, Cmd_EsteAno,
                                                      Cmd_AnoAnterior, Cmd_Ultimos12Meses})
        periodoLinha->addWidget(w);
    periodoLinha->addStretch();

    Tab_Graficos = new QTabWidget(this);
    Tab_Graficos->setObjectName(QStringLiteral("Tab_Graficos"));
    Grf_Saldo = new VistaGrafico(QStringLiteral("Grf_Saldo"));
    Grf_Meses = new VistaGrafico(QStringLiteral("Grf_Meses"));
    Tab_Categorias = new QTabWidget;
    Tab_Categorias->setObjectName(QStringLiteral("Tab_Categorias"));
    Grf_CategoriasSaidas = new VistaGrafico(QStringLiteral("Grf_CategoriasSaidas"));
    Grf_CategoriasEntradas = new VistaGrafico(QStringLiteral("Grf_CategoriasEntradas"));
    Tab_Categorias->addTab(Grf_CategoriasSaidas, QStringLiteral("Saídas"));
    Tab_Categorias->addTab(Grf_CategoriasEntradas, QStringLiteral("Entradas"));
    Tab_Graficos->addTab(Grf_Saldo, QStringLiteral("Saldo"));
    Tab_Graficos->addTab(Grf_Meses, QStringLiteral("Entradas e saídas por mês"));
    Tab_Graficos->addTab(Tab_Categorias, QStringLiteral("Categorias"));

    Lbl_Ajuda = new QLabel(this);
    Lbl_Ajuda->setObjectName(QStringLiteral("Lbl_Ajuda"));
    Cmd_GuardarImagem =
        botao(QStringLiteral("Cmd_GuardarImagem"), QStringLiteral("Guardar imagem..."), this);
    Cmd_Imprimir = botao(QStringLiteral("Cmd_Imprimir"), QStringLiteral("Imprimir..."), this);
    Cmd_Fechar = botao(QStringLiteral("Cmd_Fechar"), QStringLiteral("Fechar"), this);
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(Cmd_GuardarImagem);
    botoes->addWidget(Cmd_Imprimir);
    botoes->addStretch();
    botoes->addWidget(Cmd_Fechar);

    auto *tudo = new QVBoxLayout(this);
    tudo->addLayout(periodoLinha);
    tudo->addWidget(Tab_Graficos, 1);
    tudo->addWidget(Lbl_Ajuda);
    tudo->addLayout(botoes);

    setTabOrder(DTPicker_DaData, DTPicker_AteData);
    setTabOrder(DTPicker_AteData, Cmd_EsteAno);
    setTabOrder(Cmd_EsteAno, Cmd_AnoAnterior);
    setTabOrder(Cmd_AnoAnterior, Cmd_Ultimos12Meses);
    setTabOrder(Cmd_Ultimos12Meses, Tab_Graficos);
    setTabOrder(Tab_Graficos, Grf_Saldo);
    setTabOrder(Grf_Saldo, Grf_Meses);
    setTabOrder(Grf_Meses, Tab_Categorias);
    setTabOrder(Tab_Categorias, Grf_CategoriasSaidas);
    setTabOrder(Grf_CategoriasSaidas, Grf_CategoriasEntradas);
    setTabOrder(Grf_CategoriasEntradas, Cmd_GuardarImagem);
    setTabOrder(Cmd_GuardarImagem, Cmd_Imprimir);
    setTabOrder(Cmd_Imprimir, Cmd_Fechar);

    DTPicker_DaData->setDate(periodo.desde);
    DTPicker_AteData->setDate(periodo.ate);
    connect(DTPicker_DaData, &QDateEdit::dateChanged, this, [this] { Recalcula(); });
    connect(DTPicker_AteData, &QDateEdit::dateChanged, this, [this] { Recalcula(); });
    connect(Cmd_EsteAno, &QPushButton::clicked, this,
            [this] { MudaPeriodo(PeriodoGrafico::esteAno(Relogio::hoje())); });
    connect(Cmd_AnoAnterior, &QPushButton::clicked, this,
            [this] { MudaPeriodo(PeriodoGrafico::anoAnterior(Relogio::hoje())); });
    connect(Cmd_Ultimos12Meses, &QPushButton::clicked, this,
            [this] { MudaPeriodo(PeriodoGrafico::ultimos12Meses(Relogio::hoje())); });
    connect(Tab_Graficos, &QTabWidget::currentChanged, this, &Frm_Graficos::MostraAjuda);
    connect(Grf_Meses, &VistaGrafico::mesEscolhido, this, [this](size_t i) {
        if (i < m_figuras->meses.size())
            emit extractoPedido(m_figuras->meses[i].inicio, m_figuras->meses[i].fim);
    });
    connect(Cmd_GuardarImagem, &QPushButton::clicked, this, &Frm_Graficos::Cmd_GuardarImagem_Click);
    connect(Cmd_Imprimir, &QPushButton::clicked, this, &Frm_Graficos::Cmd_Imprimir_Click);
    connect(Cmd_Fechar, &QPushButton::clicked, this, &QDialog::close);
    MostraAjuda();
}

PeriodoGrafico Frm_Graficos::Periodo() const
{
    return {DTPicker_DaData->date(), DTPicker_AteData->date()};
}

void Frm_Graficos::MudaPeriodo(const PeriodoGrafico &periodo)
{
    {
        const QSignalBlocker a(DTPicker_DaData), b(DTPicker_AteData);
        DTPicker_DaData->setDate(periodo.desde);
        DTPicker_AteData->setDate(periodo.ate);
    }
    Recalcula();
}

bool Frm_Graficos::Recalcula()
{
    std::shared_ptr<FigurasConta> novas;
    try {
        CursorEspera espera;
        novas = std::make_shared<FigurasConta>(m_calcula(Periodo()));
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("Não foi possível ler os movimentos da conta:\r") + erro.mensagem(),
               QMessageBox::Ok, Icone::Critico);
        return false;
    }
    m_figuras = novas;
    Grf_Saldo->mostra(std::make_shared<GraficoSaldo>(novas, m_nomeConta));
    Grf_Meses->mostra(std::make_shared<GraficoMeses>(novas, m_nomeConta));
    Grf_CategoriasSaidas->mostra(std::make_shared<GraficoCategorias>(
        novas, m_nomeConta, GraficoCategorias::Lado::Saidas));
    Grf_CategoriasEntradas->mostra(std::make_shared<GraficoCategorias>(
        novas, m_nomeConta, GraficoCategorias::Lado::Entradas));
    MostraAjuda();
    return true;
}

void Frm_Graficos::MostraAjuda()
{
    const bool meses = Tab_Graficos->currentWidget() == Grf_Meses;
    Lbl_Ajuda->setText(meses && !m_figuras->vazio()
                           ? QStringLiteral("Clique num mês (ou escolha-o com as setas e Enter) "
                                            "para ver o extracto detalhado desse mês.")
                           : QStringLiteral("Passe o rato sobre o gráfico para ver os valores."));
}

std::shared_ptr<Grafico> Frm_Graficos::GraficoVisivel() const
{
    if (Tab_Graficos->currentWidget() == Tab_Categorias)
        return static_cast<VistaGrafico *>(Tab_Categorias->currentWidget())->grafico();
    return static_cast<VistaGrafico *>(Tab_Graficos->currentWidget())->grafico();
}

bool Frm_Graficos::GuardaImagem(const QString &caminho) const
{
    const auto g = GraficoVisivel();
    if (!g)
        return false;
    CursorEspera espera;
    return caminho.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
               ? SaidaGrafico::gravaPdf(*g, caminho)
               : SaidaGrafico::gravaPng(*g, caminho);
}

void Frm_Graficos::Cmd_GuardarImagem_Click()
{
    const auto g = GraficoVisivel();
    if (!g)
        return;
    QFileDialog dialogo(this, QStringLiteral("Guardar o gráfico"));
    dialogo.setObjectName(QStringLiteral("CommonDialogImagem"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilters({FiltroPng, FiltroPdf});
    dialogo.setDirectory(QDir::home());
    dialogo.selectFile(nomeProposto(*g, m_nomeConta) + QStringLiteral(".png"));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return;
    QString caminho = dialogo.selectedFiles().first();
    // A name typed without an ending takes the kind chosen in the list.
    const QString fim = dialogo.selectedNameFilter() == FiltroPdf ? QStringLiteral(".pdf")
                                                                  : QStringLiteral(".png");
    if (!caminho.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)
        && !caminho.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        caminho += fim;
    if (!GuardaImagem(caminho))
        MsgBox(QStringLiteral("Não foi possível guardar o gráfico em \"%1\".")
                   .arg(QDir::toNativeSeparators(caminho)),
               QMessageBox::Ok, Icone::Exclamacao);
}

void Frm_Graficos::Cmd_Imprimir_Click()
{
    const std::shared_ptr<const Grafico> g = GraficoVisivel();
    if (!g)
        return;
    DocumentoImpresso d;
    d.titulo = g->titulo() + QStringLiteral(" - ") + m_nomeConta;
    d.tituloGuardar = QStringLiteral("Guardar o gráfico como PDF");
    d.pagina = SaidaGrafico::pagina();
    d.desenha = [g](QPrinter &p) { SaidaGrafico::desenhaPagina(*g, p); };
    d.escrevePdf = [g](const QString &caminho) { return SaidaGrafico::gravaPdf(*g, caminho); };
    MostraVisorImpressao(std::move(d), this);
}
