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

    // Records the sink until StopRecording, from the moment it has been quiet
    // for a while: the end of a sound still under way is left out. False when
    // the recorder did not start or the sink did not become quiet.
    bool StartRecording();
    std::vector<qint16> StopRecording();

private:
    QString RecordingPath() const;
    // All the recorder wrote so far.
    std::vector<qint16> Recorded() const;

    QTemporaryDir Folder;
    std::unique_ptr<TChildProcess> Server;
    std::unique_ptr<TChildProcess> Recorder;
    QString FFailure;
    size_t RecordingStart = 0;
};
