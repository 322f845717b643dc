#pragma once
// Answering modal windows from a test: the action runs as soon as the next modal window is
// active (typing, clicking), while the code under test waits in its exec().
#include <QWidget>
#include <functional>

// Runs `accao` on the next modal window that opens (checked every 10 ms, for up to 5 s).
void aoAbrirModal(std::function<void(QWidget *)> accao);

// A convenience for windows typed by class: casts and runs.
template <class T>
void aoAbrir(std::function<void(T *)> accao)
{
    aoAbrirModal([accao](QWidget *w) { accao(qobject_cast<T *>(w)); });
}

// Types the text into the prompt's box and presses its "Validar" (the password prompt).
void respondePassword(const QString &texto);
