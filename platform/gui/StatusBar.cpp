#include "StatusBar.h"

#include "Runtime.h"

#include <QPainter>

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(BarHeight);
    setFocusPolicy(Qt::NoFocus);
}

void TStatusBar::SetPanelWidths(const std::vector<int>& widths)
{
    m_panels.clear();
    for (int width : widths)
        m_panels.push_back({width, {}});
    update();
}

const TStatusBar::Panel& TStatusBar::At(int index) const
{
    CheckRange(index, 0, PanelCount() - 1);
    return m_panels[index];
}

int TStatusBar::PanelWidth(int index) const
{
    return At(index).width;
}

const std::string& TStatusBar::PanelText(int index) const
{
    return At(index).text;
}

void TStatusBar::SetPanelText(int index, std::string text)
{
    CheckRange(index, 0, PanelCount() - 1);
    if (m_panels[index].text == text)
        return;
    m_panels[index].text = std::move(text);
    update();
}

QRect TStatusBar::PanelFrame(int index) const
{
    CheckRange(index, 0, PanelCount() - 1);
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += m_panels[i].width;
    const int right = index + 1 == PanelCount() ? width() - 1 : left + m_panels[index].width - 1;
    return {QPoint(left, 1), QPoint(right - 1, height() - 1)};
}

QRect TStatusBar::PanelTextRect(int index) const
{
    return PanelFrame(index).adjusted(3, 1, -2, -1);
}

void TStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QColor shadow = palette().color(QPalette::Mid);
    const QColor light = palette().color(QPalette::Light);
    for (int i = 0; i < PanelCount(); ++i) {
        const QRect frame = PanelFrame(i);
        painter.setPen(shadow);
        painter.drawLine(frame.topLeft(), frame.topRight());
        painter.drawLine(frame.topLeft(), frame.bottomLeft());
        painter.setPen(light);
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
        painter.drawLine(frame.topRight(), frame.bottomRight());
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect text = PanelTextRect(i);
        painter.setClipRect(text);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QString::fromStdString(m_panels[i].text));
        painter.setClipping(false);
    }
}
