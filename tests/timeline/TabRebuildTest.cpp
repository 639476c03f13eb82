#include "TabRebuild.h"

#include <gtest/gtest.h>

#include "TimelineFixture.h"

namespace {

const int Fav0 = TabFavID;
const int Pick0 = TabPickupWord;

QList<qint32> Ids(const TStatusListModel& list) {
    QList<qint32> ids;
    for (int r = 0; r < list.Count(); ++r)
        ids.append(list.ItemAt(r)->ID);
    return ids;
}

QList<int> Images(const TStatusListModel& list) {
    QList<int> images;
    for (int r = 0; r < list.Count(); ++r)
        images.append(list.Row(r).ImageIndex);
    return images;
}

class TabRebuildTest : public testing::Test {
protected:
    TabRebuildTest() {
        f.Merge({{5, "taro", "また\nね", "hanako"},
                 {4, "hanako", "taroさん元気？"},
                 {3, "Taro", "別人です"},
                 {2, "me", "自分"},
                 {1, "taro", "おはよう"}});
    }
    TTimelineFixture f; // account "me"
};

TEST_F(TabRebuildTest, FavouriteIDsMatchCaseSensitivelyButEditIgnoringCase) {
    f.Prefs.FavIDs[0] = {QStringLiteral("Taro")};
    RebuildFavIDTabs(f.Lists, f.Prefs);
    EXPECT_EQ(Ids(f.Lists.List(Fav0)), QList<qint32>{3});

    // taro is a member of a list holding Taro: adding changes nothing.
    EXPECT_FALSE(AddFavID(f.Lists, f.Prefs, 0, QStringLiteral("taro")));
    EXPECT_EQ(f.Prefs.FavIDs[0], QStringList{"Taro"});

    // Removing taro deletes the entry Taro; the tab is now empty.
    EXPECT_TRUE(RemoveFavID(f.Lists, f.Prefs, 0, QStringLiteral("taro")));
    EXPECT_TRUE(f.Prefs.FavIDs[0].isEmpty());
    EXPECT_EQ(f.Lists.List(Fav0).Count(), 0);
    EXPECT_FALSE(RemoveFavID(f.Lists, f.Prefs, 0, QStringLiteral("taro")));

    // Adding taro lists every status of taro, newest first, with the text
    // without line feeds and without the reply prefix.
    EXPECT_TRUE(AddFavID(f.Lists, f.Prefs, 0, QStringLiteral("taro")));
    EXPECT_EQ(f.Prefs.FavIDs[0], QStringList{"taro"});
    const TStatusListModel& fav = f.Lists.List(Fav0);
    EXPECT_EQ(Ids(fav), (QList<qint32>{5, 1}));
    EXPECT_EQ(fav.Row(0).Caption, QStringLiteral("taro"));
    EXPECT_EQ(fav.Row(0).Text, QStringLiteral("またね"));
    EXPECT_EQ(f.Lists.Timeline().Row(0).Text, QStringLiteral("@hanako またね"));
    EXPECT_EQ(fav.ItemAt(0), f.Lists.Timeline().ItemAt(0));
    // Other lists are untouched.
    EXPECT_EQ(f.Lists.List(Fav0 + 1).Count(), 0);

    f.Prefs.ReverseSort = true;
    f.Prefs.FavIDs[3] = {QStringLiteral("taro"), QStringLiteral("me")};
    RebuildFavIDTabs(f.Lists, f.Prefs);
    EXPECT_EQ(Ids(f.Lists.List(Fav0 + 3)), (QList<qint32>{1, 2, 5}));
}

TEST_F(TabRebuildTest, RebuildsCopyTheTimelineMarks) {
    f.Lists.Timeline().SetStateIndex(0, StateNew);
    f.Prefs.PickupWords[2] = {QString(), QStringLiteral("また")};
    RebuildPickupTabs(f.Lists, f.Prefs);
    const TStatusListModel& pick = f.Lists.List(Pick0 + 2);
    ASSERT_EQ(Ids(pick), QList<qint32>{5});
    EXPECT_EQ(pick.Row(0).StateIndex, StateNew);
    // Clearing the mark in the tab does not survive the next rebuild.
    f.Lists.List(Pick0 + 2).SetStateIndex(0, StateNone);
    RebuildPickupTabs(f.Lists, f.Prefs);
    EXPECT_EQ(f.Lists.List(Pick0 + 2).Row(0).StateIndex, StateNew);
}

TEST_F(TabRebuildTest, AWordInsideTheReplyPrefixMarksTheRowButDoesNotCollectIt) {
    f.Prefs.PickupWords[0] = {QStringLiteral("hanako")};
    RefreshWordMarks(f.Lists, f.Prefs);
    // Status 5 shows "@hanako また..." and is marked; status 4 is by hanako,
    // which is its caption, not its text.
    EXPECT_EQ(Images(f.Lists.Timeline()),
              (QList<int>{ImageHitMark, ImageNone, ImageNone, ImageNone, ImageNone}));
    EXPECT_EQ(f.Lists.List(Pick0).Count(), 0);

    f.Prefs.PickupWords[0] = {QStringLiteral("元気")};
    RefreshWordMarks(f.Lists, f.Prefs);
    EXPECT_EQ(Images(f.Lists.Timeline()),
              (QList<int>{ImageNone, ImageHitMark, ImageNone, ImageNone, ImageNone}));
    EXPECT_EQ(Ids(f.Lists.List(Pick0)), QList<qint32>{4});
    EXPECT_EQ(f.Lists.List(Pick0).Row(0).ImageIndex, ImageHitMark);

    // User icons stay when they are shown.
    f.Lists.Timeline().SetImageIndex(2, 7);
    f.Prefs.EnableDisplayIcon = true;
    RefreshWordMarks(f.Lists, f.Prefs);
    EXPECT_EQ(f.Lists.Timeline().Row(2).ImageIndex, 7);
}

TEST(ListNumberTest, NumbersTheWordAndIDLists) {
    const int expected[TabCount] = {0, 0, 0, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0};
    for (int j = 0; j < TabCount; ++j)
        EXPECT_EQ(ListNumber(j), expected[j]) << j;
}

TEST(TabCaptionTest, CaptionsFollowTheLabels) {
    TTimelineFixture f;
    f.Prefs.PickupLabel[1] = QStringLiteral("猫");
    f.Prefs.FavIDLabel[4] = QStringLiteral("友達");
    const QList<TNamedCaption> captions = LabelCaptions(f.Prefs);
    EXPECT_EQ(captions.size(), 30);
    for (const TNamedCaption& expected : {
             TNamedCaption{"TabSheetPickupWord", "注目"},
             TNamedCaption{"TabSheetPickupWord1", "猫"},
             TNamedCaption{"ActionMovePickupWord1", "猫"},
             TNamedCaption{"TabSheetFavID4", "友達"},
             TNamedCaption{"ActionMoveFavID4", "友達"},
             TNamedCaption{"ActionAddFavID", "「お気に入り」に追加"},
             TNamedCaption{"ActionAddFavID4", "「友達」に追加"},
             TNamedCaption{"ActionRemoveFavID2", "「お気に入り3」から削除"},
         })
        EXPECT_TRUE(captions.contains(expected)) << expected.Name.toStdString();

    EXPECT_EQ(TabCaption(TabTimeline, f.Prefs), QStringLiteral("タイムライン"));
    EXPECT_EQ(TabCaption(TabMessage, f.Prefs), QStringLiteral("メッセージ(不使用)"));
    EXPECT_EQ(TabCaption(TabPickupWord + 1, f.Prefs), QStringLiteral("猫"));
    EXPECT_EQ(TabCaption(TabFavID + 4, f.Prefs), QStringLiteral("友達"));
    EXPECT_EQ(TabCaption(TabSearch, f.Prefs), QStringLiteral("検索"));
}

} // namespace
