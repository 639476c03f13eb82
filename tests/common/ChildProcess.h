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
    // With CheckEnd, fails the running test unless the program ended as asked.
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

    // How the program ended: empty when it ended as asked (status 0, or the
    // SIGTERM sent to end it), else what happened ("exit status 1",
    // "signal 11"); "still running" before it has ended.
    QString EndProblem() const;
    // A program whose end says something (a sanitizer finding makes a
    // non-zero status) fails the test instead of ending unseen.
    bool CheckEnd = false;

private:
    // Appends what came before the deadline; false at the end of the output
    // or when nothing came in time.
    bool ReadChunk(std::chrono::steady_clock::time_point deadline);

    void Reaped(int status);

    QString Program;
    pid_t Pid = -1;
    int EndStatus = -1; // the wait status once reaped
    int Output = -1;
    QByteArray Buffer;
};
