#pragma once

#include <chrono>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

// A helper program run beside a test, started with fork and exec: the thread
// sanitizer follows a plain fork, while QProcess's start leaves it reporting
// races that are not there for the rest of the run.
class TChildProcess final {
public:
    // environment: "NAME=value" entries added to this process's own.
    TChildProcess(const QString& program, const QStringList& args,
                  const QStringList& environment = {});
    // Asks the program to end and waits for it; kills it if it does not.
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    // The next line of its standard output, without the line end; empty when
    // none came within msecs.
    QByteArray ReadLine(int msecs);
    // Everything it writes until it ends, or until msecs have passed.
    QByteArray ReadAll(int msecs);
    // It was started and has not ended yet.
    bool IsRunning();

private:
    // Appends what came before the deadline; false at the end of the output
    // or when nothing came in time.
    bool ReadChunk(std::chrono::steady_clock::time_point deadline);

    pid_t Pid = -1;
    int Output = -1;
    QByteArray Buffer;
};
