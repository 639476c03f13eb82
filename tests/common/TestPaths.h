#pragma once

#include <QString>

// Where the test binaries find their fixtures, the built tools and the sources.
inline QString TestDataPath(const QString& name) {
    return QStringLiteral(QUORBEL_TEST_DATA "/") + name;
}
inline QString BuildPath(const QString& name) {
    return QStringLiteral(QUORBEL_BUILD_DIR "/") + name;
}
inline QString SourcePath(const QString& name) {
    return QStringLiteral(QUORBEL_SOURCE_DIR "/") + name;
}
