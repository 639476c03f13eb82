#include <gtest/gtest.h>

#include "TimelineFixture.h"

namespace {

// Popup switches and which statuses the balloon lists. The page holds: a reply
// from a favourite-list-0 author, a status of a favourite-list-1 author, a
// pickup hit and a plain status.
struct PopupCase {
    bool onlyReply;
    bool onlyFav;
    bool onlyPickup;
    bool favPopup1;
    QString expected;
};

class PopupTest : public testing::TestWithParam<PopupCase> {};

TEST_P(PopupTest, ListsEachQualifyingStatusOnce) {
    const PopupCase& c = GetParam();
    TTimelineFixture f;
    f.Prefs.PopupOnlyReplyToMe = c.onlyReply;
    f.Prefs.PopupOnlyFavID = c.onlyFav;
    f.Prefs.PopupOnlyPickup = c.onlyPickup;
    f.Prefs.FavIDPopup[1] = c.favPopup1;
    f.Prefs.FavIDs[0] = {QStringLiteral("fav0")};
    f.Prefs.FavIDs[1] = {QStringLiteral("fav1")};
    f.Prefs.PickupWords[0] = {QStringLiteral("注目")};
    f.Merge({{1, "x", "old"}});
    f.Merge({{2, "x", "old2"}});
    const TMergeResult r = f.Merge({{6, "plain", "普通"},
                                    {5, "pick", "注目です"},
                                    {4, "fav1", "やあ"},
                                    {3, "fav0", "@me こんにちは", "me"}});
    EXPECT_EQ(r.BalloonText, c.expected);
    EXPECT_EQ(r.ShowBalloon, !c.expected.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PopupTest,
    testing::Values(
        PopupCase{false, false, false, true,
                  "plain : 普通\r\npick : 注目です\r\nfav1 : やあ\r\nfav0 : @me こんにちは\r\n"},
        PopupCase{true, false, false, true, "fav0 : @me こんにちは\r\n"},
        PopupCase{true, true, false, true, "fav1 : やあ\r\nfav0 : @me こんにちは\r\n"},
        PopupCase{false, true, false, false, "fav0 : @me こんにちは\r\n"},
        PopupCase{false, false, true, true, "pick : 注目です\r\n"}));

TEST(NoticeTest, TheBalloonShowsServerTextAsDrawn) {
    TTimelineFixture f;
    f.Merge({{1, "x", "old"}});
    f.Merge({{2, "x", "old2"}});
    const TMergeResult r =
        f.Merge({{3, "spoofu", QStringLiteral("bidi \u202Egnp.exe\u202C\uE63E")}});
    EXPECT_EQ(r.BalloonText, QStringLiteral("spoofu : bidi gnp.exe☀\r\n"));
}

TEST(NoticeTest, RepliesAtStartUpCanRaiseABalloonWithoutMarks) {
    TTimelineFixture f;
    f.Prefs.PopupOnlyReplyToMe = true;
    f.Prefs.SndReply = true;
    const TMergeResult r = f.Merge({{2, "a", "@me 朝", "me"}, {1, "b", "hi"}}, KindReplies);
    EXPECT_TRUE(r.ShowBalloon);
    EXPECT_EQ(r.BalloonTitle, QStringLiteral("Wassr:新着返信 (2件)"));
    EXPECT_EQ(r.BalloonText, QStringLiteral("a : @me 朝\r\n"));
    EXPECT_FALSE(r.Sound.has_value());

    f.Prefs.EnableBalloon = false;
    EXPECT_FALSE(f.Merge({{3, "c", "@me 昼", "me"}}, KindReplies).ShowBalloon);
}

} // namespace
