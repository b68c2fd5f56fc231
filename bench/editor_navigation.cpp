// The compare walks over two full panes and a search that fails over a full pane, each through
// its menu command, with the refill of the grids that follows a hit and the paint of the moved
// selections.
// Runs on Qt's offscreen platform: QT_QPA_PLATFORM=offscreen bench_editor_navigation
#include "MainUnit.h"

#include "DataUnit.h"
#include "Messages.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int32_t LastByte = MaxDataSize - 1;

// A full pane's bytes: every pair of neighbours differs by 7, so two equal bytes never follow
// each other.
QByteArray FullPane()
{
    QByteArray bytes(MaxDataSize, '\0');
    for (int32_t i = 0; i < MaxDataSize; ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    return bytes;
}

std::string WriteFile(const QTemporaryDir& folder, const char* name, const QByteArray& bytes)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path.toStdString();
}

// Both panes full and shown; the two files differ only in their last byte, and in their first
// when asked.
struct Window {
    explicit Window(bool firstByteDiffers)
    {
        InitDataLayer();
        SetShowMessageHook([](const std::string&) {});
        form = std::make_unique<TMainForm>();
        form->mDoubleWindowClick(nullptr);
        form->show();
        QByteArray bytes = FullPane();
        const std::string a = WriteFile(folder, "a.bin", bytes);
        bytes[LastByte] = static_cast<char>(~bytes[LastByte]);
        if (firstByteDiffers)
            bytes[0] = static_cast<char>(~bytes[0]);
        const std::string b = WriteFile(folder, "b.bin", bytes);
        form->ActivePane = 1;
        form->WMDropFiles(b);
        form->ActivePane = 0;
        form->WMDropFiles(a);
        QApplication::processEvents();
    }
    // Puts both cursors and the grids' selections back at an address, so that each walk moves
    // the selections and scrolls.
    void Place(int32_t address) const
    {
        for (int pane = 0; pane < PaneCount; ++pane) {
            CursorAddress[pane] = address;
            form->ShowCursor(pane);
        }
    }
    ~Window()
    {
        form.reset();
        SetShowMessageHook({});
        DoneDataLayer();
    }
    QTemporaryDir folder;
    std::unique_ptr<TMainForm> form;
};

// From address 0 to the difference in the last byte; both cursors land there.
void NextComparedOverFullPanes(benchmark::State& state)
{
    Window window(false);
    for (auto _ : state) {
        state.PauseTiming();
        window.Place(0);
        QApplication::processEvents();
        state.ResumeTiming();
        window.form->mNextComparedClick(window.form->mNextCompared);
        QApplication::processEvents();
    }
    if (CursorAddress[0] != LastByte)
        state.SkipWithError("the walk did not reach the last byte");
}
BENCHMARK(NextComparedOverFullPanes)->Unit(benchmark::kMillisecond);

// From the last byte down to address 0: to "Inspection end.", or to a difference in the first
// byte, where both cursors land.
void FrontComparedOverFullPanes(benchmark::State& state)
{
    const bool firstByteDiffers = state.range(0) != 0;
    Window window(firstByteDiffers);
    for (auto _ : state) {
        state.PauseTiming();
        window.Place(LastByte);
        QApplication::processEvents();
        state.ResumeTiming();
        window.form->mFrontComparedClick(window.form->mFrontCompared);
        QApplication::processEvents();
    }
    if (CursorAddress[0] != (firstByteDiffers ? 0 : LastByte))
        state.SkipWithError("the walk did not end where it should");
    state.SetLabel(firstByteDiffers ? "to a difference at address 0" : "to the start, Inspection end.");
}
BENCHMARK(FrontComparedOverFullPanes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A Word of two equal bytes, which the pane never holds: every candidate is looked at.
void SearchThatFailsOverAFullPane(benchmark::State& state)
{
    const bool forward = state.range(0) != 0;
    Window window(false);
    SetSearchValue("0", vkWord);
    for (auto _ : state) {
        CursorAddress[0] = forward ? 0 : LastByte;
        if (forward)
            window.form->mNextSearchClick(window.form->mNextSearch);
        else
            window.form->mFrontSearchClick(window.form->mFrontSearch);
        QApplication::processEvents();
    }
    state.SetLabel(forward ? "forward from address 0" : "backward from the last byte");
}
BENCHMARK(SearchThatFailsOverAFullPane)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
