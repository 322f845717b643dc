#pragma once
// The save dialog of "Exportar...": where the extract goes and in which format. The format is
// the one the name's extension says (.xlsx, .ods, .csv, any case); a name without one of them
// gets the extension of the chosen file type.
#include <QString>
#include <optional>

#include "reports/ExportacaoExtracto.h"

class QWidget;

struct DestinoExportacao {
    QString caminho;
    FormatoFolha formato = FormatoFolha::Xlsx;
};

// nullopt when the dialog was closed without a choice. `proposta`: the name first shown.
std::optional<DestinoExportacao> EscolheDestinoExportacao(QWidget *dono, const QString &proposta);
