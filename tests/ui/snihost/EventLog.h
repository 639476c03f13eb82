#pragma once

#include <QJsonObject>

// One JSON object per line on the standard output, written at once: the test
// that started the host reads them as they come.
void LogEvent(const QJsonObject& event);
