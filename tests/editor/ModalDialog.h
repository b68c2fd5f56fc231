#pragma once
// Acts on a dialog as a user does, once its modal show has begun: the steps type into it and
// press its keys or buttons. A dialog that the steps leave open is a failure, and is closed so
// that the test goes on.

#include "Form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

inline void WhenShown(TForm* dialog, std::function<void()> steps)
{
    QTimer::singleShot(0, dialog, [dialog, steps = std::move(steps)] {
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        steps();
        if (dialog->ModalResult() == mrNone) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->close();
        }
    });
}

// Types the text key by key; a character beyond ASCII comes as a key that types it, as a
// keyboard layout that has it sends.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, static_cast<char>(character.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}
