#pragma once

#include <QString>

// Where the test binaries find their fixtures and the built tools.
inline QString TestDataPath(const QString& name) {
    return QStringLiteral(QUORBEL_TEST_DATA "/") + name;
}
inline QString BuildPath(const QString& name) {
    return QStringLiteral(QUORBEL_BUILD_DIR "/") + name;
}
