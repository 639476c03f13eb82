#include "StatusLists.h"

#include <algorithm>

#include "DrawnText.h"
#include "NoticeCollector.h"
#include "NotifySound.h"
#include "StatusFilters.h"
#include "StatusText.h"

namespace {

const QString Heart = QStringLiteral("<3");

bool IsSortedList(int j) {
    return j != TabMessage && j != TabSearch;
}

} // namespace

TStatusLists::TStatusLists(QObject* parent) : QObject(parent) {
    for (int j = 0; j < TabCount; ++j) {
        // The timeline owns the records; so does the message list, which no
        // operation fills.
        const bool owns = j == TabTimeline || j == TabMessage;
        Lists[size_t(j)] = std::make_unique<TStatusListModel>(owns, this);
        Lists[size_t(j)]->setObjectName(ListViewNames[size_t(j)]);
    }
}

void TStatusLists::SortLists(bool reverse) {
    for (int j = 0; j < TabCount; ++j) {
        if (IsSortedList(j))
            List(j).Sort(reverse);
    }
}

TMergeResult TStatusLists::MergeStatuses(const TFriends& friends, const QString& kind,
                                         const TQuorbelPrefs& prefs) {
    TMergeResult result;
    const bool replyKind = kind == KindReplies;
    result.FirstLoad = List(replyKind ? TabReply : TabTimeline).Count() == 0;
    std::array<bool, NumberedTabCount> favHit{};
    std::array<bool, NumberedTabCount> pickHit{};
    TNoticeCollector notices(prefs);

    // Copies keep the timeline's order when sorting is off, otherwise they go
    // where the sort would put them.
    auto place = [&prefs](TStatusListModel& list, TListRow row, bool atBottom) {
        if (prefs.EnableSort)
            list.InsertSorted(std::move(row), prefs.ReverseSort);
        else if (atBottom)
            list.AppendRow(std::move(row));
        else
            list.InsertRow(0, std::move(row));
    };

    // The word lists and each text in UTF-8 once, not once a list and word.
    const QList<QByteArray> ngWords = NarrowWords(prefs.NGWords);
    std::array<QList<QByteArray>, NumberedTabCount> pickupWords;
    for (int i = 0; i < NumberedTabCount; ++i)
        pickupWords[size_t(i)] = NarrowWords(prefs.PickupWords[size_t(i)]);
    const bool anyWords =
        !ngWords.isEmpty() || std::any_of(pickupWords.begin(), pickupWords.end(),
                                          [](const QList<QByteArray>& w) { return !w.isEmpty(); });

    // The service lists newest first; take the statuses oldest first.
    for (qsizetype k = friends.Count() - 1; k >= 0; --k) {
        const TFriendItem& s = friends[k];
        if (IsKnownID(s.ID))
            continue;
        const QByteArray narrowText = anyWords ? s.Text.toUtf8() : QByteArray();
        if (ContainsAnyNarrowWord(ngWords, narrowText))
            continue;
        ++result.Added;
        if (result.Added == 1 && !prefs.EnableUnreadManager) {
            for (int j = 0; j < TabCount; ++j) {
                if (j != TabMessage)
                    List(j).ClearNewMarks(true);
            }
        }

        auto owned = std::make_unique<TQuorbelItem>();
        CopyToItem(s, *owned);
        owned->IsMessage = false;
        TQuorbelItem* item = owned.get();

        std::array<bool, NumberedTabCount> pick{};
        bool anyPick = false;
        for (int i = 0; i < NumberedTabCount; ++i) {
            pick[size_t(i)] = ContainsAnyNarrowWord(pickupWords[size_t(i)], narrowText);
            anyPick = anyPick || pick[size_t(i)];
        }

        TListRow row{item, s.UserID, StatusRowText(*item)};
        item->RowDrawnAsStored = IsDrawnAsStored(row.Caption) && IsDrawnAsStored(row.Text);
        row.ImageIndex =
            prefs.EnableDisplayIcon ? s.IconIndex : (anyPick ? ImageHitMark : ImageNone);
        notices.BeginStatus(item->UserID, item->Text);
        if (TopID != 0) {
            row.StateIndex = StateNew;
            notices.NewPoint();
        }
        const bool heart = prefs.EnableHeart && item->Text.contains(Heart);
        std::optional<TListRow> replyRow;
        if (s.ReplyUserID == prefs.Username) {
            row.StateIndex = StateReplyToMe;
            replyRow = row;
            if (heart)
                replyRow->StateIndex = StateHeart;
            ++result.Replies;
            notices.ReplyPoint();
        } else if (s.UserID == prefs.Username) {
            row.StateIndex = StateMine;
        }
        if (heart)
            row.StateIndex = StateHeart;

        // Known and in the timeline, or neither: a status known but missing
        // would be skipped by every later fetch.
        KnownIDs.insert(item->ID, item);
        try {
            place(Timeline(), row, prefs.ReverseSort);
        } catch (...) {
            KnownIDs.remove(item->ID);
            throw;
        }
        owned.release();
        if (replyRow)
            place(List(TabReply), *replyRow, false);
        for (int i = 0; i < NumberedTabCount; ++i) {
            if (MatchesUserID(prefs.FavIDs[size_t(i)], item->UserID)) {
                place(List(TabFavID + i), row, false);
                favHit[size_t(i)] = true;
                notices.FavIDPoint(i);
            }
        }
        for (int i = 0; i < NumberedTabCount; ++i) {
            if (pick[size_t(i)]) {
                place(List(TabPickupWord + i), row, false);
                pickHit[size_t(i)] = true;
                notices.PickupPoint(i);
            }
        }
    }

    result.StatusText =
        kind + QStringLiteral("取得終了 (") + QString::number(result.Added) + QStringLiteral("件)");
    const bool news = result.Added > 0 && !result.FirstLoad;
    result.ShowBalloon = prefs.EnableBalloon && !notices.Text().isEmpty();
    result.BalloonTitle = QStringLiteral("Wassr:新着") + kind + QStringLiteral(" (") +
                          QString::number(result.Added) + QStringLiteral("件)");
    result.BalloonText = notices.Text();
    if (prefs.TaskIconNotify)
        result.TrayImage = news ? 1 : 0;
    result.TabNews[TabTimeline] = news;
    result.TabNews[TabReply] = result.Replies > 0 && !result.FirstLoad;
    for (int i = 0; i < NumberedTabCount; ++i) {
        result.TabNews[size_t(TabFavID + i)] = favHit[size_t(i)];
        result.TabNews[size_t(TabPickupWord + i)] = pickHit[size_t(i)];
    }
    if (news) {
        if (result.Replies > 0 && prefs.SndReply)
            result.Sound = SoundReply;
        else if (prefs.SndStatus)
            result.Sound = SoundStatus;
    }
    if (prefs.EnableSort)
        SortLists(prefs.ReverseSort);
    if (Timeline().Count() > 0 && !result.FirstLoad)
        TopID = Timeline().ItemAt(0)->ID;
    return result;
}
