#include "Edit.h"

#include "Messages.h"
#include "TextCodec.h"
#include "TypedChar.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

#include <algorithm>

// Cuts an insertion that makes the text longer than the limit back to what fits, whole
// characters only. The text before the change was within the limit, or was set by the program
// and may stay as long as it is.
class TByteLimitValidator : public QValidator {
public:
    using QValidator::QValidator;

    int Limit = 0;
    TEditBytes Counted = TEditBytes::Utf8;
    QString Accepted;

    [[nodiscard]] int Bytes(const QString& text) const
    {
        return Counted == TEditBytes::Utf8 ? static_cast<int>(text.toUtf8().size()) : DisplayByteCount(text);
    }

    State validate(QString& input, int& pos) const override
    {
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
};

TEdit::TEdit(QWidget* parent) : QLineEdit(parent), m_validator(new TByteLimitValidator(this))
{
    setValidator(m_validator);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { m_validator->Accepted = text; });
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
    m_validator->Accepted = text;
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
        QLineEdit::keyPressEvent(event);
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
