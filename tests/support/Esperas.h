#pragma once
// Waiting for what a test means, never for a while: the turn of the event loop that runs what an
// action posted, and the activation of a window with everything its handlers opened.
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QObject>
#include <QTest>
#include <QWidget>

// One turn of the event loop: what the action under test posted (queued calls, zero timers,
// deferred deletions) has run when this returns. For checks that something did NOT happen after
// an action the program completes before returning.
inline void umaVoltaDoCiclo()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Counts the activations of top-level windows from its creation on. A window's activation
// handlers run in the event loop, and may open modal windows there; espera() looks at the count
// only between turns of the loop, so when it returns those handlers have finished.
class Activacoes : public QObject
{
public:
    Activacoes() { QCoreApplication::instance()->installEventFilter(this); }
    ~Activacoes() override { QCoreApplication::instance()->removeEventFilter(this); }

    int de(const QWidget *janela) const { return m_vezes.value(janela); }

    // Until `janela` has been activated `vezes` times since this count began.
    [[nodiscard]] bool espera(const QWidget *janela, int vezes = 1, int limiteMs = 5000) const
    {
        return QTest::qWaitFor([&] { return de(janela) >= vezes; }, limiteMs);
    }

protected:
    bool eventFilter(QObject *objecto, QEvent *e) override
    {
        if (e->type() == QEvent::WindowActivate && objecto->isWidgetType()
            && static_cast<QWidget *>(objecto)->isWindow())
            ++m_vezes[objecto];
        return false;
    }

private:
    QHash<const QObject *, int> m_vezes;
};
