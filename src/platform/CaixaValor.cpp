#include "platform/CaixaValor.h"
#include "data/Dinheiro.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

const QString Permitidos = QStringLiteral("-0123456789,");

class FiltroValor final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *alvo, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto *tecla = static_cast<QKeyEvent *>(e);
        const QString texto = tecla->text();
        // Keys that carry no printable character (Escape, Backspace, Enter, arrows, Delete,
        // Ctrl shortcuts) are not typing and pass untouched.
        if (texto.isEmpty() || !texto.at(0).isPrint()
            || (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        auto *caixa = static_cast<QLineEdit *>(alvo);
        if (texto == QStringLiteral(".")) {
            caixa->insert(QStringLiteral(","));
            return true;
        }
        for (QChar c : texto)
            if (!Permitidos.contains(c))
                return true;
        return false;
    }
};

} // namespace

namespace CaixaValor {

void instalaFiltro(QLineEdit *caixa)
{
    caixa->installEventFilter(new FiltroValor(caixa));
}

std::optional<QString> reformata(const QString &texto)
{
    const auto valor = Dinheiro::interpreta(texto);
    if (!valor)
        return std::nullopt;
    return valor->formata();
}

} // namespace CaixaValor
