#include <benchmark/benchmark.h>

#include <memory>

#include "StatusLists.h"
#include "StatusPages.h"

namespace {

std::unique_ptr<TStatusLists> FilledLists(const TQuorbelPrefs& prefs, int rows) {
    auto lists = std::make_unique<TStatusLists>();
    for (int first = 1; first <= rows; first += 1000)
        lists->MergeStatuses(StatusPage(first, std::min(1000, rows - first + 1)), KindTimeline,
                             prefs);
    return lists;
}

// One 20-status page of news merged into a timeline of range(0) rows, sorting
// on, with five favourite-ID and five pickup-word lists in use. The lists are
// rebuilt every 50 pages so their size stays near range(0).
void BM_MergePage(benchmark::State& state) {
    const int rows = int(state.range(0));
    TBenchPrefs bench;
    std::unique_ptr<TStatusLists> lists;
    qint32 next = 0;
    int pages = 0;
    for (auto _ : state) {
        if (pages++ % 50 == 0) {
            state.PauseTiming();
            lists = FilledLists(bench.Prefs, rows);
            next = rows + 1;
            state.ResumeTiming();
        }
        state.PauseTiming();
        const TFriends page = StatusPage(next, 20);
        next += 20;
        state.ResumeTiming();
        benchmark::DoNotOptimize(lists->MergeStatuses(page, KindTimeline, bench.Prefs));
    }
}
BENCHMARK(BM_MergePage)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Iterations(200);

} // namespace

BENCHMARK_MAIN();
