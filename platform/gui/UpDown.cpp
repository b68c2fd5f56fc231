#include "UpDown.h"

#include "Messages.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), m_up(MakeArrow(this, Qt::UpArrow, "UpButton")),
      m_down(MakeArrow(this, Qt::DownArrow, "DownButton"))
{
    setFocusPolicy(Qt::NoFocus);
    connect(m_up, &QToolButton::clicked, this, [this] { Click(TUDBtnType::btNext); });
    connect(m_down, &QToolButton::clicked, this, [this] { Click(TUDBtnType::btPrev); });
}

void TUpDown::SetRange(int min, int max)
{
    m_min = min;
    m_max = std::max(min, max);
    SetPosition(m_position);
}

void TUpDown::SetPosition(int position)
{
    m_position = std::clamp(position, m_min, m_max);
    ShowPosition();
}

void TUpDown::SetAssociate(QLineEdit* edit)
{
    if (m_associate) {
        m_associate->removeEventFilter(this);
        disconnect(m_associate, nullptr, this, nullptr);
    }
    m_associate = edit;
    if (!edit)
        return;
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { TakeTypedNumber(text); });
    ShowPosition();
}

void TUpDown::Click(TUDBtnType button)
{
    const int step = button == TUDBtnType::btNext ? 1 : -1;
    int position = m_position + step;
    if (position > m_max)
        position = m_wrap ? m_min : m_max;
    else if (position < m_min)
        position = m_wrap ? m_max : m_min;
    SetPosition(position);
    if (OnClick)
        RunHandler([&] { OnClick(this, button); });
}

void TUpDown::resizeEvent(QResizeEvent*)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_associate && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Click(key == Qt::Key_Up ? TUDBtnType::btNext : TUDBtnType::btPrev);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::ShowPosition()
{
    if (m_associate)
        m_associate->setText(QString::number(m_position));
}

void TUpDown::TakeTypedNumber(const QString& text)
{
    // Text that is no whole number leaves the position as it was.
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (ok)
        m_position = std::clamp(number, m_min, m_max);
}
