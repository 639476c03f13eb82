#include <benchmark/benchmark.h>

#include <memory>

#include "Search.h"
#include "StatusLists.h"
#include "StatusPages.h"
#include "TabRebuild.h"

namespace {

constexpr int TimelineRows = 100000;

// One timeline of 100,000 statuses shared by the benchmarks of this file.
struct TFilledTimeline {
    TFilledTimeline() {
        for (int first = 1; first <= TimelineRows; first += 1000)
            Lists.MergeStatuses(StatusPage(first, 1000), KindTimeline, Bench.Prefs);
    }
    TBenchPrefs Bench;
    TStatusLists Lists;
};

TFilledTimeline& Filled() {
    static TFilledTimeline filled;
    return filled;
}

const QString Queries[] = {QStringLiteral("taro"), QStringLiteral("カメラ"),
                           QStringLiteral("見つからない語")};

// The search tab: every timeline row whose caption + displayed text holds the
// query goes to the search list, which is then sorted.
void BM_SearchTimeline(benchmark::State& state) {
    TFilledTimeline& filled = Filled();
    const QString& query = Queries[state.range(0)];
    int found = 0;
    for (auto _ : state)
        found = SearchTimeline(filled.Lists, query, false);
    state.counters["found"] = found;
}
BENCHMARK(BM_SearchTimeline)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The floor: a plain substring test of the same query over the same captions
// and texts, building nothing.
void BM_PlainSubstringScan(benchmark::State& state) {
    const TStatusListModel& timeline = Filled().Lists.Timeline();
    const QString& query = Queries[state.range(0)];
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (int r = 0; r < timeline.Count(); ++r) {
            const TListRow& row = timeline.Row(r);
            if (row.Caption.contains(query) || row.Text.contains(query))
                ++found;
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = found;
}
BENCHMARK(BM_PlainSubstringScan)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The five pickup-word and five favourite-ID tabs refilled from the timeline.
void BM_RebuildTabs(benchmark::State& state) {
    TFilledTimeline& filled = Filled();
    for (auto _ : state) {
        RebuildFavIDTabs(filled.Lists, filled.Bench.Prefs);
        RebuildPickupTabs(filled.Lists, filled.Bench.Prefs);
    }
    int rows = 0;
    for (int j = TabPickupWord; j < TabFavID + NumberedTabCount; ++j)
        rows += filled.Lists.List(j).Count();
    state.counters["rows"] = rows;
}
BENCHMARK(BM_RebuildTabs)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
