// The module quorvel_web: the browser's page view over Qt WebEngine, loaded on first use.
#include "extras/VistaWeb.h"

#include <QFileInfo>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

class VistaWebEngine final : public VistaWeb
{
public:
    explicit VistaWebEngine(QWidget *pai) : m_vista(new QWebEngineView(pai))
    {
        QObject::connect(m_vista, &QWebEngineView::loadStarted, [this] { chama(aoComecar); });
        QObject::connect(m_vista, &QWebEngineView::loadFinished, [this] { chama(aoAcabar); });
        QObject::connect(m_vista, &QWebEngineView::titleChanged,
                         [this] { chama(aoMudarTitulo); });
        QWebEnginePage *pagina = m_vista->page();
        QObject::connect(pagina, &QWebEnginePage::newWindowRequested, m_vista,
                         [this](QWebEngineNewWindowRequest &pedido) {
                             if (pedido.requestedUrl().isValid())
                                 m_vista->setUrl(pedido.requestedUrl());
                         });
        // The profile is shared by every view of the run: only this view's downloads are ours.
        QObject::connect(pagina->profile(), &QWebEngineProfile::downloadRequested, m_vista,
                         [this](QWebEngineDownloadRequest *d) { transfere(d); });
        // The view owns this object: both end together.
        QObject::connect(m_vista, &QObject::destroyed, [this] { delete this; });
    }

    QWidget *widget() override { return m_vista; }
    void abre(const QUrl &endereco) override { m_vista->setUrl(endereco); }
    void recua() override { m_vista->back(); }
    void avanca() override { m_vista->forward(); }
    void para() override { m_vista->stop(); }
    void recarrega() override { m_vista->reload(); }
    QString titulo() const override { return m_vista->title(); }
    QUrl endereco() const override { return m_vista->url(); }

private:
    static void chama(const std::function<void()> &f)
    {
        if (f)
            f();
    }

    void transfere(QWebEngineDownloadRequest *d)
    {
        if (d->page() != m_vista->page())
            return;
        const QString caminho = aoTransferir ? aoTransferir(d->suggestedFileName()) : QString();
        if (caminho.isEmpty()) {
            d->cancel();
            return;
        }
        const QFileInfo destino(caminho);
        d->setDownloadDirectory(destino.absolutePath());
        d->setDownloadFileName(destino.fileName());
        QObject::connect(d, &QWebEngineDownloadRequest::isFinishedChanged, m_vista,
                         [this, d, caminho] {
                             if (!d->isFinished() || !aoTransferido)
                                 return;
                             const bool completo =
                                 d->state() == QWebEngineDownloadRequest::DownloadCompleted;
                             aoTransferido(caminho, completo,
                                           completo ? QString() : d->interruptReasonString());
                         });
        d->accept();
    }

    QWebEngineView *m_vista;
};

} // namespace

extern "C" Q_DECL_EXPORT VistaWeb *quorvel_criaVistaWeb(QWidget *pai)
{
    return new VistaWebEngine(pai);
}
