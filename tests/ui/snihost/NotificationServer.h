#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

// org.freedesktop.Notifications that shows nothing and logs every Notify call.
class TNotificationServer final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    using QObject::QObject;

public slots:
    QStringList GetCapabilities() const;
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) const;
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout);
    void CloseNotification(uint id);

signals:
    void NotificationClosed(uint id, uint reason);
    void ActionInvoked(uint id, const QString& actionKey);

private:
    uint LastId = 0;
};
