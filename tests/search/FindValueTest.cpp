#include "TrawlboxFixture.h"

#include "SearchResultFile.h"

namespace {

class FindValueTest : public TrawlboxTest {
protected:
    // Lists the files, each ticked or not, in this order.
    void List(const std::vector<std::pair<std::string, bool>>& files)
    {
        for (const auto& [path, ticked] : files) {
            form->CheckListBox1->Add(path);
            form->CheckListBox1->SetChecked(form->CheckListBox1->Count() - 1, ticked);
        }
    }

    // Runs the action inside the next long command of the window, once it has begun.
    void WhenBusy(std::function<void()> action)
    {
        QMetaObject::invokeMethod(
            form.get(),
            [this, action = std::move(action)]() mutable {
                if (form->CheckListBox1->testAttribute(Qt::WA_SetCursor))
                    action();
                else
                    WhenBusy(std::move(action));
            },
            Qt::QueuedConnection);
    }

    // Searches through the window for the value, answering the value dialog.
    void Find(const QString& text, const QString& kind)
    {
        const TModalAnswer answer = AnswerValue(text, kind);
        form->mFindValue->trigger();
        EXPECT_TRUE(answer.Answered());
    }
};

TEST_F(FindValueTest, TheFirstResultIsKeptAndOpenedWithEveryOverlappingHit)
{
    const std::string a = WriteTree("a.bin", std::string(16, '\0') + "AAA");
    const std::string skipped = WriteTree("skipped.bin", "AA");
    const std::string none = WriteTree("none.bin", "A-A");
    const std::string c = WriteTree("sub/c.bin", "xAAx");
    List({{a, true}, {skipped, false}, {Tree() + "vanished.bin", true}, {none, true}, {c, true}});
    Find(QStringLiteral("AA"), QStringLiteral("Chat"));

    EXPECT_EQ(ReadFile(form->ResultFileName), a + "\r\n  000010\r\n  000011\r\n" + c + "\r\n  000001\r\n");
    EXPECT_FALSE(std::filesystem::exists(form->TempFileName));
    EXPECT_EQ(seam.OpenedDocuments, std::vector<std::string>{form->ResultFileName});
    EXPECT_TRUE(recorder.Messages.empty());
    EXPECT_FALSE(form->CheckListBox1->testAttribute(Qt::WA_SetCursor));
}

TEST_F(FindValueTest, TickedNamesThatNoLongerNameAFileArePassedOverSilently)
{
    const std::string a = WriteTree("a.bin", "xAA");
    WriteTree("folder/inner.bin", "AA");
    const std::string gone = WriteTree("gone/file.bin", "AA");
    std::filesystem::remove_all(Tree() + "gone");
    std::filesystem::create_symlink(Tree() + "missing.bin", Tree() + "broken.bin");
    const std::string b = WriteTree("b.bin", "AAx");
    List({{a, true},
          {Tree() + "folder", true},
          {gone, true},
          {a + "/below", true},
          {Tree() + "broken.bin", true},
          {b, true}});
    Find(QStringLiteral("AA"), QStringLiteral("Chat"));

    EXPECT_EQ(ReadFile(form->ResultFileName), a + "\r\n  000001\r\n" + b + "\r\n  000000\r\n");
    EXPECT_TRUE(recorder.Messages.empty());
    EXPECT_TRUE(recorder.Errors.empty());
}

struct FoundCase {
    const char* name;
    const char* kept; // the kept result before the search, "A" standing for the file's path
    std::function<void()> answer;
    const char* expected;
};

std::string WithPath(std::string text, const std::string& path)
{
    for (size_t at = text.find('A'); at != std::string::npos; at = text.find('A', at + path.size()))
        text.replace(at, 1, path);
    return text;
}

TEST_F(FindValueTest, TheFoundDialogReplacesExtendsOrNarrowsTheKeptResult)
{
    // The new search finds the byte 7 at 0x20 and 0x30.
    std::string bytes(0x31, '\0');
    bytes[0x20] = bytes[0x30] = 7;
    const std::string file = WriteTree("A", bytes);
    List({{file, true}});
    auto click = [](TBitBtn* TSearchResultBox::*button) {
        return [button] { QTest::mouseClick(SearchResultBox->*button, Qt::LeftButton); };
    };
    const FoundCase cases[] = {
        {"new", "A\r\n  000010\r\n", click(&TSearchResultBox::BitBtn1), "A\r\n  000020\r\n  000030\r\n"},
        {"close box acts as new", "A\r\n  000010\r\n", [] { SearchResultBox->close(); },
         "A\r\n  000020\r\n  000030\r\n"},
        {"addition", "A\r\n  000010\r\n", click(&TSearchResultBox::BitBtn2),
         "A\r\n  000010\r\nA\r\n  000020\r\n  000030\r\n"},
        {"match keeps the hits found again", "A\r\n  000010\r\n  000020\r\n", click(&TSearchResultBox::BitBtn3),
         "A\r\n  000020\r\n"},
        {"match goes by path", "other\r\n  000020\r\n", click(&TSearchResultBox::BitBtn3), ""},
    };
    for (const FoundCase& c : cases) {
        WriteFile(form->ResultFileName, WithPath(c.kept, file));
        seam.OpenedDocuments.clear();
        const TModalAnswer value = AnswerValue(QStringLiteral("7"), QStringLiteral("Byte"));
        const TModalAnswer result(SearchResultBox, c.answer);
        form->mFindValue->trigger();
        EXPECT_TRUE(result.Answered()) << c.name;
        EXPECT_EQ(ReadFile(form->ResultFileName), WithPath(c.expected, file)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(form->TempFileName)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(Program() + "$$$tmp$$$.txt")) << c.name;
        EXPECT_EQ(seam.OpenedDocuments, std::vector<std::string>{form->ResultFileName}) << c.name;
    }
}

// The path line of a name holding a line feed stays one line through New, Addition and Match.
TEST_F(FindValueTest, ANameWithALineFeedKeepsOnePathLineInTheKeptResult)
{
    const std::string file = WriteTree("new\nline.bin", std::string("\x07\x00\x07", 3));
    List({{file, true}});
    const std::string pathLine = "\"" + Tree() + "new\\nline.bin\"\r\n";
    const std::string hits = pathLine + "  000000\r\n  000002\r\n";
    const std::pair<TBitBtn * TSearchResultBox::*, std::string> answers[] = {
        {&TSearchResultBox::BitBtn1, hits},
        {&TSearchResultBox::BitBtn2, hits + hits},
        {&TSearchResultBox::BitBtn3, hits},
    };
    WriteFile(form->ResultFileName, "");
    for (const auto& [button, expected] : answers) {
        const TModalAnswer value = AnswerValue(QStringLiteral("7"), QStringLiteral("Byte"));
        const TModalAnswer result(SearchResultBox,
                                  [button] { QTest::mouseClick(SearchResultBox->*button, Qt::LeftButton); });
        form->mFindValue->trigger();
        EXPECT_EQ(ReadFile(form->ResultFileName), expected);
    }
}

struct LimitCase {
    const char* name;
    int firstFileHits;
    const char* cutOff;
};

TEST_F(FindValueTest, TheHitLimitCutsTheSearchWithTheWarning)
{
    const LimitCase cases[] = {
        {"more hits than the limit", MaxHits + 5, "   Any More...\r\n"},
        {"the limit is the file's last hit", MaxHits, ""},
    };
    for (const LimitCase& c : cases) {
        form->CheckListBox1->Clear();
        std::filesystem::remove(form->ResultFileName);
        recorder.Messages.clear();
        const std::string first = WriteTree("first", std::string(static_cast<size_t>(c.firstFileHits), 'Z'));
        const std::string later = WriteTree("later", "Z");
        List({{first, true}, {later, true}});
        Find(QStringLiteral("Z"), QStringLiteral("Chat"));

        std::string expected = first + "\r\n";
        for (int i = 0; i < MaxHits; ++i)
            expected += "  " + QStringLiteral("%1").arg(i, 6, 16, QLatin1Char('0')).toUpper().toStdString() + "\r\n";
        EXPECT_EQ(ReadFile(form->ResultFileName), expected + c.cutOff) << c.name;
        EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Please change and redo the value\n\r\r"
                                                              "which has too many subjects of examination."})
            << c.name;
    }
}

TEST_F(FindValueTest, NoHitOrAnEmptyPatternEndsInNotFoundAndKeepsTheResult)
{
    WriteFile(form->ResultFileName, "kept\r\n  000001\r\n");
    List({{WriteTree("a.bin", "abc"), true}});
    const std::pair<QString, QString> values[] = {{QStringLiteral("x"), QStringLiteral("Chat")},
                                                  {QString(), QStringLiteral("Chat")}};
    for (const auto& [text, kind] : values) {
        recorder.Messages.clear();
        Find(text, kind);
        EXPECT_EQ(recorder.Messages, std::vector<std::string>{"It is not found."}) << text.toStdString();
        EXPECT_EQ(ReadFile(form->ResultFileName), "kept\r\n  000001\r\n");
        EXPECT_TRUE(std::filesystem::exists(form->TempFileName));
        EXPECT_EQ(ReadFile(form->TempFileName), "");
    }
    EXPECT_TRUE(seam.OpenedDocuments.empty());
}

TEST_F(FindValueTest, CommandsThatWouldDisturbTheSearchWaitForItsEnd)
{
    List({{WriteTree("a", "q"), true}, {WriteTree("b", "q"), true}});
    std::vector<bool> enabledDuringSearch;
    WhenBusy([&] {
        for (TMenuItem* item :
             {form->mSetFolder, form->mComparison, form->mFindValue, form->mAllClear, form->mAllCheck})
            enabledDuringSearch.push_back(item->isEnabled());
    });
    Find(QStringLiteral("q"), QStringLiteral("Chat"));
    EXPECT_EQ(enabledDuringSearch, std::vector<bool>(5, false));
    EXPECT_TRUE(form->mFindValue->isEnabled());
    EXPECT_TRUE(form->mSetFolder->isEnabled());
}

TEST_F(FindValueTest, ClosingTheWindowEndsARunningSearchWithoutResult)
{
    form->show();
    List({{WriteTree("a", "q"), true}, {WriteTree("b", "q"), true}});
    WhenBusy([this] { form->close(); });
    Find(QStringLiteral("q"), QStringLiteral("Chat"));
    EXPECT_EQ(recorder.Messages, std::vector<std::string>{});
    EXPECT_TRUE(seam.OpenedDocuments.empty());
    EXPECT_FALSE(std::filesystem::exists(form->TempFileName));
    EXPECT_FALSE(std::filesystem::exists(form->ResultFileName));
}

TEST_F(FindValueTest, AReadErrorEndsTheSearchInTheErrorBoxAfterClosingTheTemporaryFile)
{
    const std::string good = WriteTree("good", "qq");
    // Exists and has a size of 0, yet reading it from its start fails.
    const std::string unreadable = "/proc/self/mem";
    List({{good, true}, {unreadable, true}});
    Find(QStringLiteral("q"), QStringLiteral("Chat"));

    EXPECT_EQ(recorder.Errors.size(), 1U);
    EXPECT_EQ(ReadFile(form->TempFileName), good + "\r\n  000000\r\n  000001\r\n");
    EXPECT_FALSE(std::filesystem::exists(form->ResultFileName));
    EXPECT_TRUE(seam.OpenedDocuments.empty());
    EXPECT_FALSE(form->CheckListBox1->testAttribute(Qt::WA_SetCursor));
    EXPECT_TRUE(form->mFindValue->isEnabled());
}

TEST_F(FindValueTest, NoInTheValueDialogSearchesNothing)
{
    List({{WriteTree("a", "q"), true}});
    const TModalAnswer answer(SearchValueBox, [] { QTest::mouseClick(SearchValueBox->SpeedButton1, Qt::LeftButton); });
    form->mFindValue->trigger();
    EXPECT_TRUE(answer.Answered());
    EXPECT_FALSE(std::filesystem::exists(form->TempFileName));
    EXPECT_TRUE(recorder.Messages.empty());
}

} // namespace
