#pragma once
// Amount boxes (the movement's amount, a category's default amount): only the characters of a
// Portuguese amount may be typed, and the text is shown as "1.234,50" once the box is left.
#include <QString>
#include <optional>

class QLineEdit;

namespace CaixaValor {

// Lets through "-0123456789," only, turning a typed "." into ","; Escape, Backspace, Enter,
// cursor movement and shortcuts are left to the box and its window.
void instalaFiltro(QLineEdit *caixa);

// "###,##0.00" when the text reads as an amount (more than two decimals round half away from
// zero); otherwise nullopt, and the caller decides what happens to the text.
std::optional<QString> reformata(const QString &texto);

} // namespace CaixaValor
