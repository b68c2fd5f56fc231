#pragma once
// Where an edit of a line of text put what it inserted: the edited text is the earlier one with
// a run replaced, and the cursor stands behind the new run.

#include <QString>

struct TInsertedRun {
    qsizetype Start;
    qsizetype Length;
};

inline TInsertedRun InsertedRun(const QString& earlier, const QString& edited, qsizetype cursor)
{
    const qsizetype size = edited.size();
    qsizetype suffix = 0;
    while (suffix < size - cursor && suffix < earlier.size() &&
           edited[size - 1 - suffix] == earlier[earlier.size() - 1 - suffix])
        ++suffix;
    qsizetype prefix = 0;
    while (prefix < size - suffix && prefix < earlier.size() - suffix && edited[prefix] == earlier[prefix])
        ++prefix;
    return {prefix, size - suffix - prefix};
}
