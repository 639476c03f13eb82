#include <memory>
#include <new>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "FailingAllocation.h"
#include "NotifySound.h"
#include "TimelineFixture.h"

namespace {

using States = QList<int>;

TEST(MergeTest, FirstLoadFillsWithoutMarks) {
    TTimelineFixture f;
    QAbstractItemModelTester tester(&f.Lists.Timeline());
    const TMergeResult r = f.Merge({{3, "c", "三"}, {2, "me", "自分"}, {1, "a", "一"}});
    EXPECT_EQ(r.StatusText, QStringLiteral("フレンド・タイムライン取得終了 (3件)"));
    EXPECT_TRUE(r.FirstLoad);
    EXPECT_EQ(f.Captions(TabTimeline), (QStringList{"c", "me", "a"}));
    EXPECT_EQ(f.States(TabTimeline), (States{StateNone, StateMine, StateNone}));
    EXPECT_EQ(f.Lists.LastTopID(), 0);
    EXPECT_FALSE(r.ShowBalloon);
    EXPECT_FALSE(r.Sound.has_value());
    EXPECT_EQ(r.TabNews, (std::array<bool, TabCount>{}));
}

TEST(MergeTest, MarksNewsFromTheThirdFetchAndClearsEarlierMarks) {
    TTimelineFixture f;
    f.Prefs.SndStatus = true;
    f.Merge({{1, "a", "一"}});
    // The first merge into a non-empty list sets the top ID; its own statuses
    // still come in unmarked.
    TMergeResult r = f.Merge({{2, "b", "二"}, {1, "a", "一"}});
    EXPECT_EQ(r.Added, 1);
    EXPECT_FALSE(r.FirstLoad);
    EXPECT_EQ(f.States(TabTimeline), (States{StateNone, StateNone}));
    EXPECT_EQ(f.Lists.LastTopID(), 2);
    EXPECT_TRUE(r.TabNews[TabTimeline]);
    EXPECT_EQ(r.Sound, SoundStatus);

    r = f.Merge({{4, "d", "四\n改行"}, {3, "c", "三"}, {2, "b", "二"}});
    EXPECT_EQ(f.States(TabTimeline), (States{StateNew, StateNew, StateNone, StateNone}));
    EXPECT_TRUE(r.ShowBalloon);
    EXPECT_EQ(r.BalloonTitle, QStringLiteral("Wassr:新着フレンド・タイムライン (2件)"));
    EXPECT_EQ(r.BalloonText, QStringLiteral("d : 四改行\r\nc : 三\r\n"));
    EXPECT_EQ(f.Lists.Timeline().Row(0).Text, QStringLiteral("四改行"));
    EXPECT_EQ(f.Lists.Timeline().ItemAt(0)->Text, QStringLiteral("四\n改行"));

    // Nothing new: no marks change, no notice, plain tabs.
    r = f.Merge({{4, "d", "四"}});
    EXPECT_EQ(r.StatusText, QStringLiteral("フレンド・タイムライン取得終了 (0件)"));
    EXPECT_FALSE(r.ShowBalloon);
    EXPECT_FALSE(r.Sound.has_value());
    EXPECT_FALSE(r.TabNews[TabTimeline]);
    EXPECT_EQ(f.States(TabTimeline), (States{StateNew, StateNew, StateNone, StateNone}));

    // The next fetch that brings something clears the earlier marks first.
    f.Merge({{5, "e", "五"}});
    EXPECT_EQ(f.States(TabTimeline),
              (States{StateNew, StateNone, StateNone, StateNone, StateNone}));

    // With the unread manager on, marks stay until read.
    f.Prefs.EnableUnreadManager = true;
    f.Merge({{6, "f", "六"}});
    EXPECT_EQ(f.Lists.Timeline().NewMarkCount(), 2);
}

TEST(MergeTest, NGWordsDropStatusesEverywhere) {
    TTimelineFixture f;
    f.Prefs.NGWords = {QString(), QStringLiteral("abc"), QStringLiteral("禁止")};
    const TMergeResult r =
        f.Merge({{3, "a", "xabcx"}, {2, "b", "これは禁止語", "me"}, {1, "c", "ABC は大丈夫"}});
    EXPECT_EQ(r.Added, 1);
    EXPECT_EQ(f.Captions(TabTimeline), QStringList{"c"});
    EXPECT_EQ(f.Lists.List(TabReply).Count(), 0);
}

TEST(MergeTest, ReplyFavouriteAndPickupShareOneItem) {
    TTimelineFixture f;
    f.Merge({{1, "a", "一"}});
    f.Prefs.FavIDs[2] = {QStringLiteral("taro")};
    f.Prefs.PickupWords[0] = {QStringLiteral("ラーメン")};
    const TMergeResult r = f.Merge({{2, "taro", "@me ラーメン食べよう <3", "me"}});

    const TQuorbelItem* item = f.Lists.Timeline().ItemAt(0);
    for (int j : {int(TabReply), TabFavID + 2, TabPickupWord + 0}) {
        ASSERT_EQ(f.Lists.List(j).Count(), 1) << j;
        EXPECT_EQ(f.Lists.List(j).ItemAt(0), item) << j;
        EXPECT_EQ(f.Lists.List(j).Row(0).StateIndex, StateHeart) << j;
        EXPECT_EQ(f.Lists.List(j).Row(0).ImageIndex, ImageHitMark) << j;
    }
    EXPECT_EQ(f.Lists.Timeline().Row(0).StateIndex, StateHeart);
    EXPECT_TRUE(r.TabNews[TabFavID + 2]);
    EXPECT_TRUE(r.TabNews[TabPickupWord]);
    EXPECT_TRUE(r.TabNews[TabReply]);
    EXPECT_FALSE(r.TabNews[TabFavID]);
    EXPECT_EQ(r.Replies, 1);
}

TEST(MergeTest, MatchingRules) {
    TTimelineFixture f;
    f.Prefs.FavIDs[0] = {QStringLiteral("taro")};
    f.Prefs.PickupWords[1] = {QStringLiteral("abc")};
    f.Prefs.EnableHeart = false;
    f.Merge({{3, "Taro", "ABC"}, {2, "x", "xabcx <3"}, {1, "y", "hi", "Me"}});
    EXPECT_EQ(f.Lists.List(TabFavID).Count(), 0);
    EXPECT_EQ(f.Captions(TabPickupWord + 1), QStringList{"x"});
    EXPECT_EQ(f.States(TabTimeline), (States{StateNone, StateNone, StateNone}));
    EXPECT_EQ(f.Lists.List(TabReply).Count(), 0);
}

TEST(MergeTest, IconsReplaceTheHitMark) {
    TTimelineFixture f;
    f.Prefs.EnableDisplayIcon = true;
    f.Prefs.PickupWords[0] = {QStringLiteral("hit")};
    TFriends friends = MakeFriends({{2, "a", "hit"}, {1, "b", "hit"}});
    friends[0].IconIndex = 3;
    friends[1].IconIndex = -1;
    f.Lists.MergeStatuses(friends, KindTimeline, f.Prefs);
    EXPECT_EQ(f.Lists.Timeline().Row(0).ImageIndex, 3);
    EXPECT_EQ(f.Lists.Timeline().Row(1).ImageIndex, ImageNone);
}

TEST(MergeTest, SortOrders) {
    struct Case {
        bool sort;
        bool reverse;
        QStringList expected;
    };
    // b and c share a date; d is older than both but arrives last.
    const QList<TStatusSpec> page = {
        {4, "d", "", "", 100}, {3, "c", "", "", 200}, {2, "b", "", "", 200}, {1, "a", "", "", 50}};
    for (const Case& c :
         {Case{true, false, {"c", "b", "d", "a"}}, Case{true, true, {"a", "d", "b", "c"}},
          Case{false, false, {"d", "c", "b", "a"}}, Case{false, true, {"a", "b", "c", "d"}}}) {
        TTimelineFixture f;
        f.Prefs.EnableSort = c.sort;
        f.Prefs.ReverseSort = c.reverse;
        f.Prefs.FavIDs[0] = {"a", "b", "c", "d"};
        f.Merge(page.mid(2));
        f.Merge(page.mid(0, 2));
        EXPECT_EQ(f.Captions(TabTimeline), c.expected) << c.sort << c.reverse;
        if (c.sort)
            EXPECT_EQ(f.Captions(TabFavID), c.expected);
        else // copies always go on top
            EXPECT_EQ(f.Captions(TabFavID), (QStringList{"d", "c", "b", "a"}));
    }
}

TEST(MergeTest, RepliesFetchCountsItsOwnFirstLoad) {
    TTimelineFixture f;
    f.Merge({{2, "a", "一"}, {1, "b", "二"}});
    f.Merge({{2, "a", "一"}, {1, "b", "二"}});
    ASSERT_NE(f.Lists.LastTopID(), 0);
    const TMergeResult r = f.Merge({{3, "c", "@me よろしく", "me"}}, KindReplies);
    EXPECT_TRUE(r.FirstLoad);
    EXPECT_FALSE(r.TabNews[TabReply]);
    EXPECT_FALSE(r.TabNews[TabTimeline]);
    EXPECT_EQ(r.StatusText, QStringLiteral("返信取得終了 (1件)"));
    // The row is new to the timeline, so it is marked there.
    EXPECT_EQ(f.Lists.Timeline().Row(0).StateIndex, StateReplyToMe);
    EXPECT_EQ(f.Captions(TabReply), QStringList{"c"});
}

TEST(MergeTest, TrayAndSoundChoices) {
    struct Case {
        bool sndReply;
        bool sndStatus;
        std::optional<int> sound;
    };
    for (const Case& c : {Case{true, true, SoundReply}, Case{false, true, SoundStatus},
                          Case{true, false, SoundReply}, Case{false, false, std::nullopt}}) {
        TTimelineFixture f;
        f.Prefs.SndReply = c.sndReply;
        f.Prefs.SndStatus = c.sndStatus;
        f.Prefs.TaskIconNotify = true;
        EXPECT_EQ(f.Merge({{1, "a", "x"}}).TrayImage, 0); // first load
        const TMergeResult r = f.Merge({{4, "b", "x"}, {3, "c", "@me x", "me"}, {2, "d", "x"}});
        EXPECT_EQ(r.Sound, c.sound);
        EXPECT_EQ(r.TrayImage, 1);
        EXPECT_EQ(f.Merge({}).TrayImage, 0);
    }
    TTimelineFixture off;
    off.Merge({{1, "a", "x"}});
    EXPECT_FALSE(off.Merge({{2, "a", "y"}}).TrayImage.has_value());
}

// Counts the changes a list has begun and not yet ended; one left open keeps
// its views waiting for rows that never come.
class TOpenChanges final {
public:
    explicit TOpenChanges(QAbstractItemModel& model) {
        const auto begin = [this] { ++Open; };
        const auto end = [this] { --Open; };
        using M = QAbstractItemModel;
        QObject::connect(&model, &M::rowsAboutToBeInserted, &Context, begin);
        QObject::connect(&model, &M::rowsInserted, &Context, end);
        QObject::connect(&model, &M::rowsAboutToBeRemoved, &Context, begin);
        QObject::connect(&model, &M::rowsRemoved, &Context, end);
        QObject::connect(&model, &M::layoutAboutToBeChanged, &Context, begin);
        QObject::connect(&model, &M::layoutChanged, &Context, end);
        QObject::connect(&model, &M::modelAboutToBeReset, &Context, begin);
        QObject::connect(&model, &M::modelReset, &Context, end);
    }
    int Open = 0;

private:
    QObject Context;
};

// Memory running out at each allocation of a merge in turn: the failure
// reaches the caller, every list change begun is ended, and the next fetch of
// the same page brings in what the failed merge did not, each status once.
TEST(MergeTest, AMergeThatFailsMidwayKeepsTheListsWholeAndLosesNothing) {
    const TFriends page = MakeFriends({{9, "b", "花の九", "me"},
                                       {8, "b", "八"},
                                       {7, "c", "七"},
                                       {6, "a", "花の六"},
                                       {5, "me", "五"}});
    bool failed = true;
    for (long n = 1; failed; ++n) {
        TTimelineFixture f;
        f.Prefs.EnableSort = true;
        f.Prefs.FavIDs[0] = {QStringLiteral("b")};
        f.Prefs.PickupWords[1] = {QStringLiteral("花")};
        f.Merge({{2, "b", "花の二"}, {1, "a", "一"}});
        f.Merge({{3, "c", "三"}}); // from here on news is marked
        std::vector<std::unique_ptr<TOpenChanges>> open;
        for (int j = 0; j < TabCount; ++j)
            open.push_back(std::make_unique<TOpenChanges>(f.Lists.List(j)));

        {
            const TFailingAllocation failure(n);
            try {
                f.Lists.MergeStatuses(page, KindTimeline, f.Prefs);
            } catch (const std::bad_alloc&) {
            }
            failed = failure.Failed();
        }
        for (int j = 0; j < TabCount; ++j) {
            ASSERT_EQ(open[size_t(j)]->Open, 0) << "allocation " << n << ", list " << j;
            const QAbstractItemModelTester whole(
                &f.Lists.List(j), QAbstractItemModelTester::FailureReportingMode::Fatal);
        }
        f.Lists.MergeStatuses(page, KindTimeline, f.Prefs);
        QList<qint32> ids;
        for (int i = 0; i < f.Lists.Timeline().Count(); ++i)
            ids.append(f.Lists.Timeline().ItemAt(i)->ID);
        ASSERT_EQ(ids, (QList<qint32>{9, 8, 7, 6, 5, 3, 2, 1})) << "allocation " << n;
    }
}

} // namespace
