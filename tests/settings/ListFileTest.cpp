#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "FileHelpers.h"
#include "ListFile.h"
#include "WriteError.h"

namespace {

class ListFileTest : public testing::Test {
protected:
    QString Path() const { return Dir.filePath(QStringLiteral("quorbel.pic")); }
    QTemporaryDir Dir;
};

TEST_F(ListFileTest, ReadsEveryLineEndAndKeepsEmptyLines) {
    const struct {
        QByteArray Bytes;
        QStringList Entries;
    } cases[] = {
        {"", {}},
        {"abc", {"abc"}},
        {"abc\r\n", {"abc"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"猫\r\n\r\n犬\r\n", {"猫", "", "犬"}},
        {"\r\n", {""}},
        {"a\n\n", {"a", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {" spaced \r\n", {" spaced "}},
        {QByteArray("a\r\nb\0c\r\nd\0", 10), {"a", "bc", "d"}},
        {"\xEF\xBB\xBF"
         "first\r\n",
         {"first"}},
        // Only the file's own mark is taken off; U+FEFF inside the list stays.
        {"\xEF\xBB\xBF\xEF\xBB\xBF"
         "a\r\n\xEF\xBB\xBF"
         "b",
         {QStringLiteral("\uFEFFa"), QStringLiteral("\uFEFFb")}},
    };
    for (const auto& c : cases) {
        WriteBytes(Path(), c.Bytes);
        EXPECT_EQ(ReadListFile(Path()), c.Entries) << c.Bytes.toStdString();
    }
    EXPECT_TRUE(ReadListFile(Dir.filePath("missing.ban")).isEmpty());
}

TEST_F(ListFileTest, WritesCrLfAfterEveryEntryByteForByte) {
    const QStringList entries{"ニュース", "", "emoji😺", " x "};
    WriteListFile(Path(), entries);
    EXPECT_EQ(ReadBytes(Path()), QByteArray("ニュース\r\n\r\nemoji😺\r\n x \r\n"));
    EXPECT_EQ(ReadListFile(Path()), entries);

    // A first entry that begins with U+FEFF is not taken for the file's mark.
    const QStringList marked{QStringLiteral("\uFEFFfirst"), QStringLiteral("\uFEFFsecond")};
    WriteListFile(Path(), marked);
    EXPECT_EQ(ReadListFile(Path()), marked);

    WriteListFile(Path(), {});
    EXPECT_TRUE(QFile::exists(Path()));
    EXPECT_EQ(QFileInfo(Path()).size(), 0);
}

TEST_F(ListFileTest, AFailedWriteThrowsAndLeavesTheOldList) {
    WriteBytes(Path(), "old\r\n");
    try {
        const TFileSizeLimit limit;
        WriteListFile(Path(), {QString(64, QLatin1Char('n'))});
        ADD_FAILURE() << "no error raised";
    } catch (const TWriteError& error) {
        EXPECT_EQ(error.Message(),
                  Path() + QStringLiteral(" に書き込めません: ") + SystemReason(EFBIG));
    }
    EXPECT_EQ(ReadBytes(Path()), QByteArray("old\r\n"));
}

} // namespace
