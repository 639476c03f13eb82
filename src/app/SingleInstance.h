#pragma once

#include <QFile>
#include <QObject>
#include <QString>

class QSocketNotifier;

// One running instance per program file. The first start holds a lock file
// and listens on a local socket, both named after the instance key and kept
// in the user's runtime folder (without a usable one, in a folder of the
// user's cache that only the user may enter); a later start of the same file
// finds the lock taken and connects to the socket, which asks the running
// instance to show its window.
class TSingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class TAcquired {
        Acquired, // this process is now the instance
        Running,  // another process holds the lock
        Failed,   // the lock cannot be opened: whether another runs is unknown
    };

    // key: InstanceName of the program path.
    explicit TSingleInstance(const QString& key, QObject* parent = nullptr);
    ~TSingleInstance() override;

    TAcquired Acquire();
    // After a failed Acquire: what went wrong, in Japanese for the message
    // box, with the lock's path and the system's reason.
    QString FailureText() const { return Failure; }
    QString LockPath() const { return LockFile.fileName(); }
    // Asks the running instance to show its window; false when none answered.
    bool AskRunningToShow() const;

signals:
    void ShowRequested();

private:
    void Listen();
    void Accept();
    TAcquired Fail(const QString& reason);

    QString SocketPath;
    QFile LockFile;
    QString Failure;
    int Listener = -1;
    QSocketNotifier* Notifier = nullptr;
};
