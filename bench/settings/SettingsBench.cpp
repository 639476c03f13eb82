#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "QuorbelPrefs.h"

namespace {

constexpr int EntriesPerList = 200;

QStringList Entries(const QString& stem) {
    QStringList list;
    for (int n = 0; n < EntriesPerList; ++n)
        list.append(QStringLiteral("%1%2ワード").arg(stem).arg(n));
    return list;
}

// A settings file with every key written and 200 entries in each list file.
class TFullSettings final {
public:
    TFullSettings() {
        TQuorbelPrefs prefs = Prefs();
        prefs.Username = QStringLiteral("taro");
        prefs.Password = QStringLiteral("secret");
        prefs.NGWords = Entries(QStringLiteral("ng"));
        for (int i = 0; i < NumberedTabCount; ++i) {
            prefs.PickupWords[i] = Entries(QStringLiteral("pickup"));
            prefs.FavIDs[i] = Entries(QStringLiteral("user"));
        }
        prefs.SaveToIni();
        prefs.SaveFormPlacement({10, 20, 500, 600, TFormPlacement::Normal}, "FormMain");
    }

    TQuorbelPrefs Prefs() const {
        return TQuorbelPrefs(Dir.filePath(QStringLiteral("quorbel.ini")),
                             Dir.filePath(QStringLiteral("quorbel")));
    }

private:
    QTemporaryDir Dir;
};

void LoadAndSave(benchmark::State& state) {
    const TFullSettings files;
    for (auto _ : state) {
        TQuorbelPrefs prefs = files.Prefs();
        prefs.LoadFromIni();
        prefs.SaveToIni();
        benchmark::DoNotOptimize(prefs.NGWords.size());
    }
}
BENCHMARK(LoadAndSave)->Unit(benchmark::kMillisecond);

void Load(benchmark::State& state) {
    const TFullSettings files;
    for (auto _ : state) {
        TQuorbelPrefs prefs = files.Prefs();
        prefs.LoadFromIni();
        benchmark::DoNotOptimize(prefs.NGWords.size());
    }
}
BENCHMARK(Load)->Unit(benchmark::kMillisecond);

// The usual shutdown: nothing changed since the start.
void SaveUnchanged(benchmark::State& state) {
    const TFullSettings files;
    TQuorbelPrefs prefs = files.Prefs();
    prefs.LoadFromIni();
    for (auto _ : state)
        prefs.SaveToIni();
}
BENCHMARK(SaveUnchanged)->Unit(benchmark::kMillisecond);

// The worst case: the settings file and all eleven lists changed.
void SaveAllChanged(benchmark::State& state) {
    const TFullSettings files;
    TQuorbelPrefs prefs = files.Prefs();
    prefs.LoadFromIni();
    for (auto _ : state) {
        ++prefs.Interval;
        prefs.NGWords.first() = QString::number(prefs.Interval);
        for (int i = 0; i < NumberedTabCount; ++i) {
            prefs.PickupWords[i].first() = QString::number(prefs.Interval);
            prefs.FavIDs[i].first() = QString::number(prefs.Interval);
        }
        prefs.SaveToIni();
    }
}
BENCHMARK(SaveAllChanged)->Unit(benchmark::kMillisecond);

} // namespace
