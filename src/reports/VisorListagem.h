#pragma once
// The print preview of a listing: Qt's preview window with its print, page set-up and zoom
// buttons, plus "Guardar como PDF". It is not modal: the search frame stays usable and several
// listings can be open side by side; each window keeps its listing until it closes.
#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;
struct Listagem;

void MostraVisorListagem(std::shared_ptr<const Listagem> listagem, QWidget *pai);

// Any document drawn page by page, in the same preview (the charts print through it too). The
// functions keep what they draw alive for as long as the window is open.
struct DocumentoImpresso {
    QString titulo;           // the window's title and the proposed file name
    QString tituloGuardar;    // the title of the "Guardar como PDF" file dialog
    QPageLayout pagina;
    std::function<void(QPrinter &)> desenha;
    std::function<bool(const QString &)> escrevePdf; // false when the file cannot be written
};
void MostraVisorImpressao(DocumentoImpresso documento, QWidget *pai);
