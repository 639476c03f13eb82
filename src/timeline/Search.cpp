#include "Search.h"

#include <vector>

#include <QStringMatcher>

#include "DrawnText.h"

namespace {

// The text as the lists draw it: a query typed with standard emoji finds a
// status stored with its carrier's, and the other way round.
void AsDrawn(QString& text) {
    if (!IsDrawnAsStored(text))
        text = DrawnText(text);
}

// Substring test over UTF-16 that, like MbPos over UTF-8, accepts only matches
// on character boundaries: a surrogate pair is never split.
class TTextFinder final {
public:
    explicit TTextFinder(const QString& pattern) : Matcher(pattern), Length(pattern.size()) {}

    bool In(QStringView text) const {
        if (Length == 0)
            return false;
        for (qsizetype from = 0;;) {
            const qsizetype hit = Matcher.indexIn(text, from);
            if (hit < 0)
                return false;
            if (!SplitsPair(text, hit) && !SplitsPair(text, hit + Length))
                return true;
            from = hit + 1;
        }
    }

private:
    static bool SplitsPair(QStringView text, qsizetype at) {
        return at > 0 && at < text.size() && text[at].isLowSurrogate() &&
               text[at - 1].isHighSurrogate();
    }

    QStringMatcher Matcher;
    qsizetype Length;
};

// A search touches every timeline row and the two strings it points to, and
// spends its time waiting for memory: ask early for the row a few steps ahead,
// and for its strings once the row itself has arrived.
constexpr int PrefetchDistance = 8;

void PrefetchAhead(const TStatusListModel& list, int r) {
    const int count = list.Count();
    if (r + 2 * PrefetchDistance < count)
        __builtin_prefetch(&list.Row(r + 2 * PrefetchDistance));
    if (r + PrefetchDistance < count) {
        const TListRow& next = list.Row(r + PrefetchDistance);
        __builtin_prefetch(next.Caption.constData());
        __builtin_prefetch(next.Text.constData());
    }
}

void AsciiUpper(QString& text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
}

} // namespace

int SearchTimeline(TStatusLists& lists, const QString& query, bool reverseSort) {
    const TTextFinder finder(DrawnText(query));
    const TStatusListModel& timeline = lists.Timeline();
    TStatusListModel& result = lists.List(TabSearch);
    result.Clear();
    std::vector<TListRow> found;
    QString joined;
    for (int r = 0; r < timeline.Count(); ++r) {
        PrefetchAhead(timeline, r);
        const TListRow& row = timeline.Row(r);
        if (!row.Item)
            continue;
        joined.resize(0);
        joined.append(row.Caption).append(row.Text);
        if (!row.Item->RowDrawnAsStored)
            AsDrawn(joined);
        if (!finder.In(joined))
            continue;
        // The timeline row already shows the record with its reply prefix.
        found.push_back({row.Item, row.Item->UserID, row.Text, row.ImageIndex, row.StateIndex});
    }
    result.AppendRows(std::move(found));
    result.Sort(reverseSort);
    return result.Count();
}

std::optional<QString> SearchCommandQuery(TSearchCommand command, const QString& username,
                                          const TQuorbelItem* selected,
                                          const QString& selectedText) {
    switch (command) {
    case TSearchCommand::MyID:
        return username;
    case TSearchCommand::UserID:
        return selected ? std::optional(selected->UserID) : std::nullopt;
    case TSearchCommand::ReplyID:
        return selected ? std::optional(selected->ReplyUserID) : std::nullopt;
    case TSearchCommand::FindTab:
        return selectedText;
    }
    return std::nullopt;
}

int FindNext(const TStatusListModel& list, int selected, const TFindOptions& options) {
    if (selected < 0 || selected >= list.Count())
        return -1;
    QString pattern = DrawnText(options.Text);
    if (!options.MatchCase)
        AsciiUpper(pattern);
    const TTextFinder finder(pattern);
    const int step = options.Down ? 1 : -1;
    QString joined;
    for (int r = selected + step; r >= 0 && r < list.Count(); r += step) {
        joined.resize(0);
        joined.append(list.Row(r).Caption).append(list.Row(r).Text);
        AsDrawn(joined);
        if (!options.MatchCase)
            AsciiUpper(joined);
        if (finder.In(joined))
            return r;
    }
    return -1;
}
