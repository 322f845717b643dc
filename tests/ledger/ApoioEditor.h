#pragma once
// Helpers of the movement editor's tests: opening the real editor over a loaded main window,
// typing non-ASCII text, and watching for the modal windows the editor opens by itself.
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "ledger/Frame2.h"
#include "ledger/Frm_Frame2.h"
#include "platform/EtiquetaClicavel.h"
#include "support/Dialogos.h"
#include "support/Teclado.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace ApoioEditor {

using ::escreve; // one key event per character, non-ASCII too

// Fills the frame as the main window does before opening the editor.
inline void preencheQuadro(Frm_bancos *janela, const QString &tipo, const QString &data,
                           const QString &valor = {}, const QString &categoria = {},
                           const QString &categoria1 = {})
{
    Frame2 *f = janela->Frame2;
    f->setCampo(0, QString());
    f->setCampo(1, data);
    f->setCampo(2, QString());
    f->setCampo(3, valor);
    f->setCampo(4, QString());
    f->Cmb_TipoMovimento->setEditText(tipo);
    f->Cmb_Categoria->setEditText(categoria);
    f->Cmb_Categoria1->setEditText(categoria1);
    f->Cmb_Situacao->setEditText(QString());
    f->Txt_BotaoFrame2->setText(QStringLiteral("2"));
}

// Opens the real editor modally for `modo`, as the ledger does, and runs `accao` on it once it
// is the active window. Should `accao` leave it open, it is cancelled so the test cannot hang.
inline void abreEditor(Frm_bancos *janela, ModoEdicao modo,
                       std::function<void(Frm_Frame2 *)> accao)
{
    aoAbrir<Frm_Frame2>([accao](Frm_Frame2 *d) {
        if (!d)
            return;
        QApplication::setActiveWindow(d);
        if (!QTest::qWaitForWindowActive(d))
            qWarning("window not active");
        accao(d);
        if (d->isVisible())
            d->reject();
    });
    Frm_Frame2 editor(janela, janela->Frame2, modo, Ligacao());
    editor.exec();
}

// The editor as opened for a new movement.
inline void abreEditor(Frm_bancos *janela, std::function<void(Frm_Frame2 *)> accao)
{
    abreEditor(janela, ModoEdicao::Criacao, std::move(accao));
}

// While it lives, every modal window of class T that opens is recorded and answered by
// `accao` (by default it is rejected), so a window that should not open cannot hang a test.
template <class T>
class Vigia
{
public:
    explicit Vigia(std::function<void(T *)> accao = {}) : m_accao(std::move(accao))
    {
        m_temporizador.setInterval(10);
        QObject::connect(&m_temporizador, &QTimer::timeout, [this] {
            auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!w || !w->isVisible() || w->property("vigiada").toBool())
                return;
            w->setProperty("vigiada", true);
            ++aberturas;
            // The offscreen platform gives activation back to no one when a modal window
            // closes; a window manager gives it back to the window underneath.
            QWidget *anterior = w->parentWidget() ? w->parentWidget()->window() : nullptr;
            QApplication::setActiveWindow(w);
            if (!QTest::qWaitForWindowActive(w))
                qWarning("window not active");
            if (m_accao)
                m_accao(w);
            if (w->isVisible())
                w->reject();
            if (anterior)
                QApplication::setActiveWindow(anterior);
        });
        m_temporizador.start();
    }

    int aberturas = 0;

private:
    std::function<void(T *)> m_accao;
    QTimer m_temporizador;
};

} // namespace ApoioEditor
