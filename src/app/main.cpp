// Quorvel: a desktop ledger for the bank accounts of small Portuguese businesses.
#include "app/Frm_bancos.h"
#include "app/InstanciaUnica.h"
#include "app/ModuloArranque.h"
#include "app/OpcoesArranque.h"
#include "app/PastaDados.h"
#include "platform/Mensagens.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>
#include <cstdio>

namespace {

// QUORVEL_SAIR_APOS_ARRANQUE=1: the program prints its application folder, loads as usual, writes
// every message it would show on the standard error instead of waiting for a click, and ends its
// run normally as soon as the main window is up. Tests and packagers use it to check an installed
// copy from a script.
class MensagensConsola final : public Mensagens
{
public:
    QMessageBox::StandardButton mostra(QWidget *, const QString &texto,
                                       QMessageBox::StandardButtons botoes, Icone,
                                       const QString &titulo) override
    {
        QString linhas = texto;
        linhas.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        std::fprintf(stderr, "%s: %s\n", qPrintable(titulo), qPrintable(linhas));
        // The careful answer: nothing is confirmed on the user's behalf.
        for (auto b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
            if (botoes & b)
                return b;
        return QMessageBox::NoButton;
    }
};

QStringList argumentos(int argc, char *argv[])
{
    QStringList lista;
    for (int i = 0; i < argc; ++i)
        lista << QString::fromLocal8Bit(argv[i]);
    return lista;
}

} // namespace

int main(int argc, char *argv[])
{
    AjustaMemoria();
    if (const QString texto = TextoPedido(argumentos(argc, argv)); !texto.isEmpty()) {
        std::fputs(texto.toLocal8Bit().constData(), stdout);
        return 0;
    }

    // The browser's engine, loaded later from its module, shares OpenGL contexts with the
    // windows: this must be said before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));

    const OpcoesArranque opcoes = InterpretaOpcoes(QCoreApplication::arguments());
    if (!opcoes.erro.isEmpty()) {
        std::fprintf(stderr, "quorvel: %s\nUse quorvel --help para ver as opções.\n",
                     qPrintable(opcoes.erro));
        return 2;
    }
    AplicaAspecto();
    CarregaTraducoes();

    const bool automatico = !qEnvironmentVariableIsEmpty("QUORVEL_SAIR_APOS_ARRANQUE");
    MensagensConsola consola;
    if (automatico)
        instalaMensagens(&consola);

    const QString pastaExecutavel = QCoreApplication::applicationDirPath();
    const PastaEscolhida pasta = EscolhePasta(opcoes.pasta, qEnvironmentVariable("QUORVEL_PASTA"),
                                              pastaExecutavel, PastaDadosUtilizador());
    definePastaAplicacao(pasta.caminho);
    if (automatico)
        std::printf("pasta: %s\n", qPrintable(QDir::toNativeSeparators(pasta.caminho)));
    if (pasta.origem == OrigemPasta::Utilizador)
        QDir().mkpath(pasta.caminho); // the lock file lives there; failures are told below

    InstanciaUnica instancia(pasta.caminho);
    if (instancia.adquire() == InstanciaUnica::Resultado::OutraAberta) {
        MsgBox(InstanciaUnica::mensagemOutraAberta(pasta.caminho), QMessageBox::Ok,
               Icone::Exclamacao);
        return 4;
    }
    if (pasta.origem == OrigemPasta::Utilizador) {
        const QString erro =
            PreparaPastaUtilizador(pasta.caminho, PastaPartilhada(pastaExecutavel));
        if (!erro.isEmpty()) {
            MsgBox(QStringLiteral("Não foi possível preparar a pasta de dados do Quorvel:\r%1\r\r"
                                  "Causa: %2.")
                       .arg(QDir::toNativeSeparators(pasta.caminho), erro),
                   QMessageBox::Ok, Icone::Critico, QStringLiteral("AVISO"));
            return 1;
        }
    }

    Frm_bancos janela;
    if (const int estado = janela.Form_Load(); estado != 0)
        return estado;
    janela.show();
    if (automatico) {
        // The end of the run as the user's "Sair" gives it; quit() also leaves any dialog the
        // activation may have opened.
        QTimer::singleShot(0, &janela, [&janela] {
            janela.close();
            QCoreApplication::quit();
        });
    }
    return QApplication::exec();
}
