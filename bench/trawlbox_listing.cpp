// Trawlbox's listing of a tree of 100,001 files into its check list, and the comparison of the
// same tree against the full list, and All Check and All Clear over it. The tree is made once, in
// a temporary folder, at the start. Runs on Qt's offscreen platform:
//   QT_QPA_PLATFORM=offscreen bench_trawlbox_listing
// or, as a screen reader's user has it, on X with the accessibility bridge on and a client
// listening to the bridge's events (scripts/atspi_listener.py under one D-Bus session):
//   QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb bench_trawlbox_listing
#include "FolderBoxUnit.h"
#include "SearchResultBoxUnit.h"
#include "SearchValueBoxUnit.h"
#include "TrawlboxUnit.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

// 10 folders of 10 subfolders of 1,000 files, and one file more at the top: 100,001 files.
constexpr int Folders = 10;
constexpr int FilesPerFolder = 1000;

const std::string& Tree()
{
    static QTemporaryDir folder;
    static const std::string root = [] {
        const std::string path = folder.path().toStdString() + "/";
        for (int top = 0; top < Folders; ++top) {
            for (int sub = 0; sub < Folders; ++sub) {
                const std::string leaf = path + "Folder" + std::to_string(top) + "/Sub" + std::to_string(sub) + "/";
                std::filesystem::create_directories(leaf);
                for (int file = 0; file < FilesPerFolder; ++file)
                    std::ofstream(leaf + "File" + std::to_string(file) + ".bin") << file;
            }
        }
        std::ofstream(path + "One more.bin") << "1";
        return path;
    }();
    return root;
}

struct Window {
    Window() : form(std::make_unique<TTrawlboxForm>(folder.path().toStdString() + "/"))
    {
        form->show();
        // The list has the focus, as it has when the user works with the window, so that a
        // screen reader follows it.
        form->activateWindow();
        form->CheckListBox1->setFocus();
        QApplication::processEvents();
    }
    QTemporaryDir folder;
    std::unique_ptr<TTrawlboxForm> form;
};

void ListTreeIntoCheckList(benchmark::State& state)
{
    const std::string& tree = Tree();
    Window window;
    for (auto _ : state) {
        window.form->CheckListBox1->Clear();
        window.form->ListFolder(tree);
        // The list's first paint belongs to the listing as the user sees it.
        QApplication::processEvents();
    }
    state.counters["items"] = window.form->CheckListBox1->Count();
}
BENCHMARK(ListTreeIntoCheckList)->Unit(benchmark::kMillisecond);

void CompareFolderOverFullList(benchmark::State& state)
{
    const std::string& tree = Tree();
    Window window;
    window.form->ListFolder(tree);
    for (auto _ : state)
        window.form->CompareFolder(tree);
    state.counters["items"] = window.form->CheckListBox1->Count();
}
BENCHMARK(CompareFolderOverFullList)->Unit(benchmark::kMillisecond);

void AllCheckAndAllClear(benchmark::State& state)
{
    const std::string& tree = Tree();
    Window window;
    window.form->ListFolder(tree);
    QApplication::processEvents();
    for (auto _ : state) {
        window.form->mAllCheck->trigger();
        QApplication::processEvents();
        window.form->mAllClear->trigger();
        QApplication::processEvents();
    }
    state.counters["items"] = window.form->CheckListBox1->Count();
}
BENCHMARK(AllCheckAndAllClear)->Unit(benchmark::kMillisecond);

} // namespace
