#include "TrawlboxFixture.h"

#include "Files.h"

#include <QSignalSpy>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

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

    EXPECT_EQ(Items(), (std::vector<std::string>{Tree() + "Case.bin", kept, renamed, touched,
                                                 Tree() + "sub/deeper/added.bin", Tree() + "sub/new.bin"}));
    EXPECT_EQ(Ticked(), std::vector<std::string>{touched});
    EXPECT_EQ(form->FileTimes[4], StampOf(added));

    // The stamps stay those of the listing: an untick does not outlast the next comparison.
    form->CheckListBox1->SetChecked(3, false);
    form->mComparison->trigger();
    EXPECT_EQ(Ticked(), std::vector<std::string>{touched});
    EXPECT_EQ(Items().size(), 6U);
}

// Names are bytes: neither bytes that are not UTF-8 nor letter case make two files one item.
TEST_F(FolderListing, ComparisonFindsEachFileByTheBytesOfItsName)
{
    const std::string first = WriteTree("bad\xFF.bin", "1");
    const std::string second = WriteTree("bad\xFE.bin", "2");
    const std::string listed = WriteTree("caf\xE9.bin", "3");
    const std::string upper = WriteTree("A.bin", "4");
    const std::string lower = WriteTree("a.bin", "5");
    for (const std::string& path : {first, second, listed, upper, lower})
        SetModified(path, 1797000000);
    form->FolderPath = Tree();
    form->ListFolder(form->FolderPath);
    ASSERT_EQ(Items().size(), 5U);

    SetModified(first, 1797000010);
    SetModified(lower, 1797000010);
    const std::string added = WriteTree("caf\xE8.bin", "6");
    for (int comparison = 0; comparison < 2; ++comparison)
        form->mComparison->trigger();

    std::vector<std::string> ticked = Ticked();
    std::sort(ticked.begin(), ticked.end());
    EXPECT_EQ(ticked, (std::vector<std::string>{lower, first}));
    ASSERT_EQ(Items().size(), 6U);
    EXPECT_EQ(Items().back(), added);
    EXPECT_FALSE(form->CheckListBox1->Checked(5));
}

// Each row announced on its own costs a screen reader's user minutes for a long list: the list
// learns of a folder's files at once, and of All Check and All Clear in one notice.
TEST_F(FolderListing, TheListHearsOfEachFolderInOneInsertionAndOfAllCheckInOneChange)
{
    constexpr int FilesPerFolder = 1500;
    for (const char* folder : {"one/", "two/"})
        for (int i = 0; i < FilesPerFolder; ++i)
            WriteTree(folder + std::to_string(i), "");
    const QAbstractItemModel* model = form->CheckListBox1->model();
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    form->FolderPath = Tree();
    form->ListFolder(form->FolderPath);
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(model->rowCount(), 2 * FilesPerFolder);

    inserted.clear();
    for (const char* name : {"two/new1", "two/new2", "two/new3"})
        WriteTree(name, "");
    form->mComparison->trigger();
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(model->rowCount(), 2 * FilesPerFolder + 3);

    form->mAllCheck->trigger();
    form->mAllClear->trigger();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(Ticked().empty());
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
