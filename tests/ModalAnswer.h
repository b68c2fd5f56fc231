#pragma once
// TModalAnswer answer(dialog, [&] { keys or clicks that close it }); made before what shows the dialog modally.
// A dialog the answer leaves open, or one that is not modal within seconds, is a failure and is closed.

#include "Form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>

class TModalAnswer {
public:
    // The answer runs once the dialog is the active modal window, made the active window so that
    // keys reach its shortcuts. A null dialog stands for the next modal window to open, whichever
    // it is (a dialog that Qt makes inside a call). An answer not yet given is withdrawn when the
    // object goes; Answered() tells whether it was given.
    TModalAnswer(QWidget* dialog, std::function<void()> answer)
        : m_dialog(dialog), m_answer(std::move(answer)), m_modalBefore(QApplication::activeModalWidget())
    {
        m_waited.start();
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }
    TModalAnswer(const TModalAnswer&) = delete;
    TModalAnswer& operator=(const TModalAnswer&) = delete;

    [[nodiscard]] bool Answered() const { return m_answered; }

private:
    // Long enough for any dialog that comes to have come, even under the sanitizers; short
    // enough that a dialog that never comes fails the test instead of hanging it.
    static constexpr qint64 PatienceMs = 10000;

    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        const bool arrived = m_dialog ? modal == m_dialog : modal && modal != m_modalBefore;
        if (!arrived) {
            if (m_waited.elapsed() < PatienceMs)
                return;
            m_timer.stop();
            ADD_FAILURE() << Name(m_dialog) << " did not become the modal window";
            if (modal)
                modal->close();
            return;
        }
        m_timer.stop();
        m_answered = true;
        const QPointer<QWidget> dialog = modal;
        QApplication::setActiveWindow(dialog);
        m_answer();
        if (dialog && LeftOpen(dialog)) {
            ADD_FAILURE() << Name(dialog) << " was left open";
            dialog->close();
        }
    }

    // A form ends its modal show by its modal result, and hides only once the show returns.
    static bool LeftOpen(const QWidget* dialog)
    {
        if (const auto* form = qobject_cast<const TForm*>(dialog))
            return form->ModalResult() == mrNone;
        return dialog->isVisible();
    }

    static std::string Name(const QWidget* dialog)
    {
        if (!dialog)
            return "the next modal window";
        if (!dialog->objectName().isEmpty())
            return dialog->objectName().toStdString();
        return dialog->metaObject()->className();
    }

    QWidget* m_dialog;
    std::function<void()> m_answer;
    QWidget* m_modalBefore;
    QElapsedTimer m_waited;
    QTimer m_timer;
    bool m_answered = false;
};
