#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "QuorbelItem.h"
#include "QuorbelPrefs.h"

// The composer's rules that need no widget.

// A status longer than this many UTF-16 units cannot be sent.
inline constexpr int MaxStatusLength = 140;
bool IsStatusTooLong(const QString& text);

// The status as it goes on the wire, before form encoding (UTF-8): the
// EnableJapanize spacing between single-byte and multi-byte characters, the
// sign (left out when EnableHeart is on and the text holds " <3") and the
// wrapping in blanks that EnableJapanize asks for.
QByteArray PostWireText(const QString& text, const TQuorbelPrefs& prefs);

// The form-encoded value of the "status" field.
QByteArray PostStatusField(const QString& text, const TQuorbelPrefs& prefs);

// The composer text after Reply on the selected status. ctrlDown: the Ctrl key
// is physically down (the command came from its shortcut); heartRow: the row
// carries the heart mark. Ordinary statuses only; a direct message answers
// with DirectMessageText.
QString ReplyEditText(const QString& editText, const TQuorbelItem& item, bool ctrlDown,
                      bool heartRow, bool enableHeart);
QString DirectMessageText(const TQuorbelItem& item);

// One step through the post history: the text to show and where the caret goes.
struct THistoryStep {
    QString Text{};
    bool CaretAtEnd = false;

    bool operator==(const THistoryStep&) const = default;
};

// The texts posted since the program started, oldest first, recalled with
// Ctrl+Up and Ctrl+Down. The edit text is looked up without regard to letter
// case; an unsent text is kept at the end when Ctrl+Up leaves it.
class TPostHistory final {
public:
    void Add(const QString& text) { Entries.append(text); }
    const QStringList& Texts() const { return Entries; }

    // Ctrl+Up; none when there is nothing older.
    std::optional<THistoryStep> Older(const QString& editText);
    // Ctrl+Down; none when the edit text is not in the history.
    std::optional<THistoryStep> Newer(const QString& editText) const;

private:
    qsizetype IndexOf(const QString& editText) const;

    QStringList Entries;
};
