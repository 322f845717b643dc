// Quorvel: a desktop ledger for the bank accounts of small Portuguese businesses.
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    AplicaAspecto();

    // Qt's own dialogs speak Portuguese: "Sim", "Não", the file and print dialogs.
    QTranslator traducaoQt;
    const QString pastaTraducoes = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (traducaoQt.load(QStringLiteral("qt_pt_PT"), pastaTraducoes)
        || traducaoQt.load(QStringLiteral("qtbase_pt_BR"), pastaTraducoes))
        QApplication::installTranslator(&traducaoQt);

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
