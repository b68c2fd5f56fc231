#pragma once
// Answers a dialog's next modal show from inside it: the answer (typing, keys, button clicks)
// runs once the dialog is the active modal window, and must close it.

#include "Form.h"

#include <QApplication>
#include <QTimer>

#include <functional>
#include <memory>

// True once the answer has run.
using TAnswered = std::shared_ptr<bool>;

inline TAnswered AnswerModal(TForm* dialog, std::function<void()> answer)
{
    auto answered = std::make_shared<bool>(false);
    auto* timer = new QTimer(dialog);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, dialog, [=] {
        if (QApplication::activeModalWidget() != dialog)
            return;
        timer->stop();
        timer->deleteLater();
        *answered = true;
        answer();
    });
    timer->start();
    return answered;
}
