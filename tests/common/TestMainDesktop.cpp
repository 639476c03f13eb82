// The main() of the tests that meet real desktop services: the window runs on
// an X server of its own (Xvfb, started here and ended with the run) through
// the xcb platform, so tray hosts and clicks reach it as on a desktop. Without
// Xvfb the run falls back to offscreen and the tests that need X skip.
#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include "ChildProcess.h"

namespace {
constexpr int DisplayStartMsecs = 10000;

bool OnlyListing(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return true;
    }
    return false;
}

// Xvfb on a free display; null when it cannot start.
std::unique_ptr<TChildProcess> StartDisplay() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return nullptr;
    auto server = std::make_unique<TChildProcess>(
        xvfb, QStringList{"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    const QByteArray display = server->ReadLine(DisplayStartMsecs);
    if (display.isEmpty())
        return nullptr;
    qputenv("DISPLAY", ':' + display);
    return server;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("LC_ALL", "C.UTF-8");
    // The tests bring their own session bus and sound server: the desktop the
    // tests were started from must not answer for them.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("XDG_CURRENT_DESKTOP");
    const std::unique_ptr<TChildProcess> display =
        OnlyListing(argc, argv) ? nullptr : StartDisplay();
    qputenv("QT_QPA_PLATFORM", display ? "xcb" : "offscreen");
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QApplication app(argc, argv); // ends before its display
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
