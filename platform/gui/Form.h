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

class TForm;

// Runs OnCreate once the whole form is made. Every form's constructor takes one as its last
// parameter, defaulted to a fresh one, and hands it to TForm: made at the caller's side, it
// ends with the expression that made the form, after the constructors of every part have run,
// so that no form has to remember to run its OnCreate, nor can run it before its components
// exist.
class TFormCreation {
public:
    TFormCreation() = default;
    ~TFormCreation();
    TFormCreation(const TFormCreation&) = delete;
    TFormCreation& operator=(const TFormCreation&) = delete;

private:
    friend class TForm;
    TForm* m_form = nullptr;
};

class TForm : public QWidget {
    Q_OBJECT

public:
    // A plain form, of no class of its own.
    explicit TForm(TFormCreation&& creation = {}, QWidget* parent = nullptr);
    // A form class takes the creation as its own constructor's last parameter and hands it on
    // here. No constructor takes a parent alone: a form class that hands on only its parent
    // does not compile.
    explicit TForm(TFormCreation& creation, QWidget* parent = nullptr);
    ~TForm() override;

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
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class TFormCreation;
    void Created();

    // Set until OnCreate runs; a form whose construction fails cuts the link as it goes.
    TFormCreation* m_creation = nullptr;
    int m_modalResult = mrNone;
    QEventLoop* m_modalLoop = nullptr;
};
