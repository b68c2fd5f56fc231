#pragma once
// The platform's font dialog with a choice of the text colour beside it.

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

class TFontChoiceDialog : public QDialog {
    Q_OBJECT

public:
    TFontChoiceDialog(const QFont& font, const QColor& textColor, QWidget* parent = nullptr);

    [[nodiscard]] QFont ChosenFont() const;
    [[nodiscard]] QColor ChosenColor() const { return m_color; }

private:
    void ShowColor();

    QFontDialog* m_fonts;
    QPushButton* m_colorButton;
    QColor m_color;
};
