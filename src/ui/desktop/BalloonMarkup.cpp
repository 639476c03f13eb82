#include "BalloonMarkup.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

// A desktop that hangs on the bus delays the tray icon this long at most.
constexpr int BusMsecs = 1000;

QList<QVariant> Call(const QDBusConnection& bus, const QDBusMessage& message) {
    const QDBusMessage reply = bus.call(message, QDBus::Block, BusMsecs);
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments() : QList<QVariant>();
}

bool StatusNotifierHostShown(const QDBusConnection& bus) {
    const QList<QVariant> reply =
        Call(bus, QDBusMessage::createMethodCall(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                                 QStringLiteral("/StatusNotifierWatcher"),
                                                 QStringLiteral("org.freedesktop.DBus.Properties"),
                                                 QStringLiteral("Get"))
                      << QStringLiteral("org.kde.StatusNotifierWatcher")
                      << QStringLiteral("IsStatusNotifierHostRegistered"));
    return !reply.isEmpty() && reply.first().value<QDBusVariant>().variant().toBool();
}

} // namespace

bool BalloonReadsMarkup() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !StatusNotifierHostShown(bus))
        return false;
    const QList<QVariant> capabilities =
        Call(bus, QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                                 QStringLiteral("/org/freedesktop/Notifications"),
                                                 QStringLiteral("org.freedesktop.Notifications"),
                                                 QStringLiteral("GetCapabilities")));
    return !capabilities.isEmpty() &&
           capabilities.first().toStringList().contains(QStringLiteral("body-markup"));
}
