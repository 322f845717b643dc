// The subsystems of the main window, built from its context and registered in the order their
// hooks run: the ledger first, the backup reminder before the tip of the day.
#include "admin/Administracao.h"
#include "app/AvisoErroBaseDados.h"
#include "app/Frm_bancos.h"
#include "conta/ContaAberta.h"
#include "app/ModuloArranque.h"
#include "backup/Backups.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "extras/Apresentacao.h"
#include "extras/Comunicacao.h"
#include "extractos/SubsistemaExtractos.h"
#include "graficos/Graficos.h"
#include "import/SubsistemaImportacao.h"
#include "ledger/Razao.h"
#include "platform/EtiquetaClicavel.h"
#include "reports/Listagens.h"

namespace {

VistaRazao vistaRazao(const Frm_bancos &j)
{
    VistaRazao v;
    v.Image1 = j.Image1;
    v.Lbl_NomeDoBanco = j.Lbl_NomeDoBanco;
    v.Label2 = j.Label2;
    v.Label1_10 = j.Label1_10;
    v.Txt_SaldoFinal = j.Txt_SaldoFinal;
    v.Label25_0 = j.Label25_0;
    v.Cmd_CriaNovaEntrada = j.Cmd_CriaNovaEntrada;
    v.Cmd_CriaNovaEntradaDebito = j.Cmd_CriaNovaEntradaDebito;
    v.Cmd_CriaNovaEntrada1 = j.Cmd_CriaNovaEntrada1;
    v.Mnu_NovaConta = j.Mnu_NovaConta;
    v.Mnu_Banco = j.Mnu_Banco;
    v.Mnu_GestBanco = j.Mnu_GestBanco;
    v.Mnu_Movimentos = j.Mnu_Movimentos;
    return v;
}

VistaAdministracao vistaAdministracao(const Frm_bancos &j)
{
    return {j.Lbl_NomeDoBanco, j.Mnu_Banco, j.Frm_GestaoBancos};
}

// A deleted account's rows must not be written back; the account menu is read again after any
// change to the accounts, a failure told here (a signal carries no exception back).
void ligaAdministracaoAoRazao(Administracao &administracao, Razao &razao)
{
    QObject::connect(&administracao, &Administracao::contaApagada, &razao, &Razao::EsqueceConta);
    QObject::connect(&administracao, &Administracao::contasMudaram, &razao, [&razao] {
        try {
            razao.CarregaMenuContas();
        } catch (const ErroBaseDados &erro) {
            MostraErroBaseDados(erro);
        }
    });
}

} // namespace

ContextoJanela Frm_bancos::Contexto()
{
    ContextoJanela c;
    c.janela = this;
    c.area = centralWidget();
    c.grelha = MSHFlexGrid1;
    c.frame2 = Frame2;
    c.numBanco = Txt_NumBanco;
    c.conta = m_conta;
    c.ligacao = []() -> BaseDados & { return Ligacao(); };
    c.fechaLigacao = [] { FechaLigacao(); };
    c.reabreLigacao = [] { AbreLigacao(QStringLiteral("Access")); };
    c.gravaTodasLinhas = [this] { m_razao->GravaTodasLinhas(); };
    c.saldoFinal = [this]() -> std::optional<Dinheiro> {
        return m_conta->aberta() ? std::optional(m_conta->saldoFinal()) : std::nullopt;
    };
    c.terminaPrograma = [this] { close(); }; // the ledger's end-of-run hook writes and remembers
    c.estadoInicial = [this] { EstadoInicial(); };
    c.recarregaBaseDados = [this] {
        m_razao->EsqueceConta();
        EstadoInicial();
        m_razao->CarregaMenuContas();
        m_razao->RestauraUltimaConta();
        m_administracao->LePasswordGeral();
    };
    c.verificaContaSeleccionada = [this] { return m_administracao->VerificaContaSeleccionada(); };
    c.nomeDoBanco = [this] { return Lbl_NomeDoBanco->text(); };
    c.passwordGeral = [this] { return m_administracao->PasswordGeral(); };
    c.contaAberta = [this] { return m_conta->aberta(); };
    c.recarregaMovimentos = [this] { m_razao->CarregaMovimentos(); };
    return c;
}

void Frm_bancos::RegistaSubsistemas()
{
    // One line per subsystem, in hook order:
    //   ledger, administration, listings, backups, extras (tip of the day), import, charts.
    m_razao = Regista(new Razao(Contexto(), vistaRazao(*this), this));
    m_administracao = Regista(new Administracao(Contexto(), vistaAdministracao(*this), this));
    ligaAdministracaoAoRazao(*m_administracao, *m_razao);
    Listagens *listagens =
        Regista(new Listagens(Contexto(), Mnu_Listagem1, Mnu_Listagem2, Mnu_Listagem3, this));
    Regista(new Backups(Contexto(), Mnu_Backups, Mnu_ReporBackup, this));
    Regista(new Comunicacao(Contexto(), Mnu_EnviarEmail, Mnu_Actualizacao, Mnu_MestreEnviaEmails,
                            Mnu_ConfigurarCorreio, this));
    Regista(new Apresentacao(Contexto(), {Mnu_FAQ, Mnu_UltimasAltercoes, Mnu_Manual,
                                          Mnu_DicasEntrada, Label3, GifView, Image1}, this));
    auto *importacao = Regista(new SubsistemaImportacao(Contexto(), this));
    connect(m_administracao, &Administracao::tituloCategoriasDuploClique, importacao,
            &SubsistemaImportacao::Lbl_TituloModulo_DblClick);
    Regista(new Graficos(Contexto(), Mnu_Graficos, *listagens, this));
    Regista(new SubsistemaExtractos(Contexto(), Mnu_ImportarExtracto, Mnu_AnularImportacao,
                                    this));
}
