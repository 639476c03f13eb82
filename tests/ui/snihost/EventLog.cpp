#include "EventLog.h"

#include <cstdio>

#include <QJsonDocument>

void LogEvent(const QJsonObject& event) {
    std::fputs(QJsonDocument(event).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
