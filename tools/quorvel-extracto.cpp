// quorvel-extracto --pasta DIR --conta N FICHEIRO [--preset NOME] [--simular] [--password P]
// quorvel-extracto --pasta DIR --conta N --anular
// A bank statement into account N of the application folder DIR, as "Importar extracto
// bancário..." does it, without windows and without asking: every line decided as the preview
// proposes (matched, new, already in), then written in one transaction; the counts printed.
// --simular decides and prints, and writes nothing. --anular undoes the account's last import.
// Exit codes: 0 done; 1 the file or the undo refused (unreadable, damaged, another account or
// currency, a wrong or missing password); 2 bad command line; 3 database error; 4 the folder is
// in use by a running Quorvel.
#include "app/InstanciaUnica.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "data/EsquemaExtractos.h"
#include "data/Regional.h"
#include "data/TabelaContas.h"
#include "extractos/ImportacaoExtracto.h"
#include "extractos/LeitorExtracto.h"
#include "platform/Ficheiros.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

enum Saida { Ok = 0, Recusado = 1, LinhaComandos = 2, ErroBase = 3, PastaOcupada = 4 };

void diz(const QString &t) { std::fputs(qPrintable(t + QLatin1Char('\n')), stdout); }
int falha(int codigo, const QString &t)
{
    std::fputs(qPrintable(QStringLiteral("quorvel-extracto: ") + t + QLatin1Char('\n')), stderr);
    return codigo;
}

QString semRetornos(QString t) { return t.replace(QLatin1Char('\r'), QLatin1Char(' ')); }

void imprimePlano(const ImportacaoPreparada &p)
{
    const PlanoConciliacao &pl = p.plano;
    diz(QStringLiteral("Ficheiro: %1 (%2), %3 linhas, de %4 a %5")
            .arg(p.ficheiro, nomeFormato(p.extracto.formato))
            .arg(pl.linhas.size())
            .arg(Regional::formataData(pl.inicio), Regional::formataData(pl.fim)));
    diz(QStringLiteral("Conta %1: %2").arg(pl.numBanco).arg(p.conta.banco.trimmed()));
    for (const QString &a : p.avisos)
        diz(QStringLiteral("Aviso: ") + a);
    diz(QStringLiteral("Novos: %1").arg(pl.conta(DecisaoLinha::Novo)));
    diz(QStringLiteral("Conciliados: %1").arg(pl.conta(DecisaoLinha::Conciliado)));
    diz(QStringLiteral("Já importados: %1").arg(pl.conta(DecisaoLinha::JaImportado)));
    diz(QStringLiteral("No razão, não no extracto: %1").arg(pl.soNoRazao.size()));
    // The ledger's side is what the import leaves: the new lines counted in, and said so.
    const auto saldo = [](const char *qual, const ComparacaoSaldo &s) {
        diz(QStringLiteral("Saldo %1: extracto %2, razão %3, diferença %4 (%5%6)")
                .arg(QLatin1String(qual), s.extracto.formata(), s.razao.formata(),
                     s.diferenca().formata(), Regional::formataData(s.data),
                     s.novos == 0 ? QString()
                     : s.novos == 1 ? QStringLiteral(", com 1 novo")
                                    : QStringLiteral(", com %1 novos").arg(s.novos)));
    };
    if (pl.saldoInicial)
        saldo("inicial", *pl.saldoInicial);
    if (pl.saldoFinal)
        saldo("final", *pl.saldoFinal);
    if (pl.movimentosEmFalta)
        diz(QStringLiteral("Aviso: Movimentos em falta: o saldo inicial do extracto não continua "
                           "o saldo do razão."));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(
        QStringLiteral("Importa um extracto bancário (OFX, camt.053/052, MT940, CSV, xlsx) "
                       "numa conta do Quorvel."));
    const QCommandLineOption pasta(QStringLiteral("pasta"), QStringLiteral("pasta da aplicação"),
                                   QStringLiteral("PASTA"));
    const QCommandLineOption conta(QStringLiteral("conta"), QStringLiteral("conta 1 a 9"),
                                   QStringLiteral("N"));
    const QCommandLineOption preset(QStringLiteral("preset"),
                                    QStringLiteral("esquema de colunas CSV guardado ou de série"),
                                    QStringLiteral("NOME"));
    const QCommandLineOption simular(QStringLiteral("simular"),
                                     QStringLiteral("mostra o que faria, sem gravar nada"));
    const QCommandLineOption anular(QStringLiteral("anular"),
                                    QStringLiteral("anula a última importação da conta"));
    const QCommandLineOption password(
        QStringLiteral("password"),
        QStringLiteral("password da conta (ou a geral); também QUORVEL_PASSWORD"),
        QStringLiteral("P"));
    opcoes.addOptions({pasta, conta, preset, simular, anular, password});
    opcoes.addHelpOption();
    opcoes.addPositionalArgument(QStringLiteral("FICHEIRO"), QStringLiteral("o extracto"));
    if (!opcoes.parse(QCoreApplication::arguments()))
        return falha(LinhaComandos, opcoes.errorText());
    if (opcoes.isSet(QStringLiteral("help"))) {
        diz(opcoes.helpText());
        return Ok;
    }
    bool numero = false;
    const int n = opcoes.value(conta).toInt(&numero);
    const QStringList ficheiros = opcoes.positionalArguments();
    const bool aAnular = opcoes.isSet(anular);
    if (!opcoes.isSet(pasta) || !numero || n < 1 || n > Esquema::NumeroContas
        || ficheiros.size() != (aAnular ? 0 : 1))
        return falha(LinhaComandos,
                     QStringLiteral("uso: quorvel-extracto --pasta PASTA --conta N FICHEIRO "
                                    "[--preset NOME] [--simular] [--password P]\n"
                                    "     quorvel-extracto --pasta PASTA --conta N --anular"));
    const QString dir = opcoes.value(pasta);
    if (!QFileInfo(dir).isDir())
        return falha(LinhaComandos, QStringLiteral("a pasta %1 não existe").arg(dir));
    std::optional<PresetCsv> esquema;
    if (opcoes.isSet(preset)) {
        esquema = PresetsCsv::porNome(opcoes.value(preset));
        if (!esquema)
            return falha(LinhaComandos,
                         QStringLiteral("não há nenhum esquema de colunas chamado \"%1\"")
                             .arg(opcoes.value(preset)));
    }

    // The same lock as the program's: a running Quorvel would write its grid over the import.
    InstanciaUnica bloqueio(dir);
    if (bloqueio.adquire() == InstanciaUnica::Resultado::OutraAberta)
        return falha(PastaOcupada, semRetornos(InstanciaUnica::mensagemOutraAberta(dir)));

    std::unique_ptr<BaseDados> bd;
    try {
        const QString caminho = Ficheiros::encontra(dir, Esquema::NomeFicheiro);
        if (caminho.isEmpty())
            return falha(ErroBase, QStringLiteral("a pasta %1 não tem %2")
                                       .arg(dir, Esquema::NomeFicheiro));
        bd = BaseDados::abre(caminho, Esquema::Chave);
        if (Esquema::versao(*bd) == 0 || Esquema::versao(*bd) > Esquema::Versao)
            return falha(ErroBase, QStringLiteral("%1 não é uma base de dados desta versão do "
                                                  "Quorvel").arg(caminho));
        EsquemaExtractos::actualiza(*bd);

        const auto daConta = TabelaContas::le(*bd, n);
        if (!daConta || daConta->banco.trimmed().isEmpty())
            return falha(LinhaComandos, QStringLiteral("a conta %1 não existe").arg(n));
        if (!daConta->password.trimmed().isEmpty()) {
            QString dada = opcoes.value(password);
            if (!opcoes.isSet(password))
                dada = qEnvironmentVariable("QUORVEL_PASSWORD");
            const QString geral = bd->consulta(QStringLiteral("SELECT campo2 FROM Tabempresa "
                                                              "WHERE numempresa = 1"))
                                      .texto(QStringLiteral("campo2"));
            if (dada.isEmpty())
                return falha(Recusado, QStringLiteral("a conta %1 tem password: indique-a com "
                                                      "--password ou QUORVEL_PASSWORD").arg(n));
            if (!ImportacaoExtracto::passwordAbre(daConta->password, dada, geral))
                return falha(Recusado,
                             QStringLiteral("password incorrecta para a conta %1").arg(n));
        }

        if (aAnular) {
            const ResultadoAnulacao r = ImportacaoExtracto::anulaUltima(*bd, n);
            diz(QStringLiteral("Importação de %1 anulada: %2 movimentos apagados, %3 repostos.")
                    .arg(r.importacao.ficheiro)
                    .arg(r.removidos)
                    .arg(r.repostos));
            return Ok;
        }

        QFile f(ficheiros.first());
        if (!f.open(QIODevice::ReadOnly))
            return falha(Recusado, QStringLiteral("não foi possível ler %1: %2")
                                       .arg(ficheiros.first(), f.errorString()));
        const QByteArray bytes = f.readAll();
        const QString nome = QFileInfo(ficheiros.first()).fileName();
        const std::vector<Extracto> extractos =
            leExtracto(bytes, nome, esquema ? &*esquema : nullptr);
        const ImportacaoPreparada p = ImportacaoExtracto::prepara(*bd, n, extractos, nome, bytes);
        imprimePlano(p);
        if (opcoes.isSet(simular)) {
            diz(QStringLiteral("Simulação: nada foi gravado."));
            return Ok;
        }
        const ResultadoImportacao r = ImportacaoExtracto::confirma(*bd, p);
        diz(r.numImportacao ? QStringLiteral("Importação gravada.")
                            : QStringLiteral("Nada a importar."));
        return Ok;
    } catch (const ErroExtracto &e) {
        return falha(Recusado, e.mensagem() + QStringLiteral(" Nada foi importado."));
    } catch (const ImportacaoRecusada &e) {
        return falha(Recusado, semRetornos(e.mensagem()));
    } catch (const ErroBaseDados &e) {
        return falha(ErroBase, e.mensagem());
    }
}
