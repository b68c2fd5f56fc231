#include "InputValidator.h"

#include "InsertedRun.h"
#include "TextCodec.h"

#include <QLineEdit>

#include <utility>

namespace {

// Backspace, Enter and Esc are commands when typed, never text.
bool IsCommandKey(QChar key)
{
    return key == u'\b' || key == u'\r' || key == u'\x1b';
}

bool IsPairAt(const QString& text, qsizetype i)
{
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
}

} // namespace

TInputValidator::TInputValidator(QLineEdit* box, TFilter filter) : QValidator(box), m_filter(std::move(filter))
{
    box->setValidator(this);
    connect(box, &QLineEdit::textChanged, this, &TInputValidator::Accept);
}

void TInputValidator::SetLimit(int bytes, TEditBytes counted)
{
    m_limit = bytes;
    m_counted = counted;
}

void TInputValidator::Accept(const QString& text)
{
    m_accepted = text;
    m_made.clear();
}

int TInputValidator::Bytes(const QString& text) const
{
    return m_counted == TEditBytes::Utf8 ? static_cast<int>(text.toUtf8().size()) : DisplayByteCount(text);
}

QValidator::State TInputValidator::validate(QString& input, int& pos) const
{
    if (!m_made.isNull() && input == m_made)
        return Acceptable;
    const QString offered = input;
    if (m_filtering)
        FilterInserted(input, pos);
    const State state = FitLimit(input, pos);
    if (state != Acceptable || input == offered)
        return state;
    // Nothing of the edit is left: the box keeps its text as it was.
    if (input == m_accepted)
        return Invalid;
    m_made = input;
    return Acceptable;
}

void TInputValidator::FilterInserted(QString& input, int& pos) const
{
    const TInsertedRun run = InsertedRun(m_accepted, input, pos);
    const QString inserted = input.mid(run.Start, run.Length);
    QString passed;
    for (qsizetype i = 0; i < inserted.size(); ++i) {
        // A surrogate pair cannot pass as a key: it passes whole, as a typed character above
        // U+FFFF does. A lone half is no character at all.
        if (IsPairAt(inserted, i)) {
            passed += inserted.mid(i, 2);
            ++i;
            continue;
        }
        QChar key = inserted[i];
        if (key.isSurrogate() || IsCommandKey(key))
            continue;
        if (m_filter && !m_filter(key))
            break;
        if (!key.isNull() && !IsCommandKey(key))
            passed += key;
    }
    input = input.left(run.Start) + passed + input.mid(run.Start + run.Length);
    pos = static_cast<int>(run.Start + passed.size());
}

QValidator::State TInputValidator::FitLimit(QString& input, int& pos) const
{
    if (m_limit <= 0)
        return Acceptable;
    const int bytes = Bytes(input);
    if (bytes <= m_limit || bytes <= Bytes(m_accepted))
        return Acceptable;
    // The run the edit put in ends at the cursor; the text around it was there before.
    const TInsertedRun run = InsertedRun(m_accepted, input, pos);
    QString cut = input;
    qsizetype end = run.Start + run.Length;
    while (end > run.Start && Bytes(cut) > m_limit) {
        const qsizetype width = end - 2 >= run.Start && IsPairAt(cut, end - 2) ? 2 : 1;
        cut.remove(end - width, width);
        end -= width;
    }
    if (end == run.Start)
        return Invalid;
    input = cut;
    pos = static_cast<int>(end);
    return Acceptable;
}
