#pragma once
// The base of the windows: create, show and close events run through RunHandler; a modal show
// returns the modal result that closed the form (the close box gives Cancel).

#include <QColor>
#include <QWidget>

#include <functional>

class QEventLoop;

enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

// A window's rectangle as a caller hands it to a dialog: Left, Top, Left + Width, Top + Height.
struct TOwnerRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

[[nodiscard]] TOwnerRect OwnerRectOf(const QWidget* window);
// Centres the window's frame, title bar included, in the rectangle, or on the screen when all
// four values are 0.
void CentreInOwnerRect(QWidget* window, TOwnerRect rect);

class TForm : public QWidget {
    Q_OBJECT

public:
    explicit TForm(QWidget* parent = nullptr);

    std::function<void(TForm* sender)> OnCreate;
    std::function<void(TForm* sender)> OnShow;
    std::function<void(TForm* sender)> OnClose;

    // Shows the form modally until a modal result is set or the form is closed.
    int ShowModal();
    [[nodiscard]] int ModalResult() const { return m_modalResult; }
    // A result other than mrNone ends a modal show.
    void SetModalResult(int result);

    // A dialog's frame: a tool window with a close box only, kept above the other windows when
    // asked.
    void SetToolWindow(bool staysOnTop);
    // The colour of the form's own background, behind its controls.
    void SetColor(const QColor& color);

protected:
    // Runs OnCreate; a form calls it once its components exist.
    void Created();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int m_modalResult = mrNone;
    QEventLoop* m_modalLoop = nullptr;
};
