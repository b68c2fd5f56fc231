#pragma once
// A panel: a plain container whose children are laid out by alignment, with an optional lowered
// bevel around them.

#include "AlignLayout.h"

#include <QFrame>

class TPanel : public QFrame {
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr);

    void SetLoweredBevel(bool on);
    // The colour of the panel's own background, behind its controls.
    void SetColor(const QColor& color);
    [[nodiscard]] TAlignLayout* Controls() const { return m_layout; }

private:
    TAlignLayout* m_layout;
};
