#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

void FuzzCheck(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString ScratchPath(const QString& name) {
    static const std::unique_ptr<QTemporaryDir> folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        auto made = std::make_unique<QTemporaryDir>(base + QStringLiteral("/quorbel-fuzz-XXXXXX"));
        FuzzCheck(made->isValid(), "the scratch folder could not be made");
        return made;
    }();
    return folder->filePath(name);
}

void WriteScratchFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(bytes) == bytes.size(),
              "the scratch file could not be written");
}
