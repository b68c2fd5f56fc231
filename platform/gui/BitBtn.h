#pragma once
// A bitmap button: a push button with an image beside its caption and a modal result that it
// gives its form when clicked. Its kind brings the standard image and result: an OK button shows
// a check mark and gives OK, a Cancel button a cross and gives Cancel; a custom button has no
// image and gives what it is told. Enter clicks the button that has the focus, as Space does;
// where no button has it, the form's default button answers Enter. The form's cancel button
// answers Esc wherever the focus is.

#include <QPushButton>

#include <functional>

enum class TBitBtnKind { Custom, Ok, Cancel };

class TBitBtn : public QPushButton {
    Q_OBJECT

public:
    TBitBtn(const QString& caption, TBitBtnKind kind, QWidget* parent);

    [[nodiscard]] int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }
    // Enter in the form clicks the button, unless another button has the focus.
    void SetDefaultButton();
    // Esc in the form clicks the button.
    void SetCancelButton();

    // Runs through RunHandler before the modal result goes to the form.
    std::function<void(TBitBtn* sender)> OnClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Enter is SetDefaultButton's: the push button's own default answers only inside a QDialog.
    using QPushButton::setAutoDefault;
    using QPushButton::setDefault;

    void AddKey(Qt::Key key);
    void Click();

    int m_modalResult = 0;
};
