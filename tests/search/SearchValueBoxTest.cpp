#include "TrawlboxFixture.h"

#include "DataUnit.h"
#include "TypeText.h"

namespace {

using SearchValueInput = TrawlboxTest;

struct PatternCase {
    const char* name;
    const char* kind;
    std::string text;
    std::vector<uint8_t> bytes; // empty with a message: refused
    const char* message = nullptr;
};

std::vector<uint8_t> Encoded(const TSearchValueBox& box)
{
    return {box.Pattern.begin(), box.Pattern.begin() + box.PatternLength};
}

TEST_F(SearchValueInput, KindsEncodeTheTextAsTheEditorsParsersDo)
{
    const PatternCase cases[] = {
        {"hex is upper-cased", "Hex", "ff", {0xFF}},
        {"binary is trimmed, bit 0 first", "Binary", " 00000001 ", {0x80}},
        {"byte takes a dollar", "Byte", "$FF", {0xFF}},
        {"smallint is little-endian", "SmallInt", "-2", {0xFE, 0xFF}},
        {"longword", "LongWord", "305419896", {0x78, 0x56, 0x34, 0x12}},
        {"longint", "LongInt", "-2147483648", {0x00, 0x00, 0x00, 0x80}},
        {"int64 minus one", "Int64", "-1", std::vector<uint8_t>(8, 0xFF)},
        {"int64 minus 256", "Int64", "-256", {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"shortint", "ShortInt", "-128", {0x80}},
        {"word", "Word", "4660", {0x34, 0x12}},
        {"chat keeps blanks and case", "Chat", "  ab ", {0x20, 0x20, 0x61, 0x62, 0x20}},
        {"byte out of range", "Byte", "256", {}, "Range error [ 0..255 ]"},
        {"word from letters", "Word", "abc", {}, "Range error [ 0..65535 ]"},
        {"int64 not a number", "Int64", "12x", {}, "Range error [-9223372036854775808..9223372036854775807]"},
        {"hex of one digit", "Hex", "F", {}, "Input error."},
    };
    for (const PatternCase& c : cases) {
        recorder.Messages.clear();
        valueBox->PatternLength = 3;
        const int index = valueBox->ComboBox1->findText(QString::fromLatin1(c.kind));
        const bool accepted = valueBox->MakePattern(index, c.text);
        EXPECT_EQ(accepted, c.message == nullptr) << c.name;
        if (c.message) {
            EXPECT_EQ(recorder.Messages, std::vector<std::string>{c.message}) << c.name;
            EXPECT_EQ(valueBox->PatternLength, 3) << c.name;
        } else {
            EXPECT_TRUE(recorder.Messages.empty()) << c.name;
            EXPECT_EQ(Encoded(*valueBox), c.bytes) << c.name;
        }
        const auto used = static_cast<size_t>(accepted ? valueBox->PatternLength : 0);
        for (size_t i = used; i < valueBox->Pattern.size(); ++i)
            ASSERT_EQ(valueBox->Pattern[i], 0) << c.name << " byte " << i;
    }
}

TEST_F(SearchValueInput, ItemsFollowTheKindsFromBinaryToChat)
{
    QStringList items;
    for (int i = 0; i < valueBox->ComboBox1->count(); ++i)
        items << valueBox->ComboBox1->itemText(i);
    EXPECT_EQ(items, (QStringList{"Binary", "Hex", "Byte", "ShortInt", "Word", "SmallInt", "LongWord", "LongInt",
                                  "Int64", "Chat"}));
    EXPECT_EQ(valueBox->ComboBox1->currentText(), QStringLiteral("LongInt"));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(items[i].toStdString(), KindName[static_cast<size_t>(i + 1)]);
    EXPECT_FALSE(valueBox->MakePattern(-1, "1"));
    EXPECT_FALSE(valueBox->MakePattern(10, "1"));
    EXPECT_TRUE(recorder.Messages.empty());
}

TEST_F(SearchValueInput, OnlyTheButtonsEndTheDialogAndItKeepsTextAndKind)
{
    valueBox->ComboBox1->setCurrentIndex(valueBox->ComboBox1->findText(QStringLiteral("Byte")));
    const TModalAnswer refused(valueBox.get(), [this] {
        QTest::keyClicks(valueBox->Edit1, QStringLiteral("300"));
        QTest::keyClick(valueBox->Edit1, Qt::Key_Return);
        QTest::keyClick(valueBox->Edit1, Qt::Key_Escape);
        EXPECT_TRUE(valueBox->isVisible());
        QTest::mouseClick(valueBox->SpeedButton2, Qt::LeftButton);
        EXPECT_TRUE(valueBox->isVisible()) << "a refused value keeps the dialog open";
        QTest::mouseClick(valueBox->SpeedButton1, Qt::LeftButton);
    });
    EXPECT_EQ(valueBox->ShowModal(), mrNo);
    EXPECT_TRUE(refused.Answered());
    EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Range error [ 0..255 ]"});

    const TModalAnswer kept(valueBox.get(), [this] {
        EXPECT_EQ(valueBox->Edit1->text(), QStringLiteral("300"));
        EXPECT_EQ(valueBox->Edit1->selectedText(), QStringLiteral("300")) << "typing replaces the last value";
        EXPECT_EQ(valueBox->ComboBox1->currentText(), QStringLiteral("Byte"));
        QTest::keyClicks(valueBox->Edit1, QStringLiteral("3"));
        QTest::mouseClick(valueBox->SpeedButton2, Qt::LeftButton);
    });
    EXPECT_EQ(valueBox->ShowModal(), mrOk);
    EXPECT_TRUE(kept.Answered());
    EXPECT_EQ(Encoded(*valueBox), std::vector<uint8_t>{3});
}

TEST_F(SearchValueInput, AnEmptyChatTextIsAcceptedAsAnEmptyPattern)
{
    const TModalAnswer answer(valueBox.get(), [this] {
        valueBox->ComboBox1->setCurrentIndex(valueBox->ComboBox1->findText(QStringLiteral("Chat")));
        QTest::mouseClick(valueBox->SpeedButton2, Qt::LeftButton);
    });
    EXPECT_EQ(valueBox->ShowModal(), mrOk);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(valueBox->PatternLength, 0);
}

TEST_F(SearchValueInput, ChatTakesAtMost80BytesAndCharactersAsTheDumpShowsThem)
{
    valueBox->ComboBox1->setCurrentIndex(valueBox->ComboBox1->findText(QStringLiteral("Chat")));
    valueBox->Edit1->setText(QString(100, QLatin1Char('x')));
    EXPECT_EQ(valueBox->Edit1->text().size(), 80);
    valueBox->Edit1->setText(QString(40, QChar(0x3042)));
    EXPECT_EQ(valueBox->Edit1->text().size(), 26) << "three bytes each";
    valueBox->Edit1->setText(QStringLiteral("\u00E9A"));
    valueBox->SpeedButton2Click(nullptr);
    EXPECT_EQ(Encoded(*valueBox), (std::vector<uint8_t>{0xE9, 0x41}));
}

TEST_F(SearchValueInput, ACharacterTypedIntoAFullChatTextIsRefusedWhereverItGoes)
{
    valueBox->Edit1->setText(QString(79, QLatin1Char('x')));
    valueBox->Edit1->setCursorPosition(1);
    TypeText(valueBox->Edit1, QStringLiteral("\u3042"));
    EXPECT_EQ(valueBox->Edit1->text(), QString(79, QLatin1Char('x'))) << "three bytes do not fit in one";
    TypeText(valueBox->Edit1, QStringLiteral("\u00E9"));
    EXPECT_EQ(valueBox->Edit1->text(), QStringLiteral("x\u00E9") + QString(78, QLatin1Char('x')));
}

} // namespace
