#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QTemporaryDir>

#include "FileHelpers.h"
#include "FileReplace.h"

namespace {

struct stat StatOf(const QString& path) {
    struct stat info {};
    stat(QFile::encodeName(path).constData(), &info);
    return info;
}

TEST(FileReplaceTest, LeavesAFileThatHoldsTheBytesAndOnlyWhenItMay) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quorbel.ini"));
    WriteBytes(path, "[Account]\r\nPasswordC=abc\r\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);

    // Same bytes, but others may read it: replaced, owner-only afterwards.
    const ino_t before = StatOf(path).st_ino;
    ReplaceFile(path, "[Account]\r\nPasswordC=abc\r\n", true);
    EXPECT_NE(StatOf(path).st_ino, before);
    EXPECT_EQ(StatOf(path).st_mode & 0777, 0600u);

    // Same bytes, right permissions: not touched.
    const ino_t kept = StatOf(path).st_ino;
    ReplaceFile(path, "[Account]\r\nPasswordC=abc\r\n", true);
    EXPECT_EQ(StatOf(path).st_ino, kept);

    // Other bytes of the same length: replaced.
    ReplaceFile(path, "[Account]\r\nPasswordC=xyz\r\n", true);
    EXPECT_EQ(ReadBytes(path), QByteArray("[Account]\r\nPasswordC=xyz\r\n"));
}

} // namespace
