#include "ShortcutFile.h"

#include <QFileInfo>

#include "FileReplace.h"
#include "IniFile.h"
#include "ShortcutText.h"

namespace {

const QString Section = QStringLiteral("Shortcut");

// Captions follow the user's tab labels; a line break in one must not start
// a line of its own in the file.
QString OneLine(QString caption) {
    return caption.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

void WriteShortcutFile(const QString& path, const QList<TShortcutEntry>& entries) {
    QString text =
        QStringLiteral("; ショートカット定義ファイル\r\n"
                       "; このファイルの意味が理解できる人以外は編集しないでください！\r\n"
                       "\r\n"
                       "[Shortcut]\r\n");
    for (const TShortcutEntry& entry : entries) {
        text += QStringLiteral("; ") + OneLine(entry.Caption) + QStringLiteral("\r\n");
        text +=
            entry.Name + QLatin1Char('=') + ShortcutToText(entry.Shortcut) + QStringLiteral("\r\n");
    }
    ReplaceFile(path, text.toUtf8());
}

void ApplyShortcutFile(const QString& path, QList<TShortcutEntry>& entries) {
    if (!QFileInfo::exists(path))
        return;
    const TIniFile ini(path);
    for (TShortcutEntry& entry : entries) {
        if (ini.ValueExists(Section, entry.Name))
            entry.Shortcut = ShortcutFromText(ini.ReadString(Section, entry.Name, QString()));
    }
}
