#include "NotificationServer.h"

#include "EventLog.h"

QStringList TNotificationServer::GetCapabilities() const {
    if (Markup)
        return {QStringLiteral("body"), QStringLiteral("body-markup")};
    return {QStringLiteral("body")};
}

QString TNotificationServer::GetServerInformation(QString& vendor, QString& version,
                                                  QString& specVersion) const {
    vendor = QStringLiteral("Quorbel tests");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("snihost");
}

uint TNotificationServer::Notify(const QString& appName, uint replacesId, const QString& appIcon,
                                 const QString& summary, const QString& body, const QStringList&,
                                 const QVariantMap&, int expireTimeout) {
    LogEvent({{"event", "notify"},
              {"app", appName},
              {"replaces", int(replacesId)},
              {"icon", appIcon},
              {"summary", summary},
              {"body", body},
              {"timeout", expireTimeout}});
    return ++LastId;
}

void TNotificationServer::CloseNotification(uint id) {
    emit NotificationClosed(id, 3);
}
