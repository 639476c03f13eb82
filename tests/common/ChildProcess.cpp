#include "ChildProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr auto EndWait = std::chrono::seconds(5);
constexpr auto EndStep = std::chrono::milliseconds(10);
} // namespace

TChildProcess::TChildProcess(const QString& program, const QStringList& args,
                             const QStringList& environment)
    : Program(program) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return;
    // Everything the child needs is made before the fork: after it, only exec.
    std::vector<QByteArray> words{program.toLocal8Bit()};
    for (const QString& arg : args)
        words.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> settings;
    for (const QString& entry : environment)
        settings.push_back(entry.toLocal8Bit());
    for (char** entry = environ; *entry; ++entry) {
        const QByteArray setting(*entry);
        const QByteArray name = setting.left(setting.indexOf('=') + 1);
        if (std::none_of(settings.begin(), settings.end(),
                         [&](const QByteArray& own) { return own.startsWith(name); }))
            settings.push_back(setting);
    }
    std::vector<char*> envp;
    for (QByteArray& entry : settings)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    const pid_t parent = getpid();
    Pid = fork();
    if (Pid == 0) {
        // A test that crashes takes the child with it: one left running would
        // hold the test runner's output open, and the run would wait for it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        dup2(pipeEnds[1], STDOUT_FILENO);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    Output = pipeEnds[0];
    if (Pid < 0) {
        close(Output);
        Output = -1;
    }
}

TChildProcess::~TChildProcess() {
    if (Output >= 0)
        close(Output);
    if (IsRunning()) {
        kill(Pid, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + EndWait;
        int status = 0;
        pid_t done = 0;
        while ((done = waitpid(Pid, &status, WNOHANG)) == 0 &&
               std::chrono::steady_clock::now() <= deadline)
            std::this_thread::sleep_for(EndStep);
        if (done == 0) {
            kill(Pid, SIGKILL);
            done = waitpid(Pid, &status, 0);
        }
        if (done == Pid)
            Reaped(status);
    }
    if (CheckEnd && EndStatus >= 0) {
        const QString problem = EndProblem();
        if (!problem.isEmpty())
            ADD_FAILURE() << Program.toStdString() << " ended with " << problem.toStdString();
    }
}

bool TChildProcess::IsRunning() {
    int status = 0;
    if (Pid > 0 && waitpid(Pid, &status, WNOHANG) == Pid)
        Reaped(status); // nothing left to end
    return Pid > 0;
}

void TChildProcess::Reaped(int status) {
    EndStatus = status;
    Pid = -1;
}

QString TChildProcess::EndProblem() const {
    if (EndStatus < 0)
        return QStringLiteral("still running");
    if (WIFEXITED(EndStatus))
        return WEXITSTATUS(EndStatus) == 0
                   ? QString()
                   : QStringLiteral("exit status %1").arg(WEXITSTATUS(EndStatus));
    if (WIFSIGNALED(EndStatus) && WTERMSIG(EndStatus) != SIGTERM)
        return QStringLiteral("signal %1").arg(WTERMSIG(EndStatus));
    return {};
}

QByteArray TChildProcess::ReadLine(int msecs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(msecs);
    while (!Buffer.contains('\n') && ReadChunk(deadline)) {
    }
    const qsizetype end = Buffer.indexOf('\n');
    if (end < 0)
        return {};
    const QByteArray line = Buffer.left(end).trimmed();
    Buffer.remove(0, end + 1);
    return line;
}

QByteArray TChildProcess::ReadAll(int msecs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(msecs);
    while (ReadChunk(deadline)) {
    }
    return std::exchange(Buffer, {});
}

bool TChildProcess::ReadChunk(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd ready{Output, POLLIN, 0};
    if (Output < 0 || left.count() <= 0 || poll(&ready, 1, int(left.count())) <= 0)
        return false;
    char chunk[4096];
    const ssize_t got = read(Output, chunk, sizeof chunk);
    if (got <= 0)
        return false;
    Buffer.append(chunk, got);
    return true;
}
