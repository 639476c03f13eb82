#include "TabRebuild.h"

#include <algorithm>
#include <array>
#include <vector>

#include "StatusFilters.h"
#include "StatusText.h"

namespace {

using TRowSets = std::array<std::vector<const TListRow*>, NumberedTabCount>;

// The timeline rows, and with FavMessage the message rows, whose record passes
// the test for list i, kept per list in the source order.
template <typename Test>
TRowSets CollectRows(const TStatusLists& lists, const TQuorbelPrefs& prefs, Test test) {
    TRowSets sets;
    for (int source : {int(TabTimeline), int(TabMessage)}) {
        if (source == TabMessage && !prefs.FavMessage)
            continue;
        const TStatusListModel& list = lists.List(source);
        for (int r = 0; r < list.Count(); ++r) {
            const TListRow& row = list.Row(r);
            if (!row.Item)
                continue;
            test(*row.Item, [&sets, &row](int i) { sets[size_t(i)].push_back(&row); });
        }
    }
    return sets;
}

void Refill(TStatusLists& lists, int firstTab, const TRowSets& sets, bool reverse) {
    for (int i = 0; i < NumberedTabCount; ++i) {
        TStatusListModel& target = lists.List(firstTab + i);
        target.Clear();
        for (const TListRow* row : sets[size_t(i)]) {
            target.AppendRow({row->Item, row->Item->UserID, RemoveLineFeeds(row->Item->Text),
                              row->ImageIndex, row->StateIndex});
        }
        target.Sort(reverse);
    }
}

bool IsInRange(int i) {
    return i >= 0 && i < NumberedTabCount;
}

} // namespace

int ListNumber(int j) {
    if (j >= TabFavID && j < TabFavID + NumberedTabCount)
        return j - TabFavID;
    if (j >= TabPickupWord && j < TabPickupWord + NumberedTabCount)
        return j - TabPickupWord;
    return 0;
}

void RebuildFavIDTabs(TStatusLists& lists, const TQuorbelPrefs& prefs) {
    const TRowSets sets = CollectRows(lists, prefs, [&prefs](const TQuorbelItem& item, auto add) {
        for (int i = 0; i < NumberedTabCount; ++i) {
            if (MatchesUserID(prefs.FavIDs[size_t(i)], item.UserID))
                add(i);
        }
    });
    Refill(lists, TabFavID, sets, prefs.ReverseSort);
}

void RebuildPickupTabs(TStatusLists& lists, const TQuorbelPrefs& prefs) {
    std::array<QList<QByteArray>, NumberedTabCount> words;
    for (int i = 0; i < NumberedTabCount; ++i)
        words[size_t(i)] = NarrowWords(prefs.PickupWords[size_t(i)]);
    const bool anyWord =
        std::any_of(words.begin(), words.end(), [](const auto& w) { return !w.isEmpty(); });
    const TRowSets sets =
        CollectRows(lists, prefs, [&words, anyWord](const TQuorbelItem& item, auto add) {
            if (!anyWord)
                return;
            // The status text, not the row text: a word inside the reply
            // prefix does not count here.
            const QByteArray text = item.Text.toUtf8();
            for (int i = 0; i < NumberedTabCount; ++i) {
                if (ContainsAnyNarrowWord(words[size_t(i)], text))
                    add(i);
            }
        });
    Refill(lists, TabPickupWord, sets, prefs.ReverseSort);
}

void RefreshWordMarks(TStatusLists& lists, const TQuorbelPrefs& prefs) {
    if (!prefs.EnableDisplayIcon) {
        for (int j = 0; j < TabCount; ++j) {
            const QList<QByteArray> words = NarrowWords(prefs.PickupWords[size_t(ListNumber(j))]);
            TStatusListModel& list = lists.List(j);
            for (int r = 0; r < list.Count(); ++r) {
                const bool hit =
                    !words.isEmpty() && ContainsAnyNarrowWord(words, list.Row(r).Text.toUtf8());
                list.SetImageIndex(r, hit ? ImageHitMark : ImageNone);
            }
        }
    }
    RebuildFavIDTabs(lists, prefs);
    RebuildPickupTabs(lists, prefs);
}

bool AddFavID(TStatusLists& lists, TQuorbelPrefs& prefs, int i, const QString& userID) {
    if (!IsInRange(i))
        return false;
    QStringList& ids = prefs.FavIDs[size_t(i)];
    if (ListContainsID(ids, userID))
        return false;
    ids.append(userID);
    RebuildFavIDTabs(lists, prefs);
    return true;
}

bool RemoveFavID(TStatusLists& lists, TQuorbelPrefs& prefs, int i, const QString& userID) {
    if (!IsInRange(i))
        return false;
    QStringList& ids = prefs.FavIDs[size_t(i)];
    const auto it = std::find_if(ids.begin(), ids.end(), [&userID](const QString& id) {
        return id.compare(userID, Qt::CaseInsensitive) == 0;
    });
    if (it == ids.end())
        return false;
    ids.erase(it);
    RebuildFavIDTabs(lists, prefs);
    return true;
}

QString TabCaption(int j, const TQuorbelPrefs& prefs) {
    if (j >= TabPickupWord && j < TabPickupWord + NumberedTabCount)
        return prefs.PickupLabel[size_t(ListNumber(j))];
    if (j >= TabFavID && j < TabFavID + NumberedTabCount)
        return prefs.FavIDLabel[size_t(ListNumber(j))];
    switch (j) {
    case TabTimeline:
        return QStringLiteral("タイムライン");
    case TabMessage:
        return QStringLiteral("メッセージ(不使用)");
    case TabReply:
        return QStringLiteral("返信");
    default:
        return QStringLiteral("検索");
    }
}

QList<TNamedCaption> LabelCaptions(const TQuorbelPrefs& prefs) {
    QList<TNamedCaption> captions;
    for (int i = 0; i < NumberedTabCount; ++i) {
        const QString suffix = IndexSuffix(i);
        const QString& pickup = prefs.PickupLabel[size_t(i)];
        const QString& fav = prefs.FavIDLabel[size_t(i)];
        captions.append({QStringLiteral("TabSheetPickupWord") + suffix, pickup});
        captions.append({QStringLiteral("ActionMovePickupWord") + suffix, pickup});
        captions.append({QStringLiteral("TabSheetFavID") + suffix, fav});
        captions.append({QStringLiteral("ActionMoveFavID") + suffix, fav});
        captions.append({QStringLiteral("ActionAddFavID") + suffix,
                         QStringLiteral("「") + fav + QStringLiteral("」に追加")});
        captions.append({QStringLiteral("ActionRemoveFavID") + suffix,
                         QStringLiteral("「") + fav + QStringLiteral("」から削除")});
    }
    return captions;
}
