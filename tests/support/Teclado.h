#pragma once
// Typing any text as a user would, one key event per character: QTest::keyClicks only handles
// ASCII, and Portuguese names are not ASCII.
#include <QTest>
#include <QWidget>

// A character outside the Basic Multilingual Plane (an emoji) is one key event with both halves
// of its surrogate pair, as a keyboard sends it; split, the box would drop each half.
inline void escreve(QWidget *w, const QString &texto)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.unicode() < 128) {
            QTest::keyClick(w, c.toLatin1());
            continue;
        }
        QString caracter(c);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate())
            caracter += texto.at(++i);
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, caracter, Qt::NoModifier);
    }
}
