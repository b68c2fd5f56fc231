#pragma once
// A speed button: a button that takes no focus, with a glyph beside its caption. The glyph comes
// as two images, one for the enabled button and its greyed form for the disabled one.

#include <QToolButton>

#include <functional>

class TSpeedButton : public QToolButton {
    Q_OBJECT

public:
    TSpeedButton(const QString& caption, QWidget* parent);

    void SetGlyph(const QPixmap& enabled, const QPixmap& disabled);

    // Runs through RunHandler.
    std::function<void(TSpeedButton* sender)> OnClick;
};
