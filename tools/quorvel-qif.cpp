// quorvel-qif PASTA conta5.qif [conta6.qif]: loads one or two QIF exports into importacao.mdb
// in the application folder PASTA (created or replaced), one line per row of banco5 and
// banco6, in file order. Lines are stored as they are (UTF-8 or Windows-1252 text, line ends
// removed); the program's import is where a line is judged.
#include "data/ErroBaseDados.h"
#include "import/BaseImportacao.h"
#include "import/ErroImportacao.h"
#include "import/LinhasQif.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2 || args.size() > 3 || args.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "uso: quorvel-qif PASTA conta5.qif [conta6.qif]\n");
        return 2;
    }
    if (!QFileInfo(args.at(0)).isDir()) {
        std::fprintf(stderr, "quorvel-qif: a pasta %s não existe\n", qPrintable(args.at(0)));
        return 2;
    }
    const QString destino = QDir(args.at(0)).filePath(BaseImportacao::NomeFicheiro);
    try {
        const QStringList linhas5 = LinhasQif::leFicheiro(args.at(1));
        const QStringList linhas6 =
            args.size() > 2 ? LinhasQif::leFicheiro(args.at(2)) : QStringList();
        BaseImportacao::cria(destino, linhas5, linhas6);
        std::printf("%s: %lld linhas em banco5, %lld em banco6.\n",
                    qPrintable(QDir::toNativeSeparators(destino)),
                    static_cast<long long>(linhas5.size()),
                    static_cast<long long>(linhas6.size()));
    } catch (const ErroImportacao &e) {
        std::fprintf(stderr, "quorvel-qif: %s\n", qPrintable(e.mensagem()));
        return 1;
    } catch (const ErroBaseDados &e) {
        std::fprintf(stderr, "quorvel-qif: %s\n", qPrintable(e.mensagem()));
        return 1;
    }
    return 0;
}
