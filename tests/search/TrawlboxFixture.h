#pragma once
// Trawlbox's four forms over a program folder of their own, with the message boxes recorded and
// the shell answered by a fake seam; a second folder holds the tree to list and search.

#include "FolderBoxUnit.h"
#include "SearchResultBoxUnit.h"
#include "SearchValueBoxUnit.h"
#include "TrawlboxUnit.h"

#include "FakePlatformSeam.h"
#include "MessageRecorder.h"
#include "ModalAnswer.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

// Types the value into the value dialog, picks its kind and presses "OK".
[[nodiscard]] inline TModalAnswer AnswerValue(const QString& text, const QString& kind)
{
    return TModalAnswer(SearchValueBox, [text, kind] {
        SearchValueBox->Edit1->clear();
        QTest::keyClicks(SearchValueBox->Edit1, text);
        SearchValueBox->ComboBox1->setCurrentIndex(SearchValueBox->ComboBox1->findText(kind));
        QTest::mouseClick(SearchValueBox->SpeedButton2, Qt::LeftButton);
    });
}

class TrawlboxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programFolder.isValid());
        ASSERT_TRUE(treeFolder.isValid());
        form = std::make_unique<TTrawlboxForm>(programFolder.path().toStdString() + "/");
        folderBox = std::make_unique<TFolderBox>();
        valueBox = std::make_unique<TSearchValueBox>();
        resultBox = std::make_unique<TSearchResultBox>();
    }

    void TearDown() override
    {
        resultBox.reset();
        valueBox.reset();
        folderBox.reset();
        form.reset();
    }

    [[nodiscard]] std::string Tree() const { return treeFolder.path().toStdString() + "/"; }
    [[nodiscard]] std::string Program() const { return programFolder.path().toStdString() + "/"; }

    // Writes the file below the tree, making its folders, and gives its full path.
    std::string WriteTree(const std::string& name, const std::string& content) const
    {
        return WriteFile(Tree() + name, content);
    }
    static std::string WriteFile(const std::string& path, const std::string& content)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::string ReadFile(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    [[nodiscard]] std::vector<std::string> Items() const
    {
        std::vector<std::string> items;
        for (int i = 0; i < form->CheckListBox1->Count(); ++i)
            items.push_back(form->CheckListBox1->Item(i));
        return items;
    }
    [[nodiscard]] std::vector<std::string> Ticked() const
    {
        std::vector<std::string> ticked;
        for (int i = 0; i < form->CheckListBox1->Count(); ++i)
            if (form->CheckListBox1->Checked(i))
                ticked.push_back(form->CheckListBox1->Item(i));
        return ticked;
    }

    QTemporaryDir programFolder;
    QTemporaryDir treeFolder;
    MessageRecorder recorder;
    FakePlatformSeam seam;
    std::unique_ptr<TTrawlboxForm> form;
    std::unique_ptr<TFolderBox> folderBox;
    std::unique_ptr<TSearchValueBox> valueBox;
    std::unique_ptr<TSearchResultBox> resultBox;
};
