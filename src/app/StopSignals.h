#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT (a session ending, Ctrl+C) end the program the regular
// way, so the settings are saved as on "終了(&X)". The handler only writes a
// byte to a pipe; the event loop turns it into Received.
class TStopSignals final : public QObject {
    Q_OBJECT
public:
    explicit TStopSignals(QObject* parent = nullptr);
    ~TStopSignals() override;

    // A signal came (and Received was emitted), perhaps before anyone listened.
    bool WasReceived() const { return Arrived; }

signals:
    void Received();

private:
    QSocketNotifier* Notifier = nullptr;
    bool Arrived = false;
};
