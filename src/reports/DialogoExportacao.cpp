#include "reports/DialogoExportacao.h"

#include <QDir>
#include <QFileDialog>

std::optional<DestinoExportacao> EscolheDestinoExportacao(QWidget *dono, const QString &proposta)
{
    const std::pair<FormatoFolha, QString> tipos[] = {
        {FormatoFolha::Xlsx, QStringLiteral("Livro do Excel (*.xlsx)")},
        {FormatoFolha::Ods, QStringLiteral("Folha de cálculo OpenDocument (*.ods)")},
        {FormatoFolha::Csv, QStringLiteral("Texto separado por ponto e vírgula (*.csv)")},
    };
    QStringList filtros;
    for (const auto &t : tipos)
        filtros << t.second;

    QFileDialog dialogo(dono, QStringLiteral("Exportar o extracto para uma folha de cálculo"));
    dialogo.setObjectName(QStringLiteral("DialogoExportacao"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilters(filtros);
    dialogo.setDirectory(QDir::home());
    dialogo.selectFile(proposta);
    // A name typed without extension gets the chosen type's before Qt asks about replacing a
    // file of that name.
    auto sufixo = [&](const QString &filtro) {
        const qsizetype i = filtros.indexOf(filtro);
        dialogo.setDefaultSuffix(ExportacaoExtracto::extensao(tipos[i < 0 ? 0 : i].first).mid(1));
    };
    sufixo(filtros.first());
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, sufixo);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return std::nullopt;

    DestinoExportacao d;
    d.caminho = dialogo.selectedFiles().first();
    if (const auto formato = ExportacaoExtracto::formatoDoNome(d.caminho)) {
        d.formato = *formato;
    } else {
        const qsizetype i = filtros.indexOf(dialogo.selectedNameFilter());
        d.formato = tipos[i < 0 ? 0 : i].first;
        d.caminho += ExportacaoExtracto::extensao(d.formato);
    }
    return d;
}
