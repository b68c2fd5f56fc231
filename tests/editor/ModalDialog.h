#pragma once
// Acts on a dialog as a user does, once its modal show has begun: the steps type into it and
// press its keys or buttons. A dialog that the steps leave open is a failure, and is closed so
// that the test goes on.

#include "Form.h"
#include "TypeText.h"

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

