#pragma once
// Typing any text as a user would, one key event per character: QTest::keyClicks only handles
// ASCII, and Portuguese names are not ASCII.
#include <QTest>
#include <QWidget>

inline void escreve(QWidget *w, const QString &texto)
{
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
