#pragma once
// A flat button that shows a glyph, one picture for the enabled state and one for the disabled
// state, and takes no focus.

#include <QToolButton>

#include <functional>

class TSpeedButton : public QToolButton {
    Q_OBJECT

public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    void SetGlyph(const QPixmap& enabled, const QPixmap& disabled);

    // Runs through RunHandler; Sender is this button.
    std::function<void(TSpeedButton* sender)> OnClick;

protected:
    void hideEvent(QHideEvent* event) override;
};
