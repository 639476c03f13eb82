#include <atomic>
#include <cstdio>
#include <thread>

#include <csignal>
#include <pthread.h>

#include <QCoreApplication>

#include "ServiceOptions.h"
#include "WassrService.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.contains("--help") || args.contains("-h")) {
        std::fputs(qPrintable(ServiceUsage()), stdout);
        return 0;
    }
    QString error;
    const auto options = ParseServiceOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "wassrd: %s\n%s", qPrintable(error), qPrintable(ServiceUsage()));
        return 2;
    }

    // Every thread started from here on leaves SIGTERM and SIGINT to sigwait below;
    // a client that hangs up mid-reply must not kill the service.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    TWassrService service(*options);
    const int port = service.Bind(error);
    if (port < 0) {
        std::fprintf(stderr, "wassrd: %s\n", qPrintable(error));
        return 1;
    }
    std::atomic<bool> listened = true;
    std::thread server([&] { listened = service.Listen(); });
    // stop() is ignored until the server runs, so the port is announced only then.
    while (!service.IsRunning() && listened)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::printf("%d\n", port);
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    service.Stop();
    server.join();
    return listened ? 0 : 1;
}
