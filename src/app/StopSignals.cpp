#include "StopSignals.h"

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {

int Pipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(Pipe[1], &byte, 1);
}

} // namespace

TStopSignals::TStopSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Pipe) != 0)
        return;
    Notifier = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(Pipe[0], &byte, 1);
        Arrived = true;
        emit Received();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

TStopSignals::~TStopSignals() {
    if (!Notifier)
        return;
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    delete Notifier;
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}
