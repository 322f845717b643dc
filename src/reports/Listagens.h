#pragma once
// The searches and printed listings of the main window: the search frame and its buttons, the
// summary of all accounts (guarded by the supervisor password), the simple and detailed
// extracts of the open account, and the report engine that prints them. The menu entries
// "Bancos / saldos", "Extracto simples" and "Extracto detalhado" are wired here.
#include <QString>

#include "subsistemas/Subsistema.h"
#include "reports/CrystalReport1.h"

class Frm_Pesquisas;
class QAction;
class ErroBaseDados;

// Which listing "Consultar" prints.
enum class TipoDeListagem {
    Nenhuma = 0,
    ResumoContas = 1,
    ExtractoSimples = 2,
    ExtractoDetalhado = 3,
};

class Listagens : public Subsistema
{
    Q_OBJECT
public:
    Listagens(const ContextoJanela &contexto, QAction *mnuListagem1, QAction *mnuListagem2,
              QAction *mnuListagem3, QObject *pai = nullptr);

    void EstadoInicial() override;
    void CarregaIcones(const QString &pasta) override;

    void Mnu_Listagem1_Click();
    void Mnu_Listagem2_Click();
    void Mnu_Listagem3_Click();
    void AbrePesquisa();
    void PreencheCategoriasConsulta();
    void Cmd_Consultar_Click();
    void Cmd_Exportar_Click();
    void Cmd_CancelaConsulta_Click();
    // What "Exportar..." does once the file is chosen: the write-back, then the extract the
    // frame is open for, with its criteria, to the file. The number of movements written, or
    // -1 when nothing was (the user was told why).
    int ExportaExtracto(const QString &caminho, FormatoFolha formato);
    void ImprimeResumoContas();
    void ImprimeExtractoSimples();
    void ImprimeExtractoDetalhado();
    void MontaCabecalhoConta();

    TipoDeListagem TipoListagem = TipoDeListagem::Nenhuma;
    QString CabecalhoConta; // the open account's bank data in one line, for the footer
    ::Frm_Pesquisas *Frm_Pesquisas = nullptr;
    ::CrystalReport1 CrystalReport1;

private:
    void AbreExtracto(TipoDeListagem tipo);
    // The engine set for an extract: template, formulas and the selection of the frame.
    void PreparaExtracto(const QString &titulo, const QString &modelo);
    // "Consultar" and "Exportar..." on the extract the frame was opened for; false when none.
    bool ExtractoPedido();
    // The write-back before a listing, with the open account's balance in TabBancos when
    // `comSaldoDaConta`; false (told) on a database error, and then nothing was written.
    bool GravaGrelha(bool comSaldoDaConta = false);
    void PreparaMotor(const QString &titulo, const QString &modelo);
    void MostraErro(const ErroBaseDados &erro) const;
    bool m_datasIniciadas = false;
    // The extract the open frame was opened for: printing the summary in between (which sets
    // TipoListagem to 1) must not leave "Consultar" doing nothing.
    TipoDeListagem m_tipoPesquisa = TipoDeListagem::Nenhuma;
};
