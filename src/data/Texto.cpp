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

bool Texto::mesmaPassword(const QString &a, const QString &b)
{
    return a.normalized(QString::NormalizationForm_C)
               .compare(b.normalized(QString::NormalizationForm_C), Qt::CaseInsensitive)
           == 0;
}
