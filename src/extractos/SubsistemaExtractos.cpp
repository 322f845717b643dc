#include "extractos/SubsistemaExtractos.h"
#include "app/AvisoErroBaseDados.h"
#include "app/Frm_Password.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "extractos/Frm_ColunasCsv.h"
#include "extractos/Frm_PrevisaoExtracto.h"
#include "extractos/LeitorExtracto.h"
#include "platform/CursorEspera.h"
#include "platform/FlexGrid.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString ChavePasta = QStringLiteral("Extractos/UltimaPasta");

void avisa(const QString &texto)
{
    MsgBox(texto, QMessageBox::Ok, Icone::Exclamacao, QStringLiteral("AVISO"));
}

} // namespace

SubsistemaExtractos::SubsistemaExtractos(const ContextoJanela &contexto, QAction *importar,
                                         QAction *anular, QObject *pai)
    : Subsistema(contexto, pai)
{
    setObjectName(QStringLiteral("SubsistemaExtractos"));
    connect(importar, &QAction::triggered, this, &SubsistemaExtractos::Mnu_ImportarExtracto_Click);
    connect(anular, &QAction::triggered, this, &SubsistemaExtractos::Mnu_AnularImportacao_Click);
}

bool SubsistemaExtractos::gravaGrelha()
{
    try {
        contexto().gravaTodasLinhas();
        return true;
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
        return false;
    }
}

void SubsistemaExtractos::recarregaGrelha(int numBanco)
{
    if (!contexto().contaAberta() || contexto().numBancoActual() != numBanco)
        return;
    FlexGrid *g = contexto().grelha;
    const int topo = g->TopRow();
    try {
        contexto().recarregaMovimentos();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
        return;
    }
    g->setTopRow(std::min(topo, std::max(g->Rows() - 1, FlexGrid::FixedRows)));
}

QString SubsistemaExtractos::escolheFicheiro()
{
    QSettings definicoes;
    QFileDialog dialogo(contexto().janela, QStringLiteral("Importar extracto bancário"),
                        definicoes.value(ChavePasta, QDir::homePath()).toString());
    dialogo.setObjectName(QStringLiteral("Dlg_AbreExtracto"));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setNameFilters({QStringLiteral("Extractos (*.ofx *.qfx *.xml *.csv *.txt *.xlsx "
                                           "*.sta *.mt940 *.940)"),
                            QStringLiteral("OFX (*.ofx *.qfx)"),
                            QStringLiteral("camt.053 / camt.052 (*.xml)"),
                            QStringLiteral("CSV (*.csv)"),
                            QStringLiteral("Texto e MT940 (*.txt *.sta *.mt940 *.940)"),
                            QStringLiteral("Excel (*.xlsx)"),
                            QStringLiteral("Todos os ficheiros (*)")});
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    const QString ficheiro = dialogo.selectedFiles().first();
    definicoes.setValue(ChavePasta, QFileInfo(ficheiro).absolutePath());
    return ficheiro;
}

bool SubsistemaExtractos::pedePassword(const Conta &conta)
{
    if (conta.password.trimmed().isEmpty()
        || (contexto().contaAberta() && contexto().numBancoActual() == conta.numBanco))
        return true; // the open account's password was given when it was opened
    const QString digitada = Frm_Password::Pede(contexto().janela);
    if (ImportacaoExtracto::passwordAbre(conta.password, digitada, contexto().passwordGeral()))
        return true;
    MsgBox(QStringLiteral("password incorrecta..."));
    return false;
}

std::optional<ImportacaoPreparada>
SubsistemaExtractos::preparaPara(int numBanco, const std::vector<Extracto> &extractos,
                                 const QString &nome, const QByteArray &bytes)
{
    try {
        const auto conta = TabelaContas::le(contexto().ligacao(), numBanco);
        if (!conta || !pedePassword(*conta))
            return std::nullopt;
        const CursorEspera ampulheta;
        return ImportacaoExtracto::prepara(contexto().ligacao(), numBanco, extractos, nome, bytes);
    } catch (const ImportacaoRecusada &r) {
        avisa(r.mensagem());
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
    return std::nullopt;
}

void SubsistemaExtractos::Mnu_ImportarExtracto_Click()
{
    if (!gravaGrelha())
        return;
    const QString caminho = escolheFicheiro();
    if (caminho.isEmpty())
        return;
    const QString nome = QFileInfo(caminho).fileName();
    QFile ficheiro(caminho);
    if (!ficheiro.open(QIODevice::ReadOnly)) {
        avisa(QStringLiteral("Não foi possível ler o ficheiro %1:\r%2\r\rNada foi importado.")
                  .arg(nome, ficheiro.errorString()));
        return;
    }
    const QByteArray bytes = ficheiro.readAll();
    ficheiro.close();

    std::vector<Extracto> extractos;
    std::vector<Conta> contas;
    try {
        // A table (CSV, text, spreadsheet) is read as the user maps its columns.
        std::optional<PresetCsv> colunas;
        const FormatoExtracto formato = reconheceFormato(bytes, nome);
        if (formato == FormatoExtracto::Csv || formato == FormatoExtracto::Xlsx) {
            colunas = Frm_ColunasCsv::Escolhe(contexto().janela, bytes, nome);
            if (!colunas)
                return;
        }
        const CursorEspera ampulheta;
        extractos = leExtracto(bytes, nome, colunas ? &*colunas : nullptr);
        contas = TabelaContas::todas(contexto().ligacao());
    } catch (const ErroExtracto &erro) {
        avisa(erro.mensagem() + QStringLiteral("\r\rNada foi importado."));
        return;
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
        return;
    }

    // The account the file names, else the open one, else the first with a name.
    int numBanco =
        extractos.empty() ? 0 : ImportacaoExtracto::contaDoIban(contas, extractos[0].iban);
    if (numBanco == 0 && contexto().contaAberta())
        numBanco = contexto().numBancoActual();
    for (const Conta &c : contas)
        if (numBanco == 0 && !c.banco.trimmed().isEmpty())
            numBanco = c.numBanco;
    if (numBanco == 0) {
        avisa(QStringLiteral("Não há nenhuma conta onde importar o extracto."));
        return;
    }
    auto preparada = preparaPara(numBanco, extractos, nome, bytes);
    if (!preparada)
        return;

    Frm_PrevisaoExtracto previsao(contexto().janela, contexto().ligacao(), std::move(*preparada),
                                  contas, [&](int n) {
                                      return preparaPara(n, extractos, nome, bytes);
                                  });
    if (previsao.exec() != QDialog::Accepted)
        return;
    const ImportacaoPreparada &final = previsao.preparada();
    ResultadoImportacao r;
    try {
        if (!gravaGrelha()) // the preview may have sat open a while; the grid goes first
            return;
        const CursorEspera ampulheta;
        r = ImportacaoExtracto::confirma(contexto().ligacao(), final);
    } catch (const ImportacaoRecusada &recusa) {
        avisa(recusa.mensagem());
        return;
    } catch (const ErroBaseDados &erro) {
        avisa(QStringLiteral("Não foi possível gravar a importação:\r%1\r\rNada foi importado.")
                  .arg(erro.mensagem()));
        return;
    }
    recarregaGrelha(final.plano.numBanco);
    if (r.numImportacao == 0) {
        MsgBox(QStringLiteral("Nada a importar: nenhuma linha do extracto %1 foi marcada como "
                              "nova ou conciliada.")
                   .arg(final.ficheiro));
        return;
    }
    MsgBox(QStringLiteral("Extracto %1 importado na conta \"%2\":\r%3 movimentos novos, %4 "
                          "conciliados, %5 já importados, %6 ignorados.")
               .arg(final.ficheiro, final.conta.banco.trimmed())
               .arg(r.novos)
               .arg(r.conciliados)
               .arg(r.jaImportados)
               .arg(r.ignorados));
}

void SubsistemaExtractos::Mnu_AnularImportacao_Click()
{
    if (!contexto().verificaContaSeleccionada())
        return;
    const int numBanco = contexto().numBancoActual();
    try {
        const auto ultima = RegistoImportacoes::ultima(contexto().ligacao(), numBanco);
        if (!ultima) {
            avisa(QStringLiteral("Esta conta não tem nenhuma importação de extracto por anular."));
            return;
        }
        if (MsgBox(QStringLiteral("Anular a importação do extracto %1 de %2?\r\r"
                                  "Os %3 movimentos novos que ela criou são apagados e os %4 "
                                  "que ela conciliou voltam à situação que tinham.")
                       .arg(ultima->ficheiro,
                            ultima->data.toString(QStringLiteral("dd-MM-yyyy hh:mm")))
                       .arg(ultima->novos)
                       .arg(ultima->conciliados),
                   QMessageBox::Yes | QMessageBox::No, Icone::Pergunta,
                   QStringLiteral("Anular última importação"))
            != QMessageBox::Yes)
            return;
        if (!gravaGrelha())
            return;
        ResultadoAnulacao r;
        {
            const CursorEspera ampulheta;
            r = ImportacaoExtracto::anulaUltima(contexto().ligacao(), numBanco);
        }
        recarregaGrelha(numBanco);
        MsgBox(QStringLiteral("Importação do extracto %1 anulada: %2 movimentos apagados, %3 "
                              "repostos.")
                   .arg(r.importacao.ficheiro)
                   .arg(r.removidos)
                   .arg(r.repostos));
    } catch (const ImportacaoRecusada &recusa) {
        avisa(recusa.mensagem());
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
}
