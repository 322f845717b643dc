#include "import/SubsistemaImportacao.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "import/BaseImportacao.h"
#include "import/ErroImportacao.h"
#include "import/ImportacaoQif.h"
#include "platform/CursorEspera.h"
#include "platform/Mensagens.h"

#include <QCoreApplication>

SubsistemaImportacao::SubsistemaImportacao(const ContextoJanela &contexto, QObject *pai)
    : Subsistema(contexto, pai)
{
}

void SubsistemaImportacao::Lbl_TituloModulo_DblClick()
{
    const auto avisa = [](const QString &texto) {
        MsgBox(texto, QMessageBox::Ok, Icone::Exclamacao, QStringLiteral("AVISO"));
    };
    // The side database and both its tables are read before anything is asked or changed.
    QStringList linhas5, linhas6;
    try {
        auto lateral = BaseImportacao::AbreLigacaoImportacao(PastaAplicacao());
        linhas5 = BaseImportacao::le(*lateral, 5);
        linhas6 = BaseImportacao::le(*lateral, 6);
    } catch (const ErroImportacao &erro) {
        avisa(erro.mensagem() + QStringLiteral("\r\rNada foi alterado."));
        return;
    } catch (const ErroBaseDados &erro) {
        avisa(QStringLiteral("Não foi possível ler a base de dados de importação (%1):\r%2"
                             "\r\rNada foi alterado.")
                  .arg(BaseImportacao::NomeFicheiro, erro.mensagem()));
        return;
    }
    if (linhas5.isEmpty()) {
        avisa(ImportacaoQif::avisoBanco5Vazio());
        return;
    }
    if (linhas6.isEmpty())
        MsgBox(QStringLiteral("A tabela banco6 da base de importação não tem linhas: só a conta "
                              "5 será importada, e a conta 6 fica como está."),
               QMessageBox::Ok, Icone::Informacao);
    if (MsgBox(QStringLiteral("\r\nDeseja mesmo Importar dados?"),
               QMessageBox::Yes | QMessageBox::No, Icone::Nenhum,
               QStringLiteral("Importação do msmoney para o local do banco 5"))
        != QMessageBox::Yes)
        return;
    MsgBox(QStringLiteral("Espere até o programa sair..."));

    try {
        CursorEspera espera;
        ImportacaoQif::importa(contexto().ligacao(), linhas5, linhas6);
    } catch (const ErroImportacao &erro) {
        avisa(erro.mensagem());
        return;
    } catch (const ErroBaseDados &erro) {
        avisa(QStringLiteral("Ocorreu um erro ao trabalhar com a base de dados:\r%1\r\r"
                             "As contas 5 e 6 ficaram como estavam.")
                  .arg(erro.mensagem()));
        return;
    }
    // The accounts' menu and an open grid now describe what is gone: the run ends, as the user
    // was told, and the next start shows the imported accounts.
    contexto().fechaLigacao();
    QCoreApplication::exit(0);
}
