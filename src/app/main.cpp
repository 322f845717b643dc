// Quorvel: a desktop ledger for the bank accounts of small Portuguese businesses.
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    AplicaAspecto();

    CarregaTraducoes();

    QCommandLineParser opcoes;
    opcoes.addHelpOption();
    opcoes.addOption({QStringLiteral("pasta"),
                      QStringLiteral("Pasta da aplicação (dados, imagens, modelos)."),
                      QStringLiteral("DIR")});
    opcoes.process(app);
    QString pasta = opcoes.value(QStringLiteral("pasta"));
    if (pasta.isEmpty())
        pasta = qEnvironmentVariable("QUORVEL_PASTA");
    definePastaAplicacao(pasta);

    Frm_bancos janela;
    if (const int estado = janela.Form_Load(); estado != 0)
        return estado;
    janela.show();
    return QApplication::exec();
}
