#include "app/OpcoesArranque.h"

#include <QCommandLineParser>

#ifndef QUORVEL_VERSAO
#define QUORVEL_VERSAO "1.6"
#endif

namespace {

const QCommandLineOption opcaoPasta(QStringLiteral("pasta"), QString(), QStringLiteral("PASTA"));
const QCommandLineOption opcaoAjuda(QStringList{QStringLiteral("h"), QStringLiteral("help"),
                                                QStringLiteral("ajuda")});
const QCommandLineOption opcaoVersao(QStringList{QStringLiteral("v"), QStringLiteral("version"),
                                                 QStringLiteral("versao")});

} // namespace

OpcoesArranque InterpretaOpcoes(const QStringList &argumentos)
{
    QCommandLineParser leitor;
    leitor.addOptions({opcaoPasta, opcaoAjuda, opcaoVersao});
    OpcoesArranque opcoes;
    if (!leitor.parse(argumentos)) {
        const QStringList desconhecidas = leitor.unknownOptionNames();
        opcoes.erro = desconhecidas.isEmpty()
            ? QStringLiteral("falta a pasta depois de --pasta.")
            : QStringLiteral("opção desconhecida: ") + desconhecidas.first();
        return opcoes;
    }
    opcoes.pasta = leitor.value(opcaoPasta);
    if (leitor.isSet(opcaoPasta) && opcoes.pasta.isEmpty())
        opcoes.erro = QStringLiteral("falta a pasta depois de --pasta.");
    else if (!leitor.positionalArguments().isEmpty())
        opcoes.erro = QStringLiteral("argumento a mais: ") + leitor.positionalArguments().first();
    return opcoes;
}

QString TextoPedido(const QStringList &argumentos)
{
    auto pede = [&](const QCommandLineOption &opcao) {
        for (const QString &nome : opcao.names()) {
            const QString escrito =
                (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
            if (argumentos.mid(1).contains(escrito))
                return true;
        }
        return false;
    };
    if (pede(opcaoAjuda))
        return TextoAjuda();
    return pede(opcaoVersao) ? TextoVersao() : QString();
}

QString TextoVersao()
{
    return QStringLiteral("Quorvel %1\n").arg(QStringLiteral(QUORVEL_VERSAO));
}

QString TextoAjuda()
{
    // clang-format off
    return QStringLiteral(
        "Utilização: quorvel [--pasta PASTA]\n"
        "Quorvel: movimentos e saldos das contas bancárias de pequenas empresas.\n"
        "\n"
        "Opções:\n"
        "  --pasta PASTA     trabalha na pasta PASTA (base de dados quorvel.mdb, imagens,\n"
        "                    modelos das listagens)\n"
        "  -h, --help        mostra esta ajuda e termina\n"
        "  -v, --version     mostra a versão e termina\n"
        "\n"
        "Sem --pasta, a pasta é a da variável de ambiente QUORVEL_PASTA; sem ela, a pasta do\n"
        "executável quando tem o ficheiro quorvel.mdb; senão, a pasta de dados do utilizador\n"
        "(~/.local/share/Quorvel/Quorvel), criada na primeira utilização com uma base de\n"
        "dados nova e vazia.\n");
    // clang-format on
}
