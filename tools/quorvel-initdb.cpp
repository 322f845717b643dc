// quorvel-initdb [--demo] FILE: a new quorvel.mdb with the supplied rows, optionally with
// demonstration accounts. An existing file is never overwritten.
#include "data/ErroBaseDados.h"
#include "data/NovaBaseDados.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "uso: quorvel-initdb [--demo] FICHEIRO\n");
        return 2;
    }
    try {
        NovaBaseDados::cria(args.first(), demo);
    } catch (const ErroBaseDados &e) {
        std::fprintf(stderr, "quorvel-initdb: %s\n", e.what());
        return 1;
    }
    std::printf("%s criado%s.\n", qPrintable(args.first()), demo ? " com dados de demonstração" : "");
    return 0;
}
