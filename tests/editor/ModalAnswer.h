#pragma once
// Answers a dialog's next modal show from inside it: the answer (typing, keys, button clicks)
// runs once the dialog is the active modal window, and must close it. An answer not yet given
// is withdrawn when the object goes.

#include "Form.h"

#include <QApplication>
#include <QTimer>

#include <functional>

class TModalAnswer {
public:
    TModalAnswer(TForm* dialog, std::function<void()> answer) : m_answer(std::move(answer))
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this, dialog] {
            if (QApplication::activeModalWidget() != dialog)
                return;
            m_timer.stop();
            m_answered = true;
            m_answer();
        });
        m_timer.start();
    }
    TModalAnswer(const TModalAnswer&) = delete;
    TModalAnswer& operator=(const TModalAnswer&) = delete;

    [[nodiscard]] bool Answered() const { return m_answered; }

private:
    std::function<void()> m_answer;
    QTimer m_timer;
    bool m_answered = false;
};
