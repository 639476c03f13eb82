// A StatusNotifier host for the tray tests: on the session bus it owns
// org.kde.StatusNotifierWatcher and org.freedesktop.Notifications, prints
// {"event":"ready"} once both are its own, then one line per registered item
// and per notification. With --markup its notification server reads markup.
#include <cstdlib>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include "EventLog.h"
#include "NotificationServer.h"
#include "StatusNotifierWatcher.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    TStatusNotifierWatcher watcher;
    TNotificationServer notifications(app.arguments().contains(QStringLiteral("--markup")));
    constexpr auto exported = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                              QDBusConnection::ExportAllProperties;
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher, exported) ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &notifications,
                            exported) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        LogEvent({{"event", "failed"}, {"reason", bus.lastError().message()}});
        return EXIT_FAILURE;
    }
    LogEvent({{"event", "ready"}});
    return app.exec();
}
