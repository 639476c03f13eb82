#include "FileReplace.h"

#include <QFile>

#include "Files.h"
#include "WriteError.h"

namespace {

constexpr QFileDevice::Permissions OthersMayAccess =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

bool AlreadyHolds(const QString& path, const QByteArray& data, bool ownerOnly) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != data.size())
        return false;
    if (ownerOnly && (file.permissions() & OthersMayAccess))
        return false;
    return file.readAll() == data;
}

} // namespace

void ReplaceFile(const QString& path, const QByteArray& data, bool ownerOnly) {
    if (AlreadyHolds(path, data, ownerOnly))
        return;
    if (const auto reason = WriteFileAtomically(path, data, ownerOnly))
        throw TWriteError(path, *reason);
}
