#include "Form.h"

#include "ActiveWindowReturn.h"
#include "ColorAndFont.h"
#include "Messages.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

TOwnerRect OwnerRectOf(const QWidget* window)
{
    // The outer rectangle, frame and title bar included, as a caller measures its window.
    const QRect outer = window->frameGeometry();
    return {outer.x(), outer.y(), outer.x() + outer.width(), outer.y() + outer.height()};
}

namespace {

constexpr const char* RecentringName = "TFrameRecentring";

void PlaceFrame(QWidget* window, TOwnerRect rect)
{
    if (rect.Left == 0 && rect.Top == 0 && rect.Right == 0 && rect.Bottom == 0) {
        const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        const QSize size = screen ? screen->size() : QSize();
        rect = {0, 0, size.width(), size.height()};
    }
    // The whole frame, title bar included, is centred: move() places the frame's corner.
    // Integer division truncates toward zero, as the placement rule wants.
    const QSize frame = window->frameGeometry().size();
    window->move(rect.Left + (rect.Right - rect.Left - frame.width()) / 2,
                 rect.Top + (rect.Bottom - rect.Top - frame.height()) / 2);
}

// A window that has never been shown has no frame yet, so it was centred by its client area;
// once the window manager frames it, the centring is made again with the frame. Only the frame's
// arrival counts, not a later change of the window's own size (the user's or the program's): the
// window then stays where it is.
class TFrameRecentring : public QObject {
public:
    TFrameRecentring(QWidget* window, TOwnerRect rect) : QObject(window), m_rect(rect), m_margins(FrameMargins(window))
    {
        setObjectName(QString::fromLatin1(RecentringName));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Hide:
            deleteLater();
            break;
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            if (FrameMargins(window) != m_margins) {
                m_margins = FrameMargins(window);
                PlaceFrame(window, m_rect);
                if (!m_margins.isNull())
                    deleteLater();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    static QSize FrameMargins(const QWidget* window) { return window->frameGeometry().size() - window->size(); }

    TOwnerRect m_rect;
    QSize m_margins;
};

} // namespace

void CentreInOwnerRect(QWidget* window, TOwnerRect rect)
{
    delete window->findChild<QObject*>(QString::fromLatin1(RecentringName), Qt::FindDirectChildrenOnly);
    PlaceFrame(window, rect);
    if (!window->isVisible())
        new TFrameRecentring(window, rect);
}

TFormCreation::~TFormCreation()
{
    if (!m_form)
        return;
    m_form->m_creation = nullptr;
    m_form->Created();
}

TForm::TForm(TFormCreation&& creation, QWidget* parent) : TForm(creation, parent)
{
}

TForm::TForm(TFormCreation& creation, QWidget* parent) : QWidget(parent, Qt::Window), m_creation(&creation)
{
    creation.m_form = this;
    // The system's close key. A window manager gives it to every window; without one a dialog
    // has no close box on screen, and one without a button of its own could not be closed.
    auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
}

TForm::~TForm()
{
    if (m_creation)
        m_creation->m_form = nullptr;
}

void TForm::Created()
{
    if (OnCreate)
        RunHandler([this] { OnCreate(this); });
}

int TForm::ShowModal()
{
    const TActiveWindowReturn activeWindowReturn;
    m_modalResult = mrNone;
    const Qt::WindowModality modality = windowModality();
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    m_modalLoop = &loop;
    show();
    if (m_modalResult == mrNone)
        loop.exec(QEventLoop::DialogExec);
    m_modalLoop = nullptr;
    hide();
    setWindowModality(modality);
    return m_modalResult;
}

void TForm::SetModalResult(int result)
{
    m_modalResult = result;
    if (result != mrNone && m_modalLoop)
        m_modalLoop->quit();
}

void TForm::SetToolWindow(bool staysOnTop)
{
    Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (staysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
}

void TForm::SetColor(const QColor& color)
{
    FillBackground(this, color);
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (OnShow && !event->spontaneous())
        RunHandler([this] { OnShow(this); });
}

void TForm::closeEvent(QCloseEvent* event)
{
    if (OnClose)
        RunHandler([this] { OnClose(this); });
    event->accept();
    if (m_modalLoop && m_modalResult == mrNone)
        SetModalResult(mrCancel);
}
