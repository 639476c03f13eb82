#include "StatusNotifierWatcher.h"

#include "EventLog.h"

void TStatusNotifierWatcher::RegisterStatusNotifierItem(const QString& service) {
    Items.append(service);
    LogEvent({{"event", "item"}, {"service", service}});
    emit StatusNotifierItemRegistered(service);
}

void TStatusNotifierWatcher::RegisterStatusNotifierHost(const QString&) {
    emit StatusNotifierHostRegistered();
}
