#include "MainFormFixture.h"

#include "ArrowGlyphs.h"
#include "Edit.h"
#include "ModalAnswer.h"
#include "TypeText.h"
#include "SpeedButton.h"

#include <QComboBox>

namespace {

using SearchDialog = MainFormTest;

constexpr int32_t HitAddress = 40;

// Types the text, chooses the kind and presses an arrow: SpeedButton1 searches backward,
// SpeedButton2 forward.
void Answer(TSearchBox* box, const QString& text, const QString& kind, TSpeedButton* arrow)
{
    box->Edit1->clear();
    TypeText(box->Edit1, text);
    box->ComboBox1->setCurrentIndex(box->ComboBox1->findText(kind));
    QTest::mouseClick(arrow, Qt::LeftButton);
}

TEST_F(SearchDialog, IsLaidOutAsASmallBlueToolWindowThatStaysOnTop)
{
    EXPECT_EQ(searchBox->windowTitle(), QStringLiteral("Search"));
    EXPECT_EQ(searchBox->size(), QSize(215, 47));
    EXPECT_TRUE(searchBox->windowFlags() & Qt::Tool);
    EXPECT_TRUE(searchBox->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(searchBox->palette().color(QPalette::Window), QColor(Qt::blue));
    EXPECT_EQ(searchBox->Edit1->geometry(), QRect(1, 1, 212, 20));
    EXPECT_EQ(searchBox->Edit1->MaxLength(), 80);
    EXPECT_EQ(searchBox->ComboBox1->geometry(), QRect(1, 24, 92, 20));
    EXPECT_EQ(searchBox->SpeedButton1->geometry(), QRect(100, 24, 57, 21));
    EXPECT_EQ(searchBox->SpeedButton2->geometry(), QRect(157, 24, 57, 21));
    EXPECT_EQ(searchBox->SpeedButton1->toolTip(), QStringLiteral("Front is Search"));
    EXPECT_EQ(searchBox->SpeedButton2->toolTip(), QStringLiteral("Next is Search"));
    EXPECT_TRUE(searchBox->SpeedButton1->text().isEmpty());

    QStringList items;
    for (int i = 0; i < searchBox->ComboBox1->count(); ++i)
        items << searchBox->ComboBox1->itemText(i);
    EXPECT_EQ(items,
              QStringList({"Hex", "Binary", "Byte", "ShortInt", "Word", "SmallInt", "LongWord", "LongInt", "Chat"}));
    EXPECT_EQ(searchBox->ComboBox1->currentText(), QStringLiteral("Chat"));
    EXPECT_FALSE(searchBox->ComboBox1->isEditable());
    EXPECT_TRUE(searchBox->Edit1->text().isEmpty());
}

TEST_F(SearchDialog, TheArrowsAreRedWithATransparentGroundAndGreyWhenDisabled)
{
    const QImage up = ArrowGlyph(TArrow::Up).toImage();
    const QImage down = ArrowGlyph(TArrow::Down).toImage();
    const QImage greyed = GreyedArrowGlyph(TArrow::Up).toImage();
    ASSERT_EQ(up.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(up.pixel(0, 0)), 0) << "olive is the transparent colour";
    EXPECT_EQ(up.pixelColor(7, 3), QColor(Qt::red)) << "the body, near the tip at the top";
    EXPECT_EQ(up.pixelColor(7, 1), QColor(Qt::black)) << "the edge";
    EXPECT_EQ(down.pixelColor(7, 14), QColor(Qt::black)) << "the tip at the bottom";
    EXPECT_EQ(down.pixelColor(7, 12), QColor(Qt::red));
    EXPECT_EQ(greyed.pixelColor(7, 3), QColor(128, 128, 128));
    EXPECT_EQ(greyed.pixelColor(8, 15), QColor(Qt::white)) << "the shade below the arrow's foot";
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_NE(greyed.pixelColor(x, y), QColor(Qt::red)) << x << "," << y;

    const QIcon icon = searchBox->SpeedButton1->icon();
    EXPECT_EQ(icon.pixmap(16, 16, QIcon::Normal).toImage().pixelColor(7, 3), QColor(Qt::red));
    EXPECT_EQ(icon.pixmap(16, 16, QIcon::Disabled).toImage().pixelColor(7, 3), QColor(128, 128, 128));
}

struct EncodingCase {
    const char* name;
    const char* text;
    const char* kind;
    std::vector<uint8_t> bytes;
};

TEST_F(SearchDialog, EncodesTheTextAsTheChosenKindAndSearchesForItsBytes)
{
    const EncodingCase cases[] = {
        {"HexIsTwoDigitsOfEitherCase", "ff", "Hex", {0xFF}},
        {"BinaryHasBitZeroFirst", "10000000", "Binary", {0x01}},
        {"Byte", "200", "Byte", {0xC8}},
        {"ShortInt", "-2", "ShortInt", {0xFE}},
        {"WordIsLittleEndian", "258", "Word", {0x02, 0x01}},
        {"SmallInt", "-1", "SmallInt", {0xFF, 0xFF}},
        {"LongWordInHexadecimal", "$01020304", "LongWord", {0x04, 0x03, 0x02, 0x01}},
        {"LongInt", "-2", "LongInt", {0xFE, 0xFF, 0xFF, 0xFF}},
        {"ChatIsTheCharactersOwnBytes", "abc", "Chat", {0x61, 0x62, 0x63}},
        {"ChatKeepsCase", "ABC", "Chat", {0x41, 0x42, 0x43}},
        {"ChatTakesACharacterOfTheDumpAsItsByte", "\xC3\xA9!", "Chat", {0xE9, 0x21}},
    };
    for (const EncodingCase& test : cases) {
        SCOPED_TRACE(test.name);
        std::vector<uint8_t> bytes(64, 0x55);
        std::copy(test.bytes.begin(), test.bytes.end(), bytes.begin() + HitAddress);
        Load(0, bytes);

        const TModalAnswer forward(searchBox.get(), [&] {
            Answer(searchBox.get(), QString::fromUtf8(test.text), QString::fromLatin1(test.kind),
                   searchBox->SpeedButton2);
        });
        form->mSearch1->trigger();
        ASSERT_TRUE(forward.Answered());
        ASSERT_EQ(SearchLength, static_cast<int32_t>(test.bytes.size()));
        EXPECT_TRUE(std::equal(test.bytes.begin(), test.bytes.end(), SearchValue.begin()));
        EXPECT_EQ(CursorAddress[0], HitAddress) << "forward from address 0";

        CursorAddress[0] = 63;
        const TModalAnswer backward(searchBox.get(),
                                    [&] { QTest::mouseClick(searchBox->SpeedButton1, Qt::LeftButton); });
        form->mSearch1->trigger();
        EXPECT_TRUE(backward.Answered());
        EXPECT_EQ(CursorAddress[0], HitAddress) << "backward from the last byte";
        EXPECT_TRUE(recorder.Messages.empty());
    }
}

TEST_F(SearchDialog, TextTheKindRefusesKeepsTheDialogOpenAsTyped)
{
    const EncodingCase cases[] = {
        {"HexWantsTwoDigits", "f", "Hex", {}},
        {"BinaryWantsEightBits", "ff", "Binary", {}},
        {"ByteRange", "256", "Byte", {}},
    };
    const char* const messages[] = {"Input error.", "Input error.", "Range error [ 0..255 ]"};
    Load(0, Pattern(64));
    CursorAddress[0] = 3;
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        recorder.Messages.clear();
        const TModalAnswer answer(searchBox.get(), [&] {
            Answer(searchBox.get(), QString::fromLatin1(cases[i].text), QString::fromLatin1(cases[i].kind),
                   searchBox->SpeedButton2);
            EXPECT_EQ(searchBox->ModalResult(), mrNone);
            EXPECT_TRUE(searchBox->isVisible());
            EXPECT_EQ(searchBox->Edit1->text(), QString::fromLatin1(cases[i].text));
            EXPECT_EQ(searchBox->ComboBox1->currentText(), QString::fromLatin1(cases[i].kind));
            QTest::mouseClick(searchBox->SpeedButton1, Qt::LeftButton);
            EXPECT_EQ(searchBox->ModalResult(), mrNone) << "neither arrow ends it";
            searchBox->close();
        });
        form->mSearch1->trigger();
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(recorder.Messages, std::vector<std::string>(2, messages[i]));
        EXPECT_EQ(CursorAddress[0], 3);
    }
}

TEST_F(SearchDialog, OnlyItsButtonsAndCloseBoxEndItAndItKeepsTheLastAnswer)
{
    std::vector<uint8_t> bytes(32, 0);
    bytes[20] = 0x41;
    Load(0, bytes);
    {
        const TModalAnswer answer(searchBox.get(),
                                  [&] { Answer(searchBox.get(), "41", "Hex", searchBox->SpeedButton2); });
        form->mSearch1->trigger();
        ASSERT_TRUE(answer.Answered());
    }
    ASSERT_EQ(CursorAddress[0], 20);

    CursorAddress[0] = 0;
    const TModalAnswer answer(searchBox.get(), [&] {
        EXPECT_EQ(searchBox->Edit1->text(), QStringLiteral("41"));
        EXPECT_EQ(searchBox->ComboBox1->currentText(), QStringLiteral("Hex"));
        EXPECT_EQ(searchBox->focusWidget(), searchBox->Edit1) << "the text takes the keys";
        QTest::keyClick(searchBox->Edit1, Qt::Key_Return);
        QTest::keyClick(searchBox->Edit1, Qt::Key_Escape);
        QTest::keyClick(searchBox.get(), Qt::Key_Escape);
        EXPECT_EQ(searchBox->ModalResult(), mrNone) << "Enter and Esc do nothing";
        searchBox->close();
    });
    form->mSearch1->trigger();
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(searchBox->ModalResult(), mrCancel);
    EXPECT_EQ(CursorAddress[0], 0) << "the close box searches nothing";
    EXPECT_TRUE(recorder.Messages.empty());
}

TEST_F(SearchDialog, CentresInTheMainWindowWhereverItIs)
{
    // The frame's size is known once the dialog has been shown.
    {
        const TModalAnswer answer(searchBox.get(), [&] { searchBox->close(); });
        form->mSearch1->trigger();
        ASSERT_TRUE(answer.Answered());
    }

    form->setGeometry(100, 80, 881, 460);
    const TOwnerRect owner = OwnerRectOf(form.get());
    QPoint shownAt;
    const TModalAnswer answer(searchBox.get(), [&] {
        shownAt = searchBox->pos();
        searchBox->close();
    });
    form->mSearch1->trigger();
    ASSERT_TRUE(answer.Answered());
    const QSize outer = searchBox->frameGeometry().size();
    EXPECT_EQ(shownAt, QPoint(owner.Left + (owner.Right - owner.Left - outer.width()) / 2,
                              owner.Top + (owner.Bottom - owner.Top - outer.height()) / 2))
        << "the outer size, frame included, centres";
}

} // namespace
