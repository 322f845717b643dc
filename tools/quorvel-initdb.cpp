// quorvel-initdb [--demo] [--se-faltar] FILE: a new quorvel.mdb with the supplied rows,
// optionally with demonstration accounts. An existing file is never overwritten: it is an error,
// or, with --se-faltar (the build's own use), left as it is.
#include "data/ErroBaseDados.h"
#include "data/NovaBaseDados.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
    const bool seFaltar = args.removeAll(QStringLiteral("--se-faltar")) > 0;
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "uso: quorvel-initdb [--demo] [--se-faltar] FICHEIRO\n");
        return 2;
    }
    if (seFaltar && QFileInfo::exists(args.first()))
        return 0;
    try {
        NovaBaseDados::cria(args.first(), demo);
    } catch (const ErroBaseDados &e) {
        std::fprintf(stderr, "quorvel-initdb: %s\n", e.what());
        return 1;
    }
    std::printf("%s criado%s.\n", qPrintable(args.first()), demo ? " com dados de demonstração" : "");
    return 0;
}
