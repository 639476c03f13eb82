#pragma once

#include <QFile>
#include <QObject>
#include <QString>

class QSocketNotifier;

// One running instance per program file. The first start holds a lock file
// and listens on a local socket, both named after the instance key and kept
// in the user's runtime folder; a later start of the same file finds the lock
// taken and connects to the socket, which asks the running instance to show
// its window.
class TSingleInstance final : public QObject {
    Q_OBJECT
public:
    // key: InstanceName of the program path.
    explicit TSingleInstance(const QString& key, QObject* parent = nullptr);
    ~TSingleInstance() override;

    // True when this process is now the instance; false when another holds it.
    bool Acquire();
    // Asks the running instance to show its window; false when none answered.
    bool AskRunningToShow() const;

signals:
    void ShowRequested();

private:
    void Listen();
    void Accept();

    QString SocketPath;
    QFile LockFile;
    int Listener = -1;
    QSocketNotifier* Notifier = nullptr;
};
