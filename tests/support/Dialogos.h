#pragma once
// Answering modal windows from a test: the action runs as soon as the next modal window is
// active (typing, clicking), while the code under test waits in its exec().
//
// The helper cannot let a test pass by accident: a window that never opens fails the test that
// waited for it (after 5 s, or at once when that test has already ended), and a failed check
// inside the action closes the window, and any window opened after it, so the test ends with
// its failure instead of hanging until CTest's time-out.
#include <QTest>
#include <QWidget>
#include <functional>

// Runs `accao` on the next modal window that opens (checked every 10 ms, for up to 5 s).
void aoAbrirModal(std::function<void(QWidget *)> accao);

// The same for a window of class T: another kind of window fails the test.
template <class T> void aoAbrir(std::function<void(T *)> accao)
{
    aoAbrirModal([accao](QWidget *w) {
        T *janela = qobject_cast<T *>(w);
        if (!janela) {
            QTest::qFail(qPrintable(QStringLiteral("abriu %1 em vez de %2")
                                        .arg(QString::fromLatin1(w->metaObject()->className()),
                                             QString::fromLatin1(T::staticMetaObject.className()))),
                         __FILE__, __LINE__);
            return;
        }
        accao(janela);
    });
}

// Types the text into the prompt's box and presses its "Validar" (the password prompt).
void respondePassword(const QString &texto);

// Closes every open modal window (a dialog is rejected), innermost first.
void fechaJanelasModais();
