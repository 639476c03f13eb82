// Selecting a row of a 100,000-row timeline in the main window: the selection
// hook fills the detail pane, the idle pass recomputes the commands, and the
// list's visible rows and the pane are painted.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <optional>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "FormMain.h"
#include "FormQuorbelMain.h"
#include "NotifySound.h"
#include "StatusListView.h"
#include "StatusLists.h"
#include "StatusPages.h"
#include "TrayIcon.h"
#include "Worker.h"

namespace {

constexpr int Rows = 100000;

class TSilentTray final : public TTrayIcon {
public:
    bool IsAvailable() const override { return true; }
    void SetVisible(bool) override {}
    void SetToolTip(const QString&) override {}
    void SetImage(int) override {}
    void ShowBalloon(const QString&, const QString&, int) override {}
};

class TSilentSound final : public TSoundOutput {
public:
    void Play(const QString&) override {}
};

// The window over a scratch folder, its servers refusing at once, with
// Rows statuses in the timeline.
struct TBenchWindow {
    TBenchWindow() {
        QFile ini(Folder.filePath(QStringLiteral("quorbel.ini")));
        ini.open(QIODevice::WriteOnly);
        ini.write("[Account]\nUsername=me\nPassword=secret\n"
                  "[Server]\nApiURL=http://127.0.0.1:1\nTwitterApiURL=http://127.0.0.1:1\n"
                  "MakerURL=http://127.0.0.1:1\n[Update]\nVisibleIcon=0\n");
        ini.close();
        Owner = std::make_unique<TFormQuorbelMain>(std::make_unique<TSilentTray>());
        Form = std::make_unique<TFormMain>(
            *Owner, TProgramFiles{Folder.path(), Folder.filePath(QStringLiteral("quorbel")), {}},
            std::make_unique<TSilentSound>());
        Form->resize(800, 600);
        WaitForWorkers(std::chrono::seconds(5));
        for (int first = 1; first <= Rows; first += 1000)
            Form->MergeStatuses(StatusPage(first, 1000), KindTimeline);
        QApplication::processEvents();
    }
    QTemporaryDir Folder;
    std::unique_ptr<TFormQuorbelMain> Owner;
    std::unique_ptr<TFormMain> Form;
};

// Made by the first benchmark that needs it, ended by main() while the
// application object still lives.
std::optional<TBenchWindow> BenchWindow;

TBenchWindow& Window() {
    if (!BenchWindow)
        BenchWindow.emplace();
    return *BenchWindow;
}

// range(0): rows between two selections; 1 is the Down key, a large step
// scrolls the list to a far row each time.
void BM_SelectRow(benchmark::State& state) {
    TBenchWindow& window = Window();
    TStatusListView* list = window.Form->ListView(TabTimeline);
    QWidget* pane = window.Form->findChild<QWidget*>(QStringLiteral("PanelDetail"));
    const int step = int(state.range(0));
    int row = 0;
    for (auto _ : state) {
        row = (row + step) % list->RowCount();
        list->SelectRow(row);
        window.Form->RefreshCommandStates();
        list->viewport()->repaint();
        pane->repaint();
    }
    state.counters["rows"] = list->RowCount();
}
BENCHMARK(BM_SelectRow)->Arg(1)->Arg(9973)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    RequestWorkersStop();
    WaitForWorkers(std::chrono::seconds(2));
    BenchWindow.reset();
    benchmark::Shutdown();
    return 0;
}
