// The end of the run: the rows still marked changed are written back and the open account is
// remembered. The program never closes silently over what it could not write: the user is told
// what was not saved and chooses to try again, to close without saving, or to stay open.
#include "ledger/Razao.h"
#include "app/ModuloArranque.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "platform/Mensagens.h"

namespace {

using TabelaMovimentos::AlteracaoMovimento;

constexpr size_t MovimentosListados = 5; // the rest is counted, not listed

QString descreve(const AlteracaoMovimento &l)
{
    QStringList partes;
    partes << (l.data ? Regional::formataData(*l.data) : QStringLiteral("sem data"));
    if (!l.descricao.trimmed().isEmpty())
        partes << l.descricao.trimmed();
    if (!l.debito.zero())
        partes << QStringLiteral("débito ") + l.debito.formata();
    if (!l.credito.zero())
        partes << QStringLiteral("crédito ") + l.credito.formata();
    if (l.numBanco == -1)
        partes << QStringLiteral("(apagado)");
    return QStringLiteral("   ") + partes.join(QStringLiteral("  "));
}

// What a failed write at the end leaves unsaved, in the user's words.
QString porGravar(const std::vector<AlteracaoMovimento> &linhas, bool linhasGravadas,
                  const QString &conta)
{
    if (linhasGravadas)
        return QStringLiteral("a posição e o saldo da conta «%1» (os movimentos foram "
                              "gravados).")
            .arg(conta);
    QString t = linhas.size() == 1
                    ? QStringLiteral("a alteração de 1 movimento da conta «%1»:").arg(conta)
                    : QStringLiteral("as alterações de %1 movimentos da conta «%2»:")
                          .arg(linhas.size())
                          .arg(conta);
    for (size_t i = 0; i < linhas.size() && i < MovimentosListados; ++i)
        t += QLatin1Char('\r') + descreve(linhas[i]);
    if (linhas.size() > MovimentosListados)
        t += QStringLiteral("\r   e mais %1.").arg(linhas.size() - MovimentosListados);
    return t;
}

} // namespace

bool Razao::FimExecucao()
{
    if (!LigacaoAberta())
        return true;
    return GravaAoFechar();
}

bool Razao::GravaAoFechar()
{
    if (!ContaAberta())
        return true; // no grid: nothing to write, no account to remember
    const std::vector<AlteracaoMovimento> linhas = LinhasPorGravar(false).linhas;
    for (;;) {
        bool linhasGravadas = false;
        try {
            // Writing rows already written changes nothing, so a retry starts over.
            TabelaMovimentos::actualiza(contexto().ligacao(), linhas);
            linhasGravadas = true;
            GuardaEstadoConta();
            return true;
        } catch (const ErroBaseDados &erro) {
            const auto resposta = MsgBox(
                QStringLiteral("Não foi possível gravar ao fechar o Quorvel:\r") + erro.mensagem()
                    + QStringLiteral("\r\rPor gravar: ")
                    + porGravar(linhas, linhasGravadas, m_vista.Lbl_NomeDoBanco->text().trimmed())
                    + QStringLiteral("\r\rSim: tentar de novo.\rNão: fechar sem gravar (o que "
                                     "ficou por gravar perde-se).\rCancelar: não fechar; o "
                                     "Quorvel continua aberto."),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Icone::Critico,
                QStringLiteral("AVISO"));
            if (resposta == QMessageBox::Yes)
                continue;
            // Any other way out of the box (Escape, its close box) keeps the program open.
            return resposta == QMessageBox::No;
        }
    }
}
