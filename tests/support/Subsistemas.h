#pragma once
// The main window's subsystem of a given class, for tests that check what it holds.
#include "app/Frm_bancos.h"

template <class T>
T *subsistemaDe(const Frm_bancos *janela)
{
    for (Subsistema *s : janela->Subsistemas())
        if (auto *encontrado = qobject_cast<T *>(s))
            return encontrado;
    return nullptr;
}
