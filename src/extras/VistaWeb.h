#pragma once
// The browser's page view, behind a small interface. Qt WebEngine is a large library: linked into
// the program it would be mapped at every start (tens of MB and a slower start for a window most
// runs never open). It lives instead in the module quorvel_web, loaded the first time the browser
// window opens. The interface is plain C++ (no Q_OBJECT), so the module needs nothing of
// Quorvel's own code.
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

class VistaWeb
{
public:
    virtual ~VistaWeb() = default;
    virtual QWidget *widget() = 0; // owned by its Qt parent; deleting the widget ends the view
    virtual void abre(const QUrl &endereco) = 0;
    virtual void recua() = 0;
    virtual void avanca() = 0;
    virtual void para() = 0;
    virtual void recarrega() = 0;
    virtual QString titulo() const = 0;
    virtual QUrl endereco() const = 0;

    std::function<void()> aoComecar;      // a page started loading
    std::function<void()> aoAcabar;       // it finished (or failed)
    std::function<void()> aoMudarTitulo;  // its title changed
    // A link or script that asks for a new window or tab opens its page in this view instead:
    // bank sites open their login that way.
    // A download asks `aoTransferir` for the file to write, given the name the site suggests;
    // "" (or no function) refuses it. `aoTransferido` tells how it ended: the file, whether it
    // was written whole, and the engine's reason when not.
    std::function<QString(const QString &nomeSugerido)> aoTransferir;
    std::function<void(const QString &ficheiro, bool completo, const QString &razao)>
        aoTransferido;
};

// The module's entry point: a new view inside `pai`.
extern "C" using CriaVistaWebFn = VistaWeb *(QWidget *pai);

// Loads quorvel_web (from QUORVEL_MODULOS, the executable's folder or ../lib/quorvel beside it)
// and makes a view; nullptr with the reason in `erro` when the module cannot be loaded.
VistaWeb *CriaVistaWeb(QWidget *pai, QString *erro);
