#pragma once
// Lays a listing out with QPainter on any paged device (a PDF file, a printer, the preview):
// heading lines and column headers at the top of every page, one line per record, the totals
// and the final balance after the last record, the footer lines and "Página n de m" at the foot
// of every page. Amounts are summed in cents; annulled movements are listed but summed on a line
// of their own (QuadroListagem).
#include <QHash>
#include <QString>

#include "reports/ModeloRelatorio.h"
#include "reports/SeleccaoDados.h"

class QPagedPaintDevice;

struct Listagem {
    ModeloRelatorio modelo;
    DadosRelatorio dados;
    QHash<QString, QString> formulas; // by name, as the engine received them
    QString titulo;                   // the document title (the preview window's title)

    // A template line with its {@Nome} fields filled; an unknown formula reads as "".
    QString preencheLinha(const QString &linha) const;
    // The page set-up the template asks for.
    QPageLayout paginaPedida() const;
    // Draws every page on the device (already set up with paginaPedida()). Returns the number
    // of pages; false painting (a device that cannot be painted) gives 0.
    int desenha(QPagedPaintDevice &dispositivo) const;
};
