// The floor for the start-up benchmark: a plain Qt window that reports the
// moment of its first paint the way the program does.
#include <chrono>
#include <cstdio>

#include <QApplication>
#include <QMainWindow>

#include "StopSignals.h"

namespace {

class TBareWindow final : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* event) override {
        QMainWindow::paintEvent(event);
        if (Painted)
            return;
        Painted = true;
        std::fprintf(
            stderr, "first paint at %lld ns\n",
            static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::fflush(stderr);
    }

private:
    bool Painted = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The benchmark ends each start with SIGTERM. Ended the program's way,
    // with the display connection closed, the window does not slow the next
    // start: one after a process killed with its connection open takes a few
    // milliseconds longer to connect, whichever program it is.
    TStopSignals stopSignals;
    QObject::connect(&stopSignals, &TStopSignals::Received, &app, &QCoreApplication::quit);
    TBareWindow window;
    window.setWindowTitle(QStringLiteral("Quorbel Ver0.52"));
    window.resize(370, 460);
    window.show();
    return app.exec();
}
