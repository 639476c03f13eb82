#include "PostText.h"

#include <algorithm>

#include "MbText.h"
#include "Urls.h"

namespace {

// One blank between every single-byte character (other than a blank) and a
// multi-byte one next to it, in either order; the text counts as preceded by a
// single-byte character, so a text that opens with a multi-byte one gets a
// blank in front.
QByteArray JapanizeSpacing(const QByteArray& s) {
    QByteArray t;
    t.reserve(s.size() * 2);
    bool previousMulti = false;
    bool previousBlank = false;
    qsizetype pos = 0;
    while (pos < s.size()) {
        const qsizetype start = pos;
        const bool multi = NextMbChar(s, pos) > 1;
        const bool blank = !multi && s[start] == ' ';
        if ((multi && !previousMulti && !previousBlank) || (!multi && previousMulti && !blank))
            t.append(' ');
        t.append(s.constData() + start, pos - start);
        previousMulti = multi;
        previousBlank = blank;
    }
    return t;
}

} // namespace

bool IsStatusTooLong(const QString& text) {
    return text.size() > MaxStatusLength;
}

QByteArray PostWireText(const QString& text, const TQuorbelPrefs& prefs) {
    const QByteArray s = text.toUtf8();
    QByteArray t = prefs.EnableJapanize ? JapanizeSpacing(s) : s;
    if (!(prefs.EnableHeart && t.contains(" <3")) && prefs.AddQuorbelSign)
        t += ' ' + prefs.QuorbelMark.toUtf8();
    if (prefs.EnableJapanize)
        t = ' ' + t + ' ';
    return t;
}

QByteArray PostStatusField(const QString& text, const TQuorbelPrefs& prefs) {
    return URLEncode(PostWireText(text, prefs));
}

QString ReplyEditText(const QString& editText, const TQuorbelItem& item, bool ctrlDown,
                      bool heartRow, bool enableHeart) {
    if (heartRow && enableHeart)
        return QStringLiteral("<3");
    if (!ctrlDown || editText.startsWith(QStringLiteral("D ")))
        return {};
    return u'@' + item.UserID + u' ' + editText;
}

QString DirectMessageText(const TQuorbelItem& item) {
    return QStringLiteral("D ") + item.UserID + u' ';
}

qsizetype TPostHistory::IndexOf(const QString& editText) const {
    const auto it = std::find_if(Entries.begin(), Entries.end(), [&editText](const QString& entry) {
        return entry.compare(editText, Qt::CaseInsensitive) == 0;
    });
    return it == Entries.end() ? -1 : it - Entries.begin();
}

std::optional<THistoryStep> TPostHistory::Older(const QString& editText) {
    const qsizetype i = IndexOf(editText);
    if (i == -1 && !Entries.isEmpty()) {
        THistoryStep step{Entries.last(), false};
        if (!editText.isEmpty())
            Entries.append(editText);
        return step;
    }
    if (i > 0)
        return THistoryStep{Entries[i - 1], false};
    return std::nullopt;
}

std::optional<THistoryStep> TPostHistory::Newer(const QString& editText) const {
    const qsizetype i = IndexOf(editText);
    if (i == -1)
        return std::nullopt;
    return THistoryStep{i + 1 < Entries.size() ? Entries[i + 1] : QString(), true};
}
