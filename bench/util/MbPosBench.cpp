#include "MbText.h"

#include <benchmark/benchmark.h>

#include <QList>
#include <QRandomGenerator>

namespace {

// 100,000 short status-like texts mixing Japanese and ASCII.
const QList<QByteArray>& Texts() {
    static const QList<QByteArray> texts = [] {
        const QList<QByteArray> pieces = {"今日は", "いい天気", " ", "ですね", "http://wassr.jp/",
                                          "abc", "ラーメン", "食べたい", "@taro ", "!"};
        QRandomGenerator random(42);
        QList<QByteArray> result;
        for (int i = 0; i < 100000; ++i) {
            QByteArray text;
            const int count = 3 + static_cast<int>(random.bounded(8));
            for (int k = 0; k < count; ++k)
                text += pieces[random.bounded(pieces.size())];
            result.append(text);
        }
        return result;
    }();
    return texts;
}

void BM_MbPos(benchmark::State& state) {
    const QByteArray pattern = "ラーメン食べたい";
    for (auto _ : state) {
        int hits = 0;
        for (const QByteArray& text : Texts())
            hits += MbPos(pattern, text) > 0;
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(BM_MbPos)->Unit(benchmark::kMillisecond);

void BM_QByteArrayContains(benchmark::State& state) {
    const QByteArray pattern = "ラーメン食べたい";
    for (auto _ : state) {
        int hits = 0;
        for (const QByteArray& text : Texts())
            hits += text.contains(pattern);
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(BM_QByteArrayContains)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
