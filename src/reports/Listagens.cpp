#include "reports/Listagens.h"
#include "app/Frm_Password.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "data/TabelaCategorias.h"
#include "data/Relogio.h"
#include "data/TabelaContas.h"
#include "data/Texto.h"
#include "platform/CursorEspera.h"
#include "platform/Ficheiros.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"
#include "reports/DialogoExportacao.h"
#include "reports/Frm_Pesquisas.h"
#include "reports/TextosListagem.h"
#include "reports/VisorListagem.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString TituloSimples = QStringLiteral(" (02) Listagem de extracto de conta simples ");
const QString ModeloSimples = QStringLiteral("02_Detalhes.rpt");
const QString TituloDetalhado = QStringLiteral(" (03) Listagem de extracto de conta detalhado ");
const QString ModeloDetalhado = QStringLiteral("03_DetalhesDet.rpt");

// A file of the application folder by its design name, found without regard to case; the
// plain path when there is none, so the engine can name the missing file.
QString ficheiroAplicacao(const QString &nome)
{
    const QString pasta = PastaAplicacao();
    const QString achado = Ficheiros::encontra(pasta, nome);
    return achado.isEmpty() ? QDir(pasta).filePath(nome) : achado;
}

} // namespace

Listagens::Listagens(const ContextoJanela &c, QAction *mnuListagem1, QAction *mnuListagem2,
                     QAction *mnuListagem3, QObject *pai)
    : Subsistema(c, pai),
      CrystalReport1([this]() -> BaseDados * {
          return LigacaoAberta() ? &contexto().ligacao() : nullptr;
      })
{
    Frm_Pesquisas = new ::Frm_Pesquisas(c.area);
    CrystalReport1.avisa = [](const QString &m) {
        // The fault is read with the usual pointer, even while a listing was being prepared.
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        MsgBox(m, QMessageBox::Ok, Icone::Exclamacao);
        QGuiApplication::restoreOverrideCursor();
    };
    CrystalReport1.visor = [janela = c.janela](std::shared_ptr<const Listagem> l) {
        MostraVisorListagem(std::move(l), janela);
    };
    connect(mnuListagem1, &QAction::triggered, this, &Listagens::Mnu_Listagem1_Click);
    connect(mnuListagem2, &QAction::triggered, this, &Listagens::Mnu_Listagem2_Click);
    connect(mnuListagem3, &QAction::triggered, this, &Listagens::Mnu_Listagem3_Click);
    connect(Frm_Pesquisas->Cmd_Consultar, &QPushButton::clicked, this,
            &Listagens::Cmd_Consultar_Click);
    connect(Frm_Pesquisas->Cmd_Exportar, &QPushButton::clicked, this,
            &Listagens::Cmd_Exportar_Click);
    connect(Frm_Pesquisas->Cmd_CancelaConsulta, &QPushButton::clicked, this,
            &Listagens::Cmd_CancelaConsulta_Click);
}

void Listagens::EstadoInicial()
{
    Frm_Pesquisas->hide();
    // The pickers start a month back once per run; later they keep what the user left.
    if (!m_datasIniciadas) {
        const QDate hoje = Relogio::hoje();
        Frm_Pesquisas->DTPicker3->setDate(hoje.addDays(-30));
        Frm_Pesquisas->DTPicker4->setDate(hoje);
        m_datasIniciadas = true;
    }
}

void Listagens::CarregaIcones(const QString &pasta)
{
    Frm_Pesquisas->CarregaIcones(pasta);
}

void Listagens::MostraErro(const ErroBaseDados &erro) const
{
    MsgBox(QStringLiteral("Ocorreu um erro ao trabalhar com a base de dados:\r") + erro.mensagem()
               + QStringLiteral("\r\rOs dados já gravados não foram alterados."),
           QMessageBox::Ok, Icone::Critico);
}

bool Listagens::GravaGrelha(bool comSaldoDaConta)
{
    try {
        // The summary lists TabBancos.Saldo: the open account's is made the balance of now in
        // the same transaction as the rows it sums, so both are written or neither.
        Transaccao t(contexto().ligacao());
        if (contexto().gravaTodasLinhas)
            contexto().gravaTodasLinhas();
        if (comSaldoDaConta && contexto().saldoFinal)
            if (const auto saldo = contexto().saldoFinal())
                TabelaContas::gravaSaldo(contexto().ligacao(), contexto().numBancoActual(),
                                         *saldo);
        return true;
    } catch (const ErroBaseDados &erro) {
        MostraErro(erro);
        return false;
    }
}

// ---- the search frame ----

void Listagens::Mnu_Listagem2_Click() { AbreExtracto(TipoDeListagem::ExtractoSimples); }
void Listagens::Mnu_Listagem3_Click() { AbreExtracto(TipoDeListagem::ExtractoDetalhado); }

void Listagens::AbreExtracto(TipoDeListagem tipo)
{
    if (contexto().verificaContaSeleccionada && !contexto().verificaContaSeleccionada())
        return;
    TipoListagem = tipo;
    m_tipoPesquisa = tipo;
    Frm_Pesquisas->Txt_PesquisaNumero->setText(QString());
    Frm_Pesquisas->Txt_PesquisaDescricao->setText(QString());
    Frm_Pesquisas->Cmb_CategoriaConsulta->setEditText(QString());
    Frm_Pesquisas->Txt_PesquisaSituacao->setText(QString());
    AbrePesquisa();
    Frm_Pesquisas->Txt_PesquisaNumero->setFocus();
}

void Listagens::AbrePesquisa()
{
    Frm_Pesquisas->move(twips(1680), twips(1440));
    Frm_Pesquisas->show();
    Frm_Pesquisas->raise();
    Frm_Pesquisas->Label18->setText(QString());
    if (TipoListagem == TipoDeListagem::ExtractoSimples)
        Frm_Pesquisas->Label18->setText(
            QStringLiteral("Consulta de Movimentos  (extracto simples)"));
    else if (TipoListagem == TipoDeListagem::ExtractoDetalhado)
        Frm_Pesquisas->Label18->setText(
            QStringLiteral("Consulta de Movimentos  (extracto detalhado)"));
    PreencheCategoriasConsulta();
}

void Listagens::PreencheCategoriasConsulta()
{
    std::vector<Categoria> categorias;
    try {
        categorias = TabelaCategorias::todas(contexto().ligacao());
    } catch (const ErroBaseDados &erro) {
        MostraErro(erro);
        return;
    }
    if (categorias.empty())
        return; // the list keeps what the previous opening put in it
    QStringList nomes;
    for (const Categoria &c : categorias)
        if (!c.descricao.trimmed().isEmpty())
            nomes << c.descricao;
    Frm_Pesquisas->PreencheCategoriasConsulta(nomes);
}

bool Listagens::ExtractoPedido()
{
    if (TipoListagem == TipoDeListagem::ResumoContas)
        TipoListagem = m_tipoPesquisa;
    return TipoListagem == TipoDeListagem::ExtractoSimples
           || TipoListagem == TipoDeListagem::ExtractoDetalhado;
}

void Listagens::Cmd_Consultar_Click()
{
    if (!ExtractoPedido())
        return;
    {
        CursorEspera espera;
        if (!GravaGrelha())
            return;
    }
    if (TipoListagem == TipoDeListagem::ExtractoSimples)
        ImprimeExtractoSimples();
    else
        ImprimeExtractoDetalhado();
    // The frame stays open for the next listing.
}

void Listagens::Cmd_Exportar_Click()
{
    if (!ExtractoPedido())
        return;
    const QString proposta = QStringLiteral("Extracto-%1.xlsx")
                                 .arg(Relogio::hoje().toString(QStringLiteral("dd-MM-yyyy")));
    const auto destino = EscolheDestinoExportacao(contexto().janela, proposta);
    if (!destino)
        return; // closed without a choice: nothing written, nothing said
    const int registos = ExportaExtracto(destino->caminho, destino->formato);
    if (registos < 0)
        return;
    MsgBox(QStringLiteral("O extracto foi exportado (%1 movimentos) para o ficheiro:\r%2")
               .arg(registos)
               .arg(QDir::toNativeSeparators(destino->caminho)));
}

int Listagens::ExportaExtracto(const QString &caminho, FormatoFolha formato)
{
    CursorEspera espera;
    if (!ExtractoPedido() || !GravaGrelha())
        return -1;
    if (TipoListagem == TipoDeListagem::ExtractoSimples)
        PreparaExtracto(TituloSimples, ModeloSimples);
    else
        PreparaExtracto(TituloDetalhado, ModeloDetalhado);
    int registos = 0;
    return CrystalReport1.exporta(caminho, formato, &registos) ? registos : -1;
}

void Listagens::Cmd_CancelaConsulta_Click()
{
    Frm_Pesquisas->hide();
}

// ---- the listings ----

void Listagens::Mnu_Listagem1_Click()
{
    TipoListagem = TipoDeListagem::ResumoContas;
    const QString geral = contexto().passwordGeral();
    if (!geral.trimmed().isEmpty()) {
        if (!Texto::mesmaPassword(Frm_Password::Pede(contexto().janela), geral)) {
            MsgBox(QStringLiteral("A password do supervisor incorrecta..."));
            return;
        }
    }
    ImprimeResumoContas();
}

void Listagens::PreparaMotor(const QString &titulo, const QString &modelo)
{
    CrystalReport1.Reset();
    CrystalReport1.Password = QLatin1Char('\n') + QString::fromLatin1(Esquema::Chave);
    CrystalReport1.WindowTitle = titulo;
    CrystalReport1.ReportFileName = ficheiroAplicacao(modelo);
    CrystalReport1.DataFiles[0] = ficheiroAplicacao(Esquema::NomeFicheiro);
}

void Listagens::ImprimeResumoContas()
{
    CursorEspera espera;
    if (!GravaGrelha(true))
        return;
    PreparaMotor(QStringLiteral(" (01) Resumo das contas existentes "),
                 QStringLiteral("01_Bancos.rpt"));
    // Every account is listed: no formulas, no selection.
    CrystalReport1.setAction(1);
}

void Listagens::ImprimeExtractoSimples()
{
    CursorEspera espera;
    PreparaExtracto(TituloSimples, ModeloSimples);
    CrystalReport1.setAction(1);
}

void Listagens::ImprimeExtractoDetalhado()
{
    CursorEspera espera;
    PreparaExtracto(TituloDetalhado, ModeloDetalhado);
    CrystalReport1.setAction(1);
}

void Listagens::PreparaExtracto(const QString &titulo, const QString &modelo)
{
    {
        MontaCabecalhoConta();
        const ::Frm_Pesquisas &f = *Frm_Pesquisas;
        CriteriosPesquisa c;
        c.numBanco = contexto().numBancoActual();
        c.numero = f.Txt_PesquisaNumero->text();
        c.categoria = f.Cmb_CategoriaConsulta->currentText();
        c.situacao = f.Txt_PesquisaSituacao->text();
        c.descricao = f.Txt_PesquisaDescricao->text();
        c.comDatas = f.Check2->isChecked();
        c.desde = f.DTPicker3->date();
        c.ate = f.DTPicker4->date();
        const QString nome = contexto().nomeDoBanco ? contexto().nomeDoBanco() : QString();

        PreparaMotor(titulo, modelo);
        CrystalReport1.Formulas[1] =
            TextosListagem::formulaTexto(QStringLiteral("TipoConsulta"),
                                         TextosListagem::textoSeleccao(c));
        CrystalReport1.Formulas[2] = TextosListagem::formulaTexto(
            QStringLiteral("Titulo"), QStringLiteral("Extracto da conta: ") + nome);
        CrystalReport1.Formulas[3] =
            TextosListagem::formulaTexto(QStringLiteral("Rodape"), CabecalhoConta);
        CrystalReport1.SelectionFormula = TextosListagem::formulaSeleccao(c);
    }
}

void Listagens::MontaCabecalhoConta()
{
    CabecalhoConta.clear();
    try {
        if (const auto conta = TabelaContas::le(contexto().ligacao(), contexto().numBancoActual()))
            CabecalhoConta = TextosListagem::cabecalhoConta(*conta);
    } catch (const ErroBaseDados &erro) {
        MostraErro(erro);
    }
}
