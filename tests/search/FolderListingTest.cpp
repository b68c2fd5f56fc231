#include "TrawlboxFixture.h"

#include "Files.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

using FolderListing = TrawlboxTest;

int32_t StampOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return PackDosDateTime(info.st_mtim.tv_sec);
}

void SetModified(const std::string& path, time_t seconds)
{
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// Opens the real folder dialog from the menu, chooses the folder in it and confirms with the key.
void SetFolderThroughDialog(TTrawlboxForm& form, const std::string& folder, Qt::Key key)
{
    const TModalAnswer answer(FolderBox, [folder, key] {
        FolderBox->ShellTreeView1->SelectFolder(QString::fromStdString(folder));
        QTest::keyClick(FolderBox->ShellTreeView1, key);
    });
    form.mSetFolder->trigger();
    EXPECT_TRUE(answer.Answered());
}

TEST_F(FolderListing, SetFolderListsTheTreeDepthFirstWithHiddenFilesAndStamps)
{
    WriteTree("b.txt", "b");
    WriteTree(".hidden", "h");
    WriteTree("a/inner.bin", "i");
    WriteTree("a/.deep/z", "z");
    WriteTree("c/last", "l");
    std::filesystem::create_directory_symlink(Tree() + "a", Tree() + "loop");
    SetFolderThroughDialog(*form, treeFolder.path().toStdString(), Qt::Key_Return);

    EXPECT_EQ(form->FolderPath, Tree());
    const std::vector<std::string> expected = {Tree() + ".hidden", Tree() + "a/.deep/z", Tree() + "a/inner.bin",
                                               Tree() + "b.txt", Tree() + "c/last"};
    ASSERT_EQ(Items(), expected);
    EXPECT_TRUE(Ticked().empty());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(form->FileTimes[i], StampOf(expected[i])) << expected[i];
    EXPECT_TRUE(form->mFindValue->isEnabled());
    EXPECT_FALSE(form->CheckListBox1->testAttribute(Qt::WA_SetCursor));
}

TEST_F(FolderListing, EscapeInTheFolderDialogLeavesTheListAsItWas)
{
    WriteTree("one", "1");
    SetFolderThroughDialog(*form, treeFolder.path().toStdString(), Qt::Key_Return);
    WriteTree("two", "2");
    SetFolderThroughDialog(*form, programFolder.path().toStdString(), Qt::Key_Escape);
    EXPECT_EQ(form->FolderPath, Tree());
    EXPECT_EQ(Items(), std::vector<std::string>{Tree() + "one"});
}

TEST_F(FolderListing, ComparisonTicksChangedFilesAndAppendsNewOnes)
{
    const std::string kept = WriteTree("kept.bin", "k");
    const std::string touched = WriteTree("sub/touched.bin", "t");
    const std::string renamed = WriteTree("sub/old.bin", "o");
    const std::string cased = WriteTree("Case.bin", "c");
    for (const std::string& path : {kept, touched, renamed, cased})
        SetModified(path, 1797000000);
    form->FolderPath = Tree();
    form->ListFolder(form->FolderPath);
    ASSERT_EQ(Items().size(), 4U);

    SetModified(touched, 1797000010);
    std::filesystem::rename(renamed, Tree() + "sub/new.bin");
    std::filesystem::rename(cased, Tree() + "CASE.BIN");
    const std::string added = WriteTree("sub/deeper/added.bin", "a");
    form->mComparison->trigger();

    EXPECT_EQ(Items(), (std::vector<std::string>{Tree() + "Case.bin", kept, renamed, touched, Tree() + "sub/deeper/added.bin",
                                                 Tree() + "sub/new.bin"}));
    EXPECT_EQ(Ticked(), std::vector<std::string>{touched});
    EXPECT_EQ(form->FileTimes[4], StampOf(added));

    // The stamps stay those of the listing: an untick does not outlast the next comparison.
    form->CheckListBox1->SetChecked(3, false);
    form->mComparison->trigger();
    EXPECT_EQ(Ticked(), std::vector<std::string>{touched});
    EXPECT_EQ(Items().size(), 6U);
}

TEST_F(FolderListing, TheListHoldsAtMost100001Files)
{
    const std::string many = Tree() + "many/";
    std::filesystem::create_directory(many);
    // Hard links to a few files are as many files to the listing, without the cost of as many
    // inodes (a file takes at most 65,000 links).
    constexpr int LinksPerFile = 50000;
    std::string target;
    for (int i = 0; i < MaxListedFiles + 1; ++i) {
        const std::string name = many + std::to_string(i);
        if (i % LinksPerFile == 0)
            target = WriteFile(name, "0");
        else
            ASSERT_EQ(::link(target.c_str(), name.c_str()), 0);
    }
    form->FolderPath = Tree();
    form->ListFolder(form->FolderPath);
    EXPECT_EQ(form->CheckListBox1->Count(), MaxListedFiles);

    WriteTree("late", "l");
    form->mComparison->trigger();
    EXPECT_EQ(form->CheckListBox1->Count(), MaxListedFiles);
    EXPECT_EQ(form->CheckListBox1->IndexOfExact(Tree() + "late"), -1);
}

} // namespace
