#include "reports/VisorListagem.h"
#include "platform/Mensagens.h"
#include "reports/CrystalReport1.h"
#include "reports/PaginacaoRelatorio.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

void MostraVisorListagem(std::shared_ptr<const Listagem> l, QWidget *pai)
{
    DocumentoImpresso d;
    d.titulo = l->titulo;
    d.tituloGuardar = QStringLiteral("Guardar a listagem como PDF");
    d.pagina = l->paginaPedida();
    d.desenha = [l](QPrinter &p) { l->desenha(p); };
    d.escrevePdf = [l](const QString &caminho) { return CrystalReport1::escrevePdf(*l, caminho); };
    MostraVisorImpressao(std::move(d), pai);
}

void MostraVisorImpressao(DocumentoImpresso d, QWidget *pai)
{
    // The printer lives as long as its window.
    auto *impressora = new QPrinter(QPrinter::HighResolution);
    impressora->setPageLayout(d.pagina);
    impressora->setDocName(d.titulo.trimmed());
    auto *janela = new QPrintPreviewDialog(impressora, pai);
    QPrintPreviewDialog &visor = *janela;
    visor.setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(&visor, &QObject::destroyed, [impressora] { delete impressora; });
    visor.setObjectName(QStringLiteral("VisorListagem"));
    visor.setWindowTitle(d.titulo);
    visor.setWindowState(visor.windowState() | Qt::WindowMaximized);
    QObject::connect(&visor, &QPrintPreviewDialog::paintRequested, &visor,
                     [desenha = d.desenha](QPrinter *p) { desenha(*p); });
    if (auto *barra = visor.findChild<QToolBar *>()) {
        QAction *pdf = barra->addAction(QStringLiteral("Guardar como PDF"));
        pdf->setObjectName(QStringLiteral("GuardaPdf"));
        QObject::connect(pdf, &QAction::triggered, &visor, [d, &visor] {
            const QString caminho = QFileDialog::getSaveFileName(
                &visor, d.tituloGuardar,
                QDir::home().filePath(d.titulo.trimmed() + QStringLiteral(".pdf")),
                QStringLiteral("Documentos PDF (*.pdf)"));
            if (!caminho.isEmpty() && !d.escrevePdf(caminho))
                MsgBox(QStringLiteral("Não foi possível escrever o PDF em \"%1\".")
                           .arg(QDir::toNativeSeparators(caminho)),
                       QMessageBox::Ok, Icone::Exclamacao);
        });
    }
    visor.show();
}
