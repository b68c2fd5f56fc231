#include "CommonDialogs.h"

TFileDialog::TFileDialog(TKind kind, QObject* parent) : QObject(parent), m_kind(kind)
{
}

bool TFileDialog::Execute()
{
    std::string fileName = m_fileName;
    const bool accepted = m_kind == TKind::Open ? Platform().ExecuteOpenDialog(m_spec, fileName)
                                                : Platform().ExecuteSaveDialog(m_spec, fileName);
    if (accepted)
        m_fileName = std::move(fileName);
    return accepted;
}

TColorDialog::TColorDialog(QObject* parent) : QObject(parent), m_color(Qt::black)
{
}

bool TColorDialog::Execute()
{
    QColor color = m_color;
    if (!Platform().ExecuteColorDialog(color))
        return false;
    m_color = color;
    return true;
}

TFontDialog::TFontDialog(QObject* parent) : QObject(parent), m_color(Qt::black)
{
}

void TFontDialog::SetFont(const QFont& font, const QColor& color)
{
    m_font = font;
    m_color = color;
}

bool TFontDialog::Execute()
{
    QFont font = m_font;
    QColor color = m_color;
    if (!Platform().ExecuteFontDialog(font, color))
        return false;
    m_font = font;
    m_color = color;
    return true;
}
