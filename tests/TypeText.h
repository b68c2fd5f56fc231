#pragma once
// Types text key by key: ASCII as QTest's key clicks, and a character beyond it (QTest's own
// clicks know only Latin-1) as a key that types it, as a keyboard layout that has it sends.

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QTest>
#include <QWidget>

inline void TypeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80) {
            QTest::keyClick(widget, static_cast<char>(text[i].unicode()));
            continue;
        }
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, width);
        i += width - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &release);
    }
}
