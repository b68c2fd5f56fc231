#include "TextCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextCodec, EveryByteShowsAsOneCharacterAndComesBackUnchanged)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));

    const QString shown = BytesToDisplay(bytes);
    ASSERT_EQ(shown.size(), 256);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(shown[b].unicode(), b);
    EXPECT_EQ(DisplayToBytes(shown), bytes);

    const std::string utf8 = BytesToDisplayUtf8(bytes);
    EXPECT_EQ(QString::fromStdString(utf8), shown);
    EXPECT_EQ(DisplayUtf8ToBytes(utf8), bytes);

    std::string appended;
    for (char b : bytes)
        AppendByteAsUtf8(appended, static_cast<unsigned char>(b));
    EXPECT_EQ(appended, utf8);
}

TEST(TextCodec, ACharacterAboveLatin1BecomesItsUtf8Bytes)
{
    struct Case {
        QString typed;
        std::string bytes;
    };
    const Case cases[] = {
        {QStringLiteral("A\u00E9"), "A\xE9"},
        {QStringLiteral("\u20AC"), "\xE2\x82\xAC"},
        {QString::fromUcs4(U"x\U0001F600y"), "x\xF0\x9F\x98\x80y"},
        {QString(), ""},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(DisplayToBytes(test.typed), test.bytes);
        EXPECT_EQ(DisplayUtf8ToBytes(test.typed.toStdString()), test.bytes);
    }
}

} // namespace
