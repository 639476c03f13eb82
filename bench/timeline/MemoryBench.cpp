// Resident memory per status with 100,000 statuses merged into the lists.
#include <cstdio>

#include <QCoreApplication>
#include <QFile>

#include "StatusLists.h"
#include "StatusPages.h"

namespace {
qint64 ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * 4096;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    constexpr int Count = 100000;
    TBenchPrefs bench;
    // Parse the pages first so only the lists' own memory is measured.
    std::vector<TFriends> pages;
    for (int first = 1; first <= Count; first += 20)
        pages.push_back(StatusPage(first, 20));
    qint64 textBytes = 0;
    for (const TFriends& page : pages)
        for (const TFriendItem& s : page)
            textBytes += s.Text.size() * 2;

    const qint64 before = ResidentBytes();
    TStatusLists lists;
    for (const TFriends& page : pages)
        lists.MergeStatuses(page, KindTimeline, bench.Prefs);
    const qint64 after = ResidentBytes();

    int rows = 0;
    for (int j = 0; j < TabCount; ++j)
        rows += lists.List(j).Count();
    const double perStatus = double(after - before) / Count;
    std::printf("statuses %d, rows in all lists %d\n", Count, rows);
    std::printf("resident growth %.1f MiB, %.0f bytes per status\n",
                double(after - before) / (1 << 20), perStatus);
    std::printf("status text (UTF-16) %.0f bytes per status, beyond the text %.0f bytes\n",
                double(textBytes) / Count, perStatus - double(textBytes) / Count);
    return 0;
}
