#include "InstanceKey.h"

#include <QCryptographicHash>

QString Md5Hex(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

QString InstanceName(const QString& programPath) {
    return QStringLiteral("QuorbelInstance") + Md5Hex(programPath.toUtf8());
}
