#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <httplib.h>

#include "TwitterFriends.h"

namespace {
using Clock = std::chrono::steady_clock;

// A loopback service: the 20-status timeline and a distinct 48x48 PNG per author.
class TBenchService final {
public:
    TBenchService() {
        Server.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
            if (request.path.starts_with("/statuses/"))
                response.set_content(Timeline, "application/json");
            else if (request.path.starts_with("/icon/"))
                response.set_content(Icon(request.path), "image/png");
            else
                response.status = 404;
            while (Hang && !Stopping)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        });
        Port = Server.bind_to_any_port("127.0.0.1");
        QFile file(QStringLiteral(QUORBEL_BENCH_DATA "/timeline_twenty.json"));
        if (file.open(QIODevice::ReadOnly))
            Timeline = file.readAll().replace("{{HOSTPORT}}", HostPort()).toStdString();
        Thread = std::thread([this] { Server.listen_after_bind(); });
        while (!Server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~TBenchService() {
        Stopping = true;
        Server.stop();
        Thread.join();
    }

    QByteArray HostPort() const { return "127.0.0.1:" + QByteArray::number(Port); }
    QString Url() const { return QString::fromLatin1("http://" + HostPort()); }

    std::atomic<bool> Hang = false;

private:
    static std::string Icon(const std::string& path) {
        QImage image(48, 48, QImage::Format_ARGB32);
        image.fill(QColor::fromHsv(int(std::hash<std::string>{}(path) % 360), 200, 220));
        QPainter(&image).fillRect(8, 8, 32, 20, Qt::white);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes.toStdString();
    }

    httplib::Server Server;
    std::string Timeline;
    int Port = 0;
    std::thread Thread;
    std::atomic<bool> Stopping = false;
};

TRequestSettings BenchSettings(const TBenchService& service) {
    TRequestSettings settings;
    settings.Username = QStringLiteral("demo");
    settings.Password = QStringLiteral("demo");
    settings.ApiURL = settings.TwitterApiURL = settings.MakerURL = service.Url();
    settings.ShortURLPrefix = service.Url() + QStringLiteral("/s/");
    settings.EnableConvertTinyURL = true;
    settings.EnableDisplayIcon = true;
    return settings;
}

// Wall time of a timeline fetch with 20 new icons, and how long the UI thread
// is held by the hand-back (storing the icons plus the result handler).
void BM_TimelineFetchWithNewIcons(benchmark::State& state) {
    TBenchService service;
    QObject receiver;
    double longestHandBack = 0;
    double totalHandBack = 0;
    for (auto _ : state) {
        auto icons = std::make_shared<TIconList>();
        QImage mark(13, 13, QImage::Format_RGB32);
        TImageList images(mark);
        bool done = false;
        auto* fetch = new TTwitterFriends(BenchSettings(service));
        fetch->IconList = icons;
        fetch->ImageList = &images;
        fetch->Receiver = &receiver;
        fetch->OnResult = [&](const TTwitterFetch& f, int outcome) {
            done = outcome == OutcomeDone && f.Friends.Count() == 20;
        };
        fetch->Start();
        while (LiveWorkerCount() > 0) {
            const auto before = Clock::now();
            const bool wasDone = done;
            QCoreApplication::processEvents();
            const double took =
                std::chrono::duration<double, std::micro>(Clock::now() - before).count();
            if (done && !wasDone) {
                longestHandBack = std::max(longestHandBack, took);
                totalHandBack += took;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        if (!done || images.Count() != 21)
            state.SkipWithError("the fetch did not bring 20 statuses and 20 icons");
    }
    state.counters["handback_us_mean"] = totalHandBack / double(state.iterations());
    state.counters["handback_us_max"] = longestHandBack;
}
BENCHMARK(BM_TimelineFetchWithNewIcons)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the stop flag to the end of a worker whose server never answers.
void BM_StopStuckWorker(benchmark::State& state) {
    TBenchService service;
    service.Hang = true;
    for (auto _ : state) {
        state.PauseTiming();
        auto* fetch = new TTwitterFriends(BenchSettings(service));
        fetch->Start();
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the request is out
        state.ResumeTiming();
        RequestWorkersStop();
        WaitForWorkers(std::chrono::seconds(5));
        state.PauseTiming();
        ResetWorkersStop();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StopStuckWorker)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
} // namespace
