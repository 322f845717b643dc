#include "BenchBackup.h"
#include "Medicao.h"
#include "app/ModuloArranque.h"
#include "backup/CopiaSeguranca.h"
#include "data/BaseDados.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int Vezes = 5;
}

void medeBackup(int movimentos)
{
    BaseDados &bd = Ligacao();
    QTemporaryDir destino;
    const QString copia = destino.filePath(QStringLiteral("copia.MDB"));
    const auto apaga = [&] { QFile::remove(copia); };

    bool falhou = false;
    const double backup = medianaMs(
        Vezes, [&] { falhou |= !CopiaSeguranca(bd).copia(copia); }, apaga);
    const double ficheiro = medianaMs(
        Vezes, [&] { falhou |= !QFile::copy(bd.caminho(), copia); }, apaga);
    if (falhou) {
        std::printf("a cópia de segurança falhou\n");
        return;
    }
    const double mb = double(QFileInfo(bd.caminho()).size()) / (1024.0 * 1024.0);
    std::printf("%-38s %12d %12.1f %14.1f\n", "backup (cópia verificada, ficheiro MB)",
                movimentos, backup, mb);
    std::printf("%-38s %12d %12.1f %14s\n", "cópia simples do mesmo ficheiro", movimentos,
                ficheiro, "");
    std::printf("%-38s %12s %12.1f\n", "razão backup / cópia simples", "", backup / ficheiro);
    std::fflush(stdout);
}
