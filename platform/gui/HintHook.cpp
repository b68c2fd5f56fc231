#include "HintHook.h"

#include "Messages.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// Where a hint stands when the hook leaves its position: below the mouse pointer.
constexpr QPoint BelowTheMouse(0, 20);

int& HidePause()
{
    static int pause = 2500;
    return pause;
}

const QWidget* ClientOf(const QWidget* control)
{
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(control))
        return area->viewport();
    return control;
}

// The control a tooltip event is for: a scroll area's viewport stands for the scroll area.
QWidget* ControlOf(QWidget* receiver)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(receiver->parentWidget());
    return area && area->viewport() == receiver ? area : receiver;
}

// Keeps the hint whole on the screen it stands on.
QPoint OnScreen(QPoint pos, QSize size)
{
    const QScreen* screen = QGuiApplication::screenAt(pos);
    if (!screen)
        return pos;
    const QRect area = screen->availableGeometry();
    pos.setX(std::max(std::min(pos.x(), area.right() + 1 - size.width()), area.left()));
    pos.setY(std::max(std::min(pos.y(), area.bottom() + 1 - size.height()), area.top()));
    return pos;
}

class THintController : public QObject {
public:
    explicit THintController(QObject* parent) : QObject(parent)
    {
        m_hideTimer.setSingleShot(true);
        connect(&m_hideTimer, &QTimer::timeout, this, [this] {
            if (m_label)
                m_label->hide();
        });
    }

    TShowHintHook Hook;

    [[nodiscard]] QWidget* Shown() const { return m_label && m_label->isVisible() ? m_label.data() : nullptr; }

    // Hides the hint and forgets the control it was for, so that the next rest asks anew.
    void TakeDown()
    {
        m_hideTimer.stop();
        if (m_label)
            m_label->hide();
        m_control = nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip && watched->isWidgetType())
            return ToolTip(static_cast<QWidget*>(watched), static_cast<QHelpEvent*>(event));
        if (m_control)
            WatchForLeave(watched, event);
        return false;
    }

private:
    bool ToolTip(QWidget* receiver, QHelpEvent* help)
    {
        QWidget* control = ControlOf(receiver);
        const QPoint cursor = ClientOf(control)->mapFromGlobal(help->globalPos());
        if (control == m_control && m_cursorRect.contains(cursor)) {
            help->accept();
            return true;
        }
        TakeDown();
        QString text = control->toolTip();
        bool canShow = true;
        THintInfo info{control, cursor, help->globalPos() + BelowTheMouse, ClientOf(control)->rect()};
        RunHandler([&] { Hook(text, canShow, info); });
        if (!canShow || text.isEmpty()) {
            // A scroll area's viewport has no hint of its own to fall back on; any other
            // control passes the question on to its parent.
            help->setAccepted(control != receiver);
            return control != receiver;
        }
        Show(control, text, info);
        help->accept();
        return true;
    }

    void Show(QWidget* control, const QString& text, const THintInfo& info)
    {
        if (!m_label || m_label->parentWidget() != control->window()) {
            delete m_label;
            m_label = new QLabel(control->window(), Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
            m_label->setObjectName(QStringLiteral("HintWindow"));
            m_label->setTextFormat(Qt::PlainText);
            m_label->setForegroundRole(QPalette::ToolTipText);
            m_label->setBackgroundRole(QPalette::ToolTipBase);
            m_label->setAutoFillBackground(true);
            m_label->setFrameStyle(QFrame::Box | QFrame::Plain);
            m_label->setMargin(2);
        }
        m_label->setText(QString(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
        m_label->adjustSize();
        m_label->move(OnScreen(info.HintPos, m_label->size()));
        m_label->show();
        m_label->raise();
        m_control = control;
        m_cursorRect = info.CursorRect;
        m_hideTimer.start(HidePause());
    }

    void WatchForLeave(QObject* watched, QEvent* event)
    {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const QPointF global = static_cast<QMouseEvent*>(event)->globalPosition();
            if (!m_cursorRect.contains(ClientOf(m_control)->mapFromGlobal(global.toPoint())))
                TakeDown();
            break;
        }
        case QEvent::Leave:
            if (watched == ClientOf(m_control))
                TakeDown();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::WindowDeactivate:
            TakeDown();
            break;
        default:
            break;
        }
    }

    QPointer<QWidget> m_control;
    QRect m_cursorRect;
    QPointer<QLabel> m_label;
    QTimer m_hideTimer;
};

QPointer<THintController>& Controller()
{
    static QPointer<THintController> controller;
    return controller;
}

} // namespace

void SetShowHintHook(TShowHintHook hook)
{
    QPointer<THintController>& controller = Controller();
    if (!hook) {
        if (controller) {
            controller->TakeDown();
            delete controller;
        }
        return;
    }
    if (!controller) {
        controller = new THintController(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(controller);
    }
    controller->Hook = std::move(hook);
}

void SetHintHidePause(int milliseconds)
{
    HidePause() = milliseconds;
}

int HintHidePause()
{
    return HidePause();
}

QWidget* ShownHint()
{
    return Controller() ? Controller()->Shown() : nullptr;
}

QString HintText(const QWidget* hint)
{
    const auto* label = qobject_cast<const QLabel*>(hint);
    return label ? label->text() : QString();
}

QPoint ClientToScreen(const QWidget* control, QPoint point)
{
    return ClientOf(control)->mapToGlobal(point);
}
