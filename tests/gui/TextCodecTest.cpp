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

TEST(TextCodec, Utf8SequencesAreWellFormedOnly)
{
    struct Case {
        std::string bytes;
        size_t length;
    };
    const Case cases[] = {
        {"a", 1},
        {"\xC3\xA9x", 2},
        {"\xE2\x82\xAC", 3},
        {"\xF0\x9F\x98\x80", 4},
        {"\xF4\x8F\xBF\xBF", 4},
        {"", 0},
        {"\xFF", 0},
        {"\x80", 0},
        {"\xC3", 0},
        {"\xE2\x82", 0},
        {"\xC3(", 0},
        {"\xC0\x80", 0},
        {"\xE0\x80\x80", 0},
        {"\xED\xA0\x80", 0},
        {"\xF0\x80\x80\x80", 0},
        {"\xF4\x90\x80\x80", 0},
        {"\xF5\x80\x80\x80", 0},
    };
    for (const Case& test : cases)
        EXPECT_EQ(Utf8SequenceLength(test.bytes), test.length) << testing::PrintToString(test.bytes);
}

TEST(TextCodec, AFileNameShowsOnOneLineAndNoTwoNamesAlike)
{
    struct Case {
        std::string name;
        QString shown;
    };
    const Case cases[] = {
        {"/tree/plain name.bin", QStringLiteral("/tree/plain name.bin")},
        {"/tree/caf\xC3\xA9 \xE2\x82\xAC.bin", QStringLiteral("/tree/caf\u00E9 \u20AC.bin")},
        {"/tree/bad\xFF.bin", QStringLiteral("/tree/bad\\xFF.bin")},
        {"/tree/bad\xFE.bin", QStringLiteral("/tree/bad\\xFE.bin")},
        {"caf\xE9\xC3", QStringLiteral("caf\\xE9\\xC3")},
        {"new\nline\r.bin", QStringLiteral("new\\x0Aline\\x0D.bin")},
        {"tab\there\x7F", QStringLiteral("tab\\x09here\\x7F")},
        {"next\xC2\x85line\xE2\x80\xA8", QStringLiteral("next\\xC2\\x85line\\xE2\\x80\\xA8")},
        // A backslash of the name is doubled, so that it never reads as an escaped byte.
        {"back\\xFF", QStringLiteral("back\\\\xFF")},
        {"", QString()},
    };
    for (const Case& test : cases)
        EXPECT_EQ(FileNameToDisplay(test.name), test.shown) << testing::PrintToString(test.name);
}

} // namespace
