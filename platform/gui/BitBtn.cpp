#include "BitBtn.h"

#include "Form.h"
#include "Messages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>

namespace {

constexpr int GlyphSize = 16;

QPixmap KindGlyph(TBitBtnKind kind)
{
    QPixmap glyph(GlyphSize, GlyphSize);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    if (kind == TBitBtnKind::Ok) {
        painter.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath check;
        check.moveTo(3, 8.5);
        check.lineTo(6.5, 12);
        check.lineTo(13, 4);
        painter.drawPath(check);
    } else {
        painter.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 4), QPointF(12, 12));
        painter.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    return glyph;
}

} // namespace

TBitBtn::TBitBtn(const QString& caption, TBitBtnKind kind, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    if (kind != TBitBtnKind::Custom)
        setIcon(QIcon(KindGlyph(kind)));
    if (kind == TBitBtnKind::Ok)
        m_modalResult = mrOk;
    else if (kind == TBitBtnKind::Cancel)
        m_modalResult = mrCancel;
    connect(this, &QPushButton::clicked, this, &TBitBtn::Click);
}

void TBitBtn::SetDefaultButton()
{
    AddKey(Qt::Key_Return);
    AddKey(Qt::Key_Enter);
}

void TBitBtn::SetCancelButton()
{
    AddKey(Qt::Key_Escape);
}

void TBitBtn::AddKey(Qt::Key key)
{
    auto* shortcut = new QShortcut(QKeySequence(key), window());
    shortcut->setContext(Qt::WindowShortcut);
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    connect(shortcut, &QShortcut::activated, this, [this, enter] {
        auto* focused = qobject_cast<TBitBtn*>(QApplication::focusWidget());
        TBitBtn* target = enter && focused && focused->window() == window() ? focused : this;
        if (target->isEnabled() && target->isVisible())
            target->click();
    });
}

void TBitBtn::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TBitBtn::Click()
{
    if (OnClick && !RunHandler([this] { OnClick(this); }))
        return;
    if (auto* form = qobject_cast<TForm*>(window()); form && m_modalResult != mrNone)
        form->SetModalResult(m_modalResult);
}
