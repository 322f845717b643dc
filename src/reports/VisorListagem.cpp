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
    // The printer lives as long as its window.
    auto *impressora = new QPrinter(QPrinter::HighResolution);
    impressora->setPageLayout(l->paginaPedida());
    impressora->setDocName(l->titulo.trimmed());
    auto *janela = new QPrintPreviewDialog(impressora, pai);
    QPrintPreviewDialog &visor = *janela;
    visor.setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(&visor, &QObject::destroyed, [impressora] { delete impressora; });
    visor.setObjectName(QStringLiteral("VisorListagem"));
    visor.setWindowTitle(l->titulo);
    visor.setWindowState(visor.windowState() | Qt::WindowMaximized);
    QObject::connect(&visor, &QPrintPreviewDialog::paintRequested, &visor,
                     [l](QPrinter *p) { l->desenha(*p); });
    if (auto *barra = visor.findChild<QToolBar *>()) {
        QAction *pdf = barra->addAction(QStringLiteral("Guardar como PDF"));
        pdf->setObjectName(QStringLiteral("GuardaPdf"));
        QObject::connect(pdf, &QAction::triggered, &visor, [l, &visor] {
            const Listagem &listagem = *l;
            const QString caminho = QFileDialog::getSaveFileName(
                &visor, QStringLiteral("Guardar a listagem como PDF"),
                QDir::home().filePath(listagem.titulo.trimmed() + QStringLiteral(".pdf")),
                QStringLiteral("Documentos PDF (*.pdf)"));
            if (!caminho.isEmpty() && !CrystalReport1::escrevePdf(listagem, caminho))
                MsgBox(QStringLiteral("Não foi possível escrever a listagem em \"%1\".")
                           .arg(QDir::toNativeSeparators(caminho)),
                       QMessageBox::Ok, Icone::Exclamacao);
        });
    }
    visor.show();
}
