#pragma once
// The gate of a line edit's text, shared by the edit box and the grid's in-place editor. Text
// that comes in other than by a key that already passed the key filter (a paste, a drop,
// composed text) passes the filter character by character first, as typed keys do. Then the
// byte limit: an edit is taken whole while the text fits the limit or grows no longer than it
// was, so that a longer text set by the program can still be shortened; an edit that makes it
// longer keeps the start of what it put in that fits the limit, and is refused when none does.

#include <QValidator>

#include <functional>

class QLineEdit;

// What a byte limit counts: the user's own words as UTF-8, or data shown as text, one byte for
// each character up to U+00FF and the UTF-8 bytes of any other.
enum class TEditBytes { Utf8, Data };

class TInputValidator : public QValidator {
public:
    // Called for each character; may drop it (QChar()) or change it. False ends the text there.
    using TFilter = std::function<bool(QChar& key)>;

    // Becomes the box's validator and follows the box's text.
    TInputValidator(QLineEdit* box, TFilter filter);

    // The most bytes an edit leaves in the box, 0 for no limit.
    void SetLimit(int bytes, TEditBytes counted);
    [[nodiscard]] int Limit() const { return m_limit; }
    // Takes the text as the box's own before the program sets it, so that it stays whole.
    void Accept(const QString& text);
    // While on, the text an edit puts in passes the filter.
    void SetFiltering(bool on) { m_filtering = on; }

    State validate(QString& input, int& pos) const override;

private:
    [[nodiscard]] int Bytes(const QString& text) const;
    void FilterInserted(QString& input, int& pos) const;
    [[nodiscard]] State FitLimit(QString& input, int& pos) const;

    TFilter m_filter;
    int m_limit = 0;
    TEditBytes m_counted = TEditBytes::Utf8;
    bool m_filtering = false;
    // The text the box holds.
    QString m_accepted;
    // The text this gate made last, until the box takes it: the box asks about it once more.
    mutable QString m_made;
};
