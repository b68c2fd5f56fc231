#pragma once
// A fresh main window over a fresh data layer, with the program placed in a fresh folder of its
// own (so no option file is there yet, and the tests run side by side), with the message boxes
// recorded and the dialogs answered by a fake seam.

#include "MainUnit.h"
#include "TextChipUnit.h"

#include "AddressBoxUnit.h"
#include "BinaryBoxUnit.h"
#include "ColorAndFont.h"
#include "CopyDelBoxUnit.h"
#include "DataUnit.h"
#include "Edit.h"
#include "FakePlatformSeam.h"
#include "Files.h"
#include "InputBoxUnit.h"
#include "MessageRecorder.h"
#include "SearchBoxUnit.h"
#include "SizeBoxUnit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

inline void RemoveOptionFile()
{
    QFile::remove(QString::fromStdString(OptionFileName()));
}

inline std::vector<uint8_t> Pattern(size_t size)
{
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return bytes;
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programFolder.isValid());
        SetExecutablePath(programFolder.filePath(QStringLiteral("Byteloom")).toStdString());
        InitDataLayer();
        InstallFontSubstitutes();
        ASSERT_TRUE(folder.isValid());
        form = std::make_unique<TMainForm>();
        copyDelBox = std::make_unique<TCopyDelBox>();
        searchBox = std::make_unique<TSearchBox>();
        sizeBox = std::make_unique<TSizeBox>();
        textChip = std::make_unique<TTextChip>();
        inputBox = std::make_unique<TInputBox>();
        binaryBox = std::make_unique<TBinaryBox>();
        addressBox = std::make_unique<TAddressBox>();
    }

    void TearDown() override
    {
        addressBox.reset();
        binaryBox.reset();
        inputBox.reset();
        textChip.reset();
        sizeBox.reset();
        searchBox.reset();
        copyDelBox.reset();
        form.reset();
        DoneDataLayer();
        SetExecutablePath({});
    }

    std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        const QString path = folder.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        return path.toStdString();
    }

    static std::vector<uint8_t> ReadFile(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        return {bytes.begin(), bytes.end()};
    }

    // Fills the pane from a new file of these bytes, as a drop into it does.
    std::string Load(int pane, const std::vector<uint8_t>& bytes, const std::string& name = "data.bin")
    {
        const std::string path = WriteFile(name, bytes);
        form->ActivePane = static_cast<uint8_t>(pane);
        form->WMDropFiles(path);
        return path;
    }

    // The current style's fields as (kind, size) pairs, recounted.
    static void SetFields(const std::vector<std::pair<int, int32_t>>& fields)
    {
        TStyle& style = StyleGroup[0];
        ClearStyle(style);
        style.StyleName.Assign("Record");
        for (size_t i = 0; i < fields.size(); ++i) {
            style.RowUsed[i] = 255;
            style.RowKind[i] = static_cast<uint8_t>(fields[i].first);
            style.RowSize[i] = fields[i].second;
        }
        RecountStyle(0);
    }

    void ShowWindow()
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    static void Click(TStringGrid* grid, int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        const QRect cell = grid->CellRect(col, row);
        ASSERT_FALSE(cell.isEmpty()) << col << "," << row;
        QTest::mouseClick(grid->viewport(), button, {}, cell.center());
    }

    QTemporaryDir programFolder;
    QTemporaryDir folder;
    MessageRecorder recorder;
    FakePlatformSeam seam;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TCopyDelBox> copyDelBox;
    std::unique_ptr<TSearchBox> searchBox;
    std::unique_ptr<TSizeBox> sizeBox;
    std::unique_ptr<TTextChip> textChip;
    std::unique_ptr<TInputBox> inputBox;
    std::unique_ptr<TBinaryBox> binaryBox;
    std::unique_ptr<TAddressBox> addressBox;
};
