#include "Edit.h"

#include "TypeText.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct LimitCase {
    const char* name;
    int limit;
    QString typed;
    QString kept;
};

// "é" takes two bytes of UTF-8, "€" three and "😀" four.
TEST(Edit, TypingStopsAtTheByteLimitWithoutSplittingACharacter)
{
    const LimitCase cases[] = {
        {"ascii", 5, QStringLiteral("abcdefg"), QStringLiteral("abcde")},
        {"two-byte characters", 5, QStringLiteral("ééé"), QStringLiteral("éé")},
        {"a three-byte character that does not fit", 5, QStringLiteral("abc€d"), QStringLiteral("abcd")},
        {"four-byte characters", 9, QStringLiteral("😀😀😀"), QStringLiteral("😀😀")},
        {"no limit", 0, QStringLiteral("€€€€€€€€€€"), QStringLiteral("€€€€€€€€€€")},
    };
    for (const LimitCase& test : cases) {
        SCOPED_TRACE(test.name);
        TEdit edit;
        edit.SetMaxLength(test.limit);
        TypeText(&edit, test.typed);
        EXPECT_EQ(edit.text(), test.kept);
    }
}

// Data shown as text counts one byte for each character up to U+00FF, the UTF-8 bytes above.
TEST(Edit, ALimitOnDataBytesCountsTheBytesTheTextStandsFor)
{
    TEdit edit;
    edit.SetMaxLength(3, TEditBytes::Data);
    TypeText(&edit, QStringLiteral("\u00E9\u20ACa\u00FFb"));
    EXPECT_EQ(edit.text(), QStringLiteral("\u00E9a\u00FF"));
    EXPECT_EQ(edit.MaxLength(), 3);
}

TEST(Edit, APasteKeepsWhatFitsAndTheTextAroundIt)
{
    TEdit edit;
    edit.SetMaxLength(8);
    edit.setText(QStringLiteral("ab"));
    edit.setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("€€€"));
    edit.paste();
    EXPECT_EQ(edit.text(), QStringLiteral("a€€b")) << "8 bytes: a, two euro signs, b";
}

TEST(Edit, APastePassesTheKeyPressEventCharacterByCharacter)
{
    TEdit edit;
    edit.OnKeyPress = [](TEdit*, QChar& key) {
        if (key == u'x')
            key = QChar(u'0');
        else if (!key.isDigit())
            key = QChar();
    };
    edit.setText(QStringLiteral("[]"));
    edit.setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("1a2\r\u00E9x3"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("[1203]")) << "a dropped key is left out, a changed one goes in changed";
    EXPECT_EQ(edit.cursorPosition(), 5);
}

TEST(Edit, ComposedTextPassesTheKeyPressEventAndLeavesOutLoneSurrogateHalves)
{
    TEdit edit;
    QString seen;
    edit.OnKeyPress = [&](TEdit*, QChar& key) {
        seen += key;
        if (key == u'#')
            key = QChar();
    };
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("a#\U0001F600") + QChar(0xDC00) + QStringLiteral("\rb"));
    QApplication::sendEvent(&edit, &composed);
    EXPECT_EQ(edit.text(), QStringLiteral("a\U0001F600b"));
    EXPECT_EQ(seen, QStringLiteral("a#b")) << "Enter is no text";
}

TEST(Edit, TextSetByTheProgramStaysWholeAndCanBeShortened)
{
    TEdit edit;
    edit.SetMaxLength(4);
    edit.SetText(QStringLiteral("abcdef"));
    EXPECT_EQ(edit.text(), QStringLiteral("abcdef"));
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(edit.text(), QStringLiteral("abcdef"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("abcde"));
}

TEST(Edit, TypedCharactersPassTheKeyPressEventFirst)
{
    TEdit edit;
    std::vector<QChar> seen;
    edit.OnKeyPress = [&](TEdit*, QChar& key) {
        seen.push_back(key);
        if (key == u'x' || key == u'\r' || key == u'\x1b')
            key = QChar();
        else if (key == u'a')
            key = u'A';
    };
    QTest::keyClicks(&edit, QStringLiteral("axb"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Escape);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("b"));
    EXPECT_EQ(seen, (std::vector<QChar>{u'a', u'x', u'b', u'\r', u'\x1b', u'\b'}))
        << "Left types nothing; Backspace, Enter and Esc do";
    // Ctrl keys stay the box's own commands.
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit.selectedText(), QStringLiteral("b"));
    EXPECT_EQ(seen.size(), 6U);
}

} // namespace
