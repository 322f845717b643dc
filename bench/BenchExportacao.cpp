#include "BenchExportacao.h"
#include "Medicao.h"
#include "app/Frm_bancos.h"
#include "reports/Listagens.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Vezes = 5;

} // namespace

void medeExportacao(Frm_bancos &janela, int movimentos)
{
    if (movimentos != 10000)
        return; // measured on the account of the listings' timings
    QTemporaryDir saida;
    janela.Mnu_Listagem2->trigger(); // the frame open on the simple extract, no criteria
    Listagens *listagens = nullptr;
    for (Subsistema *s : janela.Subsistemas())
        if (auto *l = qobject_cast<Listagens *>(s))
            listagens = l;
    const std::pair<FormatoFolha, const char *> formatos[] = {
        {FormatoFolha::Xlsx, "xlsx"}, {FormatoFolha::Ods, "ods"}, {FormatoFolha::Csv, "csv"}};
    for (const auto &[formato, nome] : formatos) {
        const QString caminho =
            QDir(saida.path()).filePath(QStringLiteral("extracto.") + QLatin1String(nome));
        qint64 bytes = 0;
        const double ms = medianaMs(Vezes, [&] {
            // A run counts only when every movement was written: a fault would time a message.
            if (listagens->ExportaExtracto(caminho, formato) != movimentos) {
                std::fprintf(stderr, "a exportação para %s falhou\n", qPrintable(caminho));
                std::exit(1);
            }
            bytes = QFileInfo(caminho).size();
        });
        char cenario[64];
        std::snprintf(cenario, sizeof cenario, "Exportar (extracto simples em %s)", nome);
        std::printf("%-38s %12d %12.1f %14.1f   %lld KB\n", cenario, movimentos, ms,
                    picoMemoriaMB(), static_cast<long long>(bytes / 1024));
    }
    std::fflush(stdout);
}
