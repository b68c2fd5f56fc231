#include "ShellTreeView.h"

#include <QDir>
#include <QIcon>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ShellTreeView, OpensAtTheHomeFolderAndReturnsTheSelectedPath)
{
    TShellTreeView tree;
    EXPECT_EQ(QString::fromStdString(tree.SelectedFolder()), QDir::homePath());
    tree.selectionModel()->clearCurrentIndex();
    EXPECT_EQ(tree.SelectedFolder(), "");
}

TEST(ShellTreeView, ShowsHiddenFoldersWithIconsButNoFilesAndARightClickSelects)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral(".hidden/inner")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("plain")));
    QFile(root.filePath(QStringLiteral("file.txt"))).open(QIODevice::WriteOnly);

    TShellTreeView tree;
    tree.resize(300, 400);
    tree.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
    tree.SelectFolder(root.path());
    const QModelIndex folder = tree.currentIndex();
    tree.expand(folder);
    // The folders are read in the background.
    EXPECT_TRUE(QTest::qWaitFor([&] { return tree.model()->rowCount(folder) == 2; }, 5000));
    QStringList names;
    for (int row = 0; row < 2; ++row) {
        const QModelIndex shown = tree.model()->index(row, 0, folder);
        names << shown.data().toString();
        EXPECT_FALSE(shown.data(Qt::DecorationRole).value<QIcon>().isNull()) << "a folder icon";
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral(".hidden"), QStringLiteral("plain")}));

    QModelIndex hidden = tree.model()->index(0, 0, folder);
    if (hidden.data().toString() != QStringLiteral(".hidden"))
        hidden = tree.model()->index(1, 0, folder);
    tree.scrollTo(hidden);
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, tree.visualRect(hidden).center());
    EXPECT_EQ(QString::fromStdString(tree.SelectedFolder()), root.filePath(QStringLiteral(".hidden")));
}

} // namespace
