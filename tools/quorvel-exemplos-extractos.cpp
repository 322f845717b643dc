// quorvel-exemplos-extractos DEMO.mdb DIR: the sample statement files of the demo folder, one
// per format, for the demo account "Millennium - Empresa", drawn from the demo ledger DEMO.mdb
// (extractos/ExemplosExtractos.h says how). The build runs it after making the demo ledger.
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "extractos/ExemplosExtractos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

bool escreve(const QString &caminho, const QByteArray &dados)
{
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(dados) == dados.size() && f.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "uso: quorvel-exemplos-extractos DEMO.mdb PASTA\n");
        return 2;
    }
    try {
        auto bd = BaseDados::abre(args.at(0), Esquema::Chave);
        const auto ficheiros = ExemplosExtractos::ficheiros(*bd);
        QDir().mkpath(args.at(1));
        const QDir d(args.at(1));
        for (const auto &f : ficheiros)
            if (!escreve(d.filePath(f.nome), f.bytes)) {
                std::fprintf(stderr, "quorvel-exemplos-extractos: não foi possível escrever %s\n",
                             qPrintable(d.filePath(f.nome)));
                return 1;
            }
    } catch (const ErroBaseDados &e) {
        std::fprintf(stderr, "quorvel-exemplos-extractos: %s\n", e.what());
        return 1;
    }
    return 0;
}
