#include "RequestLog.h"

#include <httplib.h>

void TRequestLog::Add(const httplib::Request& request) {
    QJsonObject headers;
    for (const auto& [name, value] : request.headers) {
        // The server adds the connection's addresses as headers; they were not sent.
        if (name == "LOCAL_ADDR" || name == "LOCAL_PORT" || name == "REMOTE_ADDR" ||
            name == "REMOTE_PORT")
            continue;
        const QString key = QString::fromStdString(name);
        const QString text = QString::fromStdString(value);
        headers[key] = headers.contains(key) ? headers[key].toString() + ", " + text : text;
    }
    const QJsonObject entry{
        {"method", QString::fromStdString(request.method)},
        {"path", QString::fromStdString(request.path)},
        {"target", QString::fromStdString(request.target)},
        {"version", QString::fromStdString(request.version)},
        {"headers", headers},
        {"body", QString::fromStdString(request.body)},
    };
    std::lock_guard lock(Mutex);
    Log.push_back(entry);
    if (Log.size() > Capacity)
        Log.pop_front();
}

void TRequestLog::Clear() {
    std::lock_guard lock(Mutex);
    Log.clear();
}

QJsonArray TRequestLog::Entries() {
    std::lock_guard lock(Mutex);
    QJsonArray entries;
    for (const QJsonObject& entry : Log)
        entries.append(entry);
    return entries;
}
