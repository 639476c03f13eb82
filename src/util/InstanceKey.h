#pragma once

#include <QByteArray>
#include <QString>

// 32 lower-case hex digits of the MD5 of the bytes.
QString Md5Hex(const QByteArray& bytes);

// "QuorbelInstance" + MD5 of the program path: one instance per program file.
QString InstanceName(const QString& programPath);
