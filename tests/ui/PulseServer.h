#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QTemporaryDir>

#include "ChildProcess.h"

// A PulseAudio server of the test's own, in its own runtime folder, with one
// null sink whose monitor records what plays. The test process's sound goes
// to it; Qt connects to a sound server once per process, so one server serves
// one test process.
class TPulseServer final {
public:
    // The rate and format of recordings: 16-bit mono.
    static constexpr int RecordRate = 22050;

    TPulseServer();
    ~TPulseServer();

    // Empty when the server runs; else why it does not.
    QString Failure() const { return FFailure; }

    // Records the sink from now until StopRecording; false when the recorder
    // did not start.
    bool StartRecording();
    std::vector<qint16> StopRecording();

private:
    QTemporaryDir Folder;
    std::unique_ptr<TChildProcess> Server;
    std::unique_ptr<TChildProcess> Recorder;
    QString FFailure;
};
