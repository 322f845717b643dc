#pragma once
// The hourglass while a long piece of work runs (loading a large account, a write-back pass);
// the usual cursor comes back when the guard leaves scope, exceptions included.
#include <QCursor>
#include <QGuiApplication>

class CursorEspera
{
public:
    CursorEspera() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorEspera() { QGuiApplication::restoreOverrideCursor(); }
    CursorEspera(const CursorEspera &) = delete;
    CursorEspera &operator=(const CursorEspera &) = delete;
};
