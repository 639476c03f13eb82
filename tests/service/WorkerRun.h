#pragma once

#include <chrono>
#include <optional>

#include <QObject>

#include "RecordingServer.h"
#include "RequestSettings.h"
#include "Worker.h"

inline constexpr auto WorkerBound = std::chrono::seconds(30);

// Settings that point every endpoint at the server, with the account taro/pass.
TRequestSettings ServerSettings(const TRecordingServer& server);

// Starts the worker with a live receiver, waits until it has ended and returns
// the outcome it handed back (none when there was no hand-back). inspect sees
// the worker during the hand-back, on the UI thread.
template <class W, class Inspect>
std::optional<int> RunWorker(W* worker, Inspect inspect) {
    QObject receiver;
    std::optional<int> outcome;
    worker->Receiver = &receiver;
    worker->OnResult = [&](const auto& finished, int code) {
        outcome = code;
        inspect(finished);
    };
    worker->Start();
    WaitForWorkers(WorkerBound);
    return outcome;
}

template <class W>
std::optional<int> RunWorker(W* worker) {
    return RunWorker(worker, [](const auto&) {});
}
