#include "data/Texto.h"

#include <QTextBoundaryFinder>

QString Texto::corta(const QString &texto, qsizetype n)
{
    if (n <= 0)
        return {};
    if (texto.size() <= n)
        return texto; // n code units hold at most n characters: nothing to cut
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, texto);
    qsizetype caracteres = 0;
    qsizetype fim = 0;
    while (caracteres < n) {
        const qsizetype seguinte = limites.toNextBoundary();
        if (seguinte < 0)
            break;
        fim = seguinte;
        ++caracteres;
    }
    return texto.left(fim);
}

namespace {

// Capitals are how passwords are stored, and a capital may take two letters ("ß" is "SS"): both
// sides are compared as their composed capitals.
QString emMaiusculas(const QString &password)
{
    return password.normalized(QString::NormalizationForm_C)
        .toUpper()
        .normalized(QString::NormalizationForm_C);
}

} // namespace

bool Texto::mesmaPassword(const QString &a, const QString &b)
{
    return emMaiusculas(a).compare(emMaiusculas(b), Qt::CaseInsensitive) == 0;
}
