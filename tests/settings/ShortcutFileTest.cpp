#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryDir>

#include "CommandTable.h"
#include "FileHelpers.h"
#include "ShortcutFile.h"
#include "ShortcutText.h"
#include "TestPaths.h"
#include "WriteError.h"

namespace {

class ShortcutFileTest : public testing::Test {
protected:
    QString Path() const { return Dir.filePath(QStringLiteral("shortcut.ini")); }
    QKeyCombination ShortcutOf(const QList<TShortcutEntry>& entries, const QString& name) const {
        for (const TShortcutEntry& entry : entries) {
            if (entry.Name == name)
                return entry.Shortcut;
        }
        return Qt::Key_unknown;
    }
    QTemporaryDir Dir;
};

TEST(CommandTableTest, HoldsTheCommandsInFileOrderWithCanonicalShortcuts) {
    const auto& table = CommandTable();
    EXPECT_EQ(table.front().Name, "ActionSearchGoogle");
    EXPECT_EQ(table[13].Name, "ActionAddFavID1");
    EXPECT_EQ(table[17].Name, "ActionAddFavID");
    EXPECT_EQ(table.back().Name, "ActionSearchFindTab");
    QSet<QString> names;
    int withShortcut = 0;
    for (const TCommandInfo& command : table) {
        names.insert(command.Name.toLower());
        EXPECT_FALSE(command.Caption.isEmpty()) << command.Name.toStdString();
        if (command.DefaultShortcut.isEmpty())
            continue;
        ++withShortcut;
        // Written back exactly as the table spells it.
        EXPECT_EQ(ShortcutToText(ShortcutFromText(command.DefaultShortcut)),
                  command.DefaultShortcut);
    }
    EXPECT_EQ(names.size(), CommandCount);
    EXPECT_EQ(withShortcut, 37);
}

TEST_F(ShortcutFileTest, AFirstShutdownWritesTheHeaderAndTwoLinesPerCommand) {
    WriteShortcutFile(Path(), DefaultShortcutEntries());
    QByteArray text = ReadBytes(Path());
    EXPECT_FALSE(text.replace("\r\n", "").contains('\n'));
    const QStringList lines = QString::fromUtf8(ReadBytes(Path())).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4 + 124 + 1); // the last line break ends an empty tail
    EXPECT_EQ(lines[0], "; ショートカット定義ファイル");
    EXPECT_EQ(lines[1], "; このファイルの意味が理解できる人以外は編集しないでください！");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "[Shortcut]");
    EXPECT_EQ(lines[4], "; Googleで検索");
    EXPECT_EQ(lines[5], "ActionSearchGoogle=");
    EXPECT_EQ(lines[6], "; コピー(&C)");
    EXPECT_EQ(lines[7], "ActionCopy=Ctrl+C");
    EXPECT_TRUE(lines.contains("; 検索(&S)..."));
    EXPECT_TRUE(lines.contains("ActionCopyUserID=Shift+Ctrl+I"));
    EXPECT_TRUE(lines.contains("ActionHelp=F1"));
    EXPECT_EQ(lines[126], "; 検索タブで検索");
    EXPECT_EQ(lines[127], "ActionSearchFindTab=");
    EXPECT_EQ(lines[128], "");
}

TEST_F(ShortcutFileTest, AppliesAUserFileAndWritesItBackCanonically) {
    WriteBytes(Path(), ReadBytes(TestDataPath(QStringLiteral("settings/shortcut-edited.ini"))));
    QList<TShortcutEntry> entries = DefaultShortcutEntries();
    ApplyShortcutFile(Path(), entries);

    EXPECT_EQ(ShortcutOf(entries, "ActionCopy"), QKeyCombination());
    EXPECT_EQ(ShortcutOf(entries, "ActionReply"),
              QKeyCombination(Qt::ShiftModifier | Qt::ControlModifier, Qt::Key_X));
    EXPECT_EQ(ShortcutOf(entries, "ActionFind"), QKeyCombination(Qt::ControlModifier, Qt::Key_C));
    EXPECT_EQ(ShortcutOf(entries, "ActionExit"), QKeyCombination(Qt::AltModifier, Qt::Key_F4));
    EXPECT_EQ(ShortcutOf(entries, "ActionHelp"), QKeyCombination()); // names no key
    EXPECT_EQ(ShortcutOf(entries, "ActionExecuteReload"),            // no line: built-in
              QKeyCombination(Qt::ControlModifier, Qt::Key_R));

    WriteShortcutFile(Path(), entries);
    const QString text = QString::fromUtf8(ReadBytes(Path()));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nActionCopy=\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nActionReply=Shift+Ctrl+X\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nActionFind=Ctrl+C\r\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("ActionNoSuchCommand")));
    EXPECT_FALSE(text.contains(QStringLiteral("my own note")));

    QList<TShortcutEntry> reread = DefaultShortcutEntries();
    ApplyShortcutFile(Path(), reread);
    EXPECT_EQ(reread, entries);
}

TEST_F(ShortcutFileTest, AMissingFileChangesNothing) {
    QList<TShortcutEntry> entries = DefaultShortcutEntries();
    ApplyShortcutFile(Path(), entries);
    EXPECT_EQ(entries, DefaultShortcutEntries());
}

TEST_F(ShortcutFileTest, CaptionsFromLabelsStayOnOneLine) {
    QList<TShortcutEntry> entries{{"ActionMoveFavID", "a\r\nActionCopy=Ctrl+Q", {}},
                                  {"ActionCopy", "コピー(&C)", Qt::Key_unknown}};
    WriteShortcutFile(Path(), entries);
    QList<TShortcutEntry> reread = entries;
    reread[1].Shortcut = QKeyCombination(Qt::ControlModifier, Qt::Key_C);
    ApplyShortcutFile(Path(), reread);
    EXPECT_EQ(reread[1].Shortcut, QKeyCombination());
}

TEST_F(ShortcutFileTest, AFailedWriteThrowsTheMessage) {
    WriteBytes(Dir.filePath("file"), "x");
    const QString path = Dir.filePath("file/shortcut.ini");
    try {
        WriteShortcutFile(path, DefaultShortcutEntries());
        ADD_FAILURE() << "no error raised";
    } catch (const TWriteError& error) {
        EXPECT_EQ(error.Message(),
                  path + QStringLiteral(" に書き込めません: ") + SystemReason(ENOTDIR));
    }
}

} // namespace
