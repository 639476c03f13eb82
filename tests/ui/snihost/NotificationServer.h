#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

// org.freedesktop.Notifications that shows nothing and logs every Notify call;
// with markup it says it reads markup in a body, as most desktops' servers do.
class TNotificationServer final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit TNotificationServer(bool markup) : Markup(markup) {}

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
    bool Markup;
    uint LastId = 0;
};
