// The dump grid's fill of a full pane, the open of a full file, and the memory both full panes
// take.
// Runs on Qt's offscreen platform: QT_QPA_PLATFORM=offscreen bench_editor_fill_dump
#include "MainUnit.h"

#include "DataUnit.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

std::string WriteFile(const QTemporaryDir& folder, const char* name, int32_t size)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray bytes(size, '\0');
    for (int32_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    file.write(bytes);
    return path.toStdString();
}

// Resident memory of this process in MiB, from /proc/self/status.
double ResidentMiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib / 1024.0;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

struct Window {
    Window()
    {
        InitDataLayer();
        form = std::make_unique<TMainForm>();
        form->show();
        QApplication::processEvents();
    }
    ~Window()
    {
        form.reset();
        DoneDataLayer();
    }
    QTemporaryDir folder;
    std::unique_ptr<TMainForm> form;
};

void FillFullPane(benchmark::State& state)
{
    Window window;
    const std::string big = WriteFile(window.folder, "big.bin", MaxDataSize);
    const std::string small = WriteFile(window.folder, "small.bin", 100);
    const bool afterSmall = state.range(0) != 0;
    LoadDataFile(0, big);
    window.form->FillDumpGrid();
    for (auto _ : state) {
        if (afterSmall) {
            state.PauseTiming();
            LoadDataFile(0, small);
            window.form->FillDumpGrid();
            LoadDataFile(0, big);
            state.ResumeTiming();
        }
        window.form->FillDumpGrid();
    }
    state.SetLabel(afterSmall ? "after a small file" : "over the same file");
}
BENCHMARK(FillFullPane)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Counts the paints of a widget, so that an open is timed up to a paint that really happened.
class TPaintCounter : public QObject {
public:
    explicit TPaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// A dropped 1 MiB file from the read to the end of the paints it causes: the dump grid's own,
// which the fill makes before it returns, and the style grid's, which wait among the events.
// After a small file the grid grows from a few rows, as on the first open after the start.
void OpenFullFileToFirstPaint(benchmark::State& state)
{
    Window window;
    const std::string big = WriteFile(window.folder, "big.bin", MaxDataSize);
    const std::string small = WriteFile(window.folder, "small.bin", 100);
    const bool afterSmall = state.range(0) != 0;
    TPaintCounter counter(window.form->aDumpGrid->viewport());
    window.form->WMDropFiles(big);
    QApplication::processEvents();
    for (auto _ : state) {
        if (afterSmall) {
            state.PauseTiming();
            window.form->WMDropFiles(small);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        const int paints = counter.Paints;
        window.form->WMDropFiles(big);
        QApplication::processEvents();
        if (counter.Paints == paints) {
            state.SkipWithError("the dump grid was not painted");
            break;
        }
    }
    state.SetLabel(afterSmall ? "after a small file" : "over the same file");
}
BENCHMARK(OpenFullFileToFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BothPanesFullResidentMemory(benchmark::State& state)
{
    Window window;
    const std::string a = WriteFile(window.folder, "a.bin", MaxDataSize);
    const std::string b = WriteFile(window.folder, "b.bin", MaxDataSize);
    const double before = ResidentMiB();
    for (auto _ : state) {
        window.form->mDoubleWindowClick(nullptr);
        window.form->WMDropFiles(a);
        window.form->ActivePane = 1;
        window.form->WMDropFiles(b);
        window.form->ActivePane = 0;
    }
    state.counters["resident_MiB"] = ResidentMiB();
    state.counters["grown_MiB"] = ResidentMiB() - before;
}
BENCHMARK(BothPanesFullResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
