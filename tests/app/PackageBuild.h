#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs a tool to its end within msecs; true when it exited with 0. output
// gets what it wrote to either channel.
bool RunTool(const QString& program, const QStringList& args, QByteArray* output = nullptr,
             int msecs = 30000);

// Builds the Debian package from this build into folder and returns its path,
// or an empty string with cpack's output in log.
QString BuildPackage(const QString& folder, QByteArray& log);
