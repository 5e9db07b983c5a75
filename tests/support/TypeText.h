#pragma once

// Types text into a widget one key press per character, as a keyboard with
// any layout does. QTest::keyClicks takes only ASCII.

#include <QTest>

inline void TypeText(QWidget *widget, const QString &text)
{
    for (const char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                            Qt::NoModifier);
}
