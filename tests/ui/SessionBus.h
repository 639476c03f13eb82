#pragma once

#include <memory>

#include <QJsonObject>
#include <QString>

#include "ChildProcess.h"

// A private D-Bus session bus with our StatusNotifier host on it (build/tests/
// snihost): a desktop panel that shows tray items and a notification server
// that logs what it is sent. The test process is pointed at the bus; Qt
// connects to it once per process, so one bus serves one test process.
class TSessionBus final {
public:
    // hostArgs: snihost's (--markup).
    explicit TSessionBus(const QStringList& hostArgs = {});
    ~TSessionBus();

    // Empty when the bus and the host run; else why they do not.
    QString Failure() const { return FFailure; }
    QString Address() const { return FAddress; }
    // The host's next event ("item", "notify"); empty when none came in time.
    QJsonObject NextEvent(int msecs);

private:
    std::unique_ptr<TChildProcess> Daemon;
    std::unique_ptr<TChildProcess> Host; // after Daemon: goes first
    QString FAddress;
    QString FFailure;
};
