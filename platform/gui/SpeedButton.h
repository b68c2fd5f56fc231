#pragma once
// A speed button: a button with a picture that never takes the focus, so that the keys stay with
// the dialog's edit box. Its picture has a second, greyed form for the disabled state.

#include <QToolButton>

#include <functional>

class QPixmap;

class TSpeedButton : public QToolButton {
    Q_OBJECT

public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    void SetGlyph(const QPixmap& normal, const QPixmap& disabled);

    // Runs through RunHandler.
    std::function<void(TSpeedButton* sender)> OnClick;
};
