#include "Files.h"

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(ListFolderEntriesTest, SkipsDotEntriesAndKeepsListOnMissingFolder) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("Default"));
    QDir(dir.path()).mkdir(QStringLiteral("Soft"));
    QDir(dir.path()).mkdir(QStringLiteral(".hidden"));

    QStringList list{QStringLiteral("old")};
    ListFolderEntries(dir.path() + "/missing", list);
    EXPECT_EQ(list, QStringList{QStringLiteral("old")});
    ListFolderEntries(QString(), list);
    EXPECT_EQ(list, QStringList{QStringLiteral("old")});

    ListFolderEntries(dir.path(), list);
    list.sort();
    EXPECT_EQ(list, (QStringList{dir.path() + "/Default", dir.path() + "/Soft"}));
}

TEST(WriteFileAtomicallyTest, ReplacesWholeFileOrNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    ASSERT_EQ(WriteFileAtomically(path, "old", true), std::nullopt);
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0);
    ASSERT_EQ(WriteFileAtomically(path, "new"), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new");

    // A folder that cannot exist (its parent is a file) fails without a
    // trace, and says why.
    EXPECT_EQ(WriteFileAtomically(path + "/x.ini", "data"),
              QString::fromLocal8Bit(std::strerror(ENOTDIR)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.ini")});
}

} // namespace
