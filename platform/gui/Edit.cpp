#include "Edit.h"

#include "InsertedRun.h"
#include "Messages.h"
#include "TextCodec.h"
#include "TypedChar.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

#include <algorithm>
#include <functional>

// The gate of the box's text. Text that comes in other than by a key that passed the key-press
// event (a paste, a drop) passes that event character by character first, as typed keys do.
// Then an insertion that makes the text longer than the limit is cut back to what fits, whole
// characters only. The text before the change was within the limit, or was set by the program
// and may stay as long as it is.
class TEditValidator : public QValidator {
public:
    using QValidator::QValidator;

    int Limit = 0;
    TEditBytes Counted = TEditBytes::Utf8;
    // The text the box holds; a filtered paste is made against it.
    QString Accepted;
    // Called for each character that the user puts in other than by typing; may drop it (QChar())
    // or change it. False ends the text there.
    std::function<bool(QChar& key)> Filter;
    // While set, the user puts text in other than by typed keys: a paste, a drop, an undo.
    bool Pasting = false;

    void Accept(const QString& text)
    {
        Accepted = text;
        m_filtered.clear();
    }

    [[nodiscard]] int Bytes(const QString& text) const
    {
        return Counted == TEditBytes::Utf8 ? static_cast<int>(text.toUtf8().size()) : DisplayByteCount(text);
    }

    State validate(QString& input, int& pos) const override
    {
        if (Pasting && input != m_filtered)
            FilterInserted(input, pos);
        const int allowed = std::max(Limit, Bytes(Accepted));
        if (Limit <= 0 || Bytes(input) <= allowed)
            return Acceptable;
        // The inserted characters end at the cursor; the text around them was there before
        // and fits on its own.
        QString cut = input;
        int end = pos;
        while (end > 0 && Bytes(cut) > allowed) {
            const int width = end >= 2 && cut[end - 1].isLowSurrogate() && cut[end - 2].isHighSurrogate() ? 2 : 1;
            cut.remove(end - width, width);
            end -= width;
        }
        if (cut == Accepted || Bytes(cut) > allowed)
            return Invalid;
        input = cut;
        pos = end;
        return Acceptable;
    }

private:
    void FilterInserted(QString& input, int& pos) const
    {
        if (!Filter)
            return;
        const TInsertedRun run = InsertedRun(Accepted, input, pos);
        QString passed;
        for (QChar key : input.mid(run.Start, run.Length)) {
            // A half of a surrogate pair cannot pass as a key: the pair passes whole, as in
            // composed text. Enter, Esc and Backspace are commands when typed, never text.
            if (key.isSurrogate()) {
                passed += key;
                continue;
            }
            if (key == u'\r' || key == u'\x1b' || key == u'\b')
                continue;
            if (!Filter(key))
                break;
            if (!key.isNull())
                passed += key;
        }
        input = input.left(run.Start) + passed + input.mid(run.Start + run.Length);
        pos = static_cast<int>(run.Start + passed.size());
        m_filtered = input;
    }

    // The text this gate made last, until the box takes it: the box asks about it once more.
    mutable QString m_filtered;
};

TEdit::TEdit(QWidget* parent) : QLineEdit(parent), m_validator(new TEditValidator(this))
{
    setValidator(m_validator);
    m_validator->Filter = [this](QChar& key) { return !OnKeyPress || RunHandler([&] { OnKeyPress(this, key); }); };
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { m_validator->Accept(text); });
}

void TEdit::SetMaxLength(int bytes, TEditBytes counted)
{
    m_validator->Limit = bytes;
    m_validator->Counted = counted;
}

int TEdit::MaxLength() const
{
    return m_validator->Limit;
}

void TEdit::SetText(const QString& text)
{
    m_validator->Accept(text);
    setText(text);
}

bool TEdit::PassKey(QChar& key)
{
    if (OnKeyPress && !RunHandler([&] { OnKeyPress(this, key); }))
        return false;
    return !key.isNull();
}

void TEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        selectAll();
}

void TEdit::keyPressEvent(QKeyEvent* event)
{
    const QChar typed = TypedChar(event);
    if (typed.isNull()) {
        // The box's own commands: paste, undo, cut, the moves of the cursor.
        Pasting([&] { QLineEdit::keyPressEvent(event); });
        return;
    }
    QChar key = typed;
    if (!PassKey(key)) {
        event->accept();
        return;
    }
    if (key == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler typed another character in its place.
    QKeyEvent replaced(event->type(), 0, Qt::NoModifier, QString(key));
    QLineEdit::keyPressEvent(&replaced);
}

void TEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed text passes the key-press event character by character, as typed keys do.
    QString passed;
    for (QChar key : event->commitString()) {
        if (key.isSurrogate() || PassKey(key))
            passed += key;
    }
    if (passed != event->commitString())
        event->setCommitString(passed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(event);
}

void TEdit::Pasting(const std::function<void()>& edit)
{
    m_validator->Pasting = true;
    edit();
    m_validator->Pasting = false;
}

void TEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu's Paste runs while the menu is shown.
    Pasting([&] { QLineEdit::contextMenuEvent(event); });
}

void TEdit::dropEvent(QDropEvent* event)
{
    Pasting([&] { QLineEdit::dropEvent(event); });
}

void TEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection.
    Pasting([&] { QLineEdit::mouseReleaseEvent(event); });
}
