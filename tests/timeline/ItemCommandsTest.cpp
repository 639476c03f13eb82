#include "ItemCommands.h"

#include <gtest/gtest.h>

#include <limits>

#include "DateText.h"
#include "RequestTexts.h"
#include "ScopedLocale.h"
#include "Search.h"
#include "TabRebuild.h"
#include "TimelineFixture.h"
#include "Worker.h"

namespace {

TQuorbelItem Item(const QString& user, const QString& replyTo = {},
                  const QByteArray& link = "http://wassr.jp/user/taro/statuses/r1") {
    TQuorbelItem item;
    item.ID = 42;
    item.UserID = user;
    item.ReplyUserID = replyTo;
    item.Link = link;
    return item;
}

struct PageCase {
    TPageCommand command;
    const TQuorbelItem* item;
    const char* selected;
    const char* expected;
};

TEST(PageURLTest, BuildsTheAddressOfEachCommand) {
    const TServerEndpoints server; // WebURL http://wassr.jp
    const TQuorbelItem taro = Item(QStringLiteral("taro"), QStringLiteral("hanako"));
    const TQuorbelItem plain = Item(QStringLiteral("taro"));
    TQuorbelItem message = taro;
    message.IsMessage = true;
    const TQuorbelItem script = Item(QStringLiteral("taro"), {}, "javascript:alert(1)");
    using P = TPageCommand;
    const PageCase cases[] = {
        {P::FriendHome, &taro, "", "http://wassr.jp/user/taro"},
        {P::FriendFav, &taro, "", "http://wassr.jp/user/taro/favorites/"},
        {P::ReplyHome, &taro, "", "http://wassr.jp/user/hanako"},
        {P::ReplyHome, &plain, "", ""},
        {P::ReplyHome, &message, "", ""},
        {P::Twitter, nullptr, "", "http://wassr.jp/"},
        {P::MyFavorites, nullptr, "", "http://wassr.jp/my/favorite/"},
        {P::StatusPage, &taro, "", "http://wassr.jp/user/taro/statuses/r1"},
        {P::StatusPage, &message, "", ""},
        {P::FriendSite, &message, "", "http://wassr.jp/user/taro/statuses/r1"},
        // Only web addresses are opened.
        {P::FriendSite, &script, "", ""},
        {P::FriendHome, nullptr, "", ""},
        // The searched text stays whole.
        {P::SearchGoogle, nullptr, "C# & F#",
         "https://www.google.co.jp/search?q=C%23%20%26%20F%23"},
        {P::SearchWikipedia, nullptr, "東京", "https://ja.wikipedia.org/wiki/%E6%9D%B1%E4%BA%AC"},
        {P::SearchWassrSearch, nullptr, "a/b", "http://wassr-search.example.jp/wassr/?k=a%2Fb"},
        {P::Help, nullptr, "", "http://quorbel.example.jp/quorbel/help/"},
    };
    for (const PageCase& c : cases) {
        EXPECT_EQ(PageURL(c.command, server, c.item, QString::fromUtf8(c.selected)),
                  QString::fromUtf8(c.expected))
            << int(c.command) << " " << c.expected;
    }
}

TEST(CopyTextTest, CopiesTheRowOrTheLink) {
    TQuorbelItem taro = Item(QStringLiteral("taro"), QStringLiteral("me"));
    const TListRow row{&taro, QStringLiteral("taro"), QStringLiteral("@me やあ")};
    EXPECT_EQ(CopyText(TCopyCommand::UserID, row), QStringLiteral("taro"));
    EXPECT_EQ(CopyText(TCopyCommand::UserStatus, row), QStringLiteral("@me やあ"));
    EXPECT_EQ(CopyText(TCopyCommand::StatusURL, row),
              QStringLiteral("http://wassr.jp/user/taro/statuses/r1"));
    taro.IsMessage = true;
    EXPECT_EQ(CopyText(TCopyCommand::StatusURL, row), std::nullopt);

    // Carrier emoji are copied as standard emoji; bidi controls stay as stored.
    const TListRow emoji{&taro, QStringLiteral("taro"),
                         QStringLiteral("晴れ\uE63E \u202Eab\uE04A")};
    EXPECT_EQ(CopyText(TCopyCommand::UserStatus, emoji), QStringLiteral("晴れ☀ \u202Eab☀"));
}

TEST(PropertyTextTest, WritesNineLines) {
    TQuorbelItem item = Item(QStringLiteral("taro"));
    item.ScreenName = QStringLiteral("太郎");
    item.Text = QStringLiteral("こんにちは");
    item.ProfileImageURL = QStringLiteral("http://wassr.jp/user/taro/profile_img.png.64");
    item.Date = QDateTimeToDateTime(QDateTime(QDate(2009, 7, 1), QTime(12, 34, 56)));
    EXPECT_EQ(PropertyText(item),
              QStringLiteral("ID : 42\r\n"
                             "ScreenName : taro\r\n"
                             "NickName : 太郎\r\n"
                             "Text : こんにちは\r\n"
                             "CreatedAt : 2009/07/01 12:34:56\r\n"
                             "ReplyScreenName : \r\n"
                             "ProfileImageURL : "
                             "http://wassr.jp/user/taro/profile_img.png.64\r\n"
                             "ItemType : 0\r\n"
                             "URL : http://wassr.jp/user/taro/statuses/r1\r\n"));
    // At exactly midnight the time is left out.
    item.Date = QDateTimeToDateTime(QDateTime(QDate(2009, 7, 1), QTime(0, 0)));
    EXPECT_TRUE(PropertyText(item).contains(QStringLiteral("CreatedAt : 2009/07/01\r\n")));
    // A time that is no date is left blank rather than guessed.
    item.Date = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(PropertyText(item).contains(QStringLiteral("CreatedAt : \r\n")));
    EXPECT_EQ(LocaleDateTimeText(1.0e300), QString());
}

// Every date a status can carry is shown, the first and last years included.
TEST(PropertyTextTest, DatesOfAnyYearAreShown) {
    const TScopedLocale locale(QLocale(QLocale::Japanese, QLocale::Japan));
    const struct {
        QDateTime At;
        const char* Text;
    } cases[] = {
        {QDateTime(QDate(1, 1, 1), QTime(0, 0, 1)), "0001/01/01 0:00:01"},
        {QDateTime(QDate(1899, 12, 29), QTime(23, 0)), "1899/12/29 23:00:00"},
        {QDateTime(QDate(2100, 3, 1), QTime(12, 0)), "2100/03/01 12:00:00"},
        {QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)), "9999/12/31 23:59:59"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LocaleDateTimeText(QDateTimeToDateTime(c.At)), QString::fromUtf8(c.Text));
    // The last second the service can send, seen nine hours east of UTC.
    EXPECT_FALSE(LocaleDateTimeText(EpochToDateTime(253402300799.0, 9)).isEmpty());
}

// The user's locale writes the date and the long time: its order, its
// separators, its hour clock, always with the seconds.
TEST(PropertyTextTest, TheTimeIsWrittenTheLocalesWay) {
    const struct {
        QLocale Locale;
        const char* Afternoon;
        const char* Midnight;
    } cases[] = {
        {QLocale(QLocale::Japanese, QLocale::Japan), "2009/07/01 13:34:56", "2009/07/01"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "7/1/09 1:34:56 PM", "7/1/09"},
        {QLocale(QLocale::German, QLocale::Germany), "01.07.09 13:34:56", "01.07.09"},
        {QLocale(QLocale::Danish, QLocale::Denmark), "01.07.2009 13.34.56", "01.07.2009"},
    };
    for (const auto& c : cases) {
        const TScopedLocale locale(c.Locale);
        const QDate day(2009, 7, 1);
        EXPECT_EQ(QString::fromUtf8(c.Afternoon),
                  LocaleDateTimeText(QDateTimeToDateTime(QDateTime(day, QTime(13, 34, 56)))));
        EXPECT_EQ(QString::fromUtf8(c.Midnight),
                  LocaleDateTimeText(QDateTimeToDateTime(QDateTime(day, QTime(0, 0)))));
    }
}

TEST(PropertyTextTest, ShowsServerTextAsDrawn) {
    TQuorbelItem item = Item(QStringLiteral("spoofu"));
    item.ScreenName = QStringLiteral("\u202Eevil");
    item.Text = QStringLiteral("bidi \u202Egnp.exe\u202C \uE63E");
    const QString text = PropertyText(item);
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nNickName : evil\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nText : bidi gnp.exe ☀\r\n")))
        << text.toStdString();
}

TEST(ItemCommandsTest, OnlyOwnStatusesCanBeDeleted) {
    const TQuorbelItem mine = Item(QStringLiteral("me"));
    TQuorbelItem message = mine;
    message.IsMessage = true;
    EXPECT_TRUE(CanDestroy(&mine, QStringLiteral("me")));
    EXPECT_FALSE(CanDestroy(&mine, QStringLiteral("Me")));
    EXPECT_FALSE(CanDestroy(&message, QStringLiteral("me")));
    EXPECT_FALSE(CanDestroy(nullptr, QStringLiteral("me")));
    EXPECT_TRUE(CanCreateFavorite(&mine));
    EXPECT_FALSE(CanCreateFavorite(&message));
}

TEST(ItemCommandsTest, ADeletionMarksOneRowPerListButTheMessageList) {
    TTimelineFixture f;
    f.Prefs.FavIDs[1] = {QStringLiteral("me")};
    f.Prefs.PickupWords[0] = {QStringLiteral("消")};
    f.Merge({{2, "me", "消すつもり"}, {1, "taro", "@me 消して", "me"}});
    f.Merge({{3, "me", "@taro 消す", "taro"}});
    SearchTimeline(f.Lists, QStringLiteral("消"), false);

    EXPECT_EQ(MarkDeleted(f.Lists, 2), 4); // timeline, pickup 0, favourite 1, search
    for (int j : {int(TabTimeline), int(TabPickupWord), TabFavID + 1, int(TabSearch)}) {
        const TStatusListModel& list = f.Lists.List(j);
        const int r = list.IndexOfItem(f.Lists.Timeline().ItemAt(1));
        ASSERT_GE(r, 0) << j;
        EXPECT_EQ(list.Row(r).StateIndex, StateDeleted) << j;
    }
    // The other statuses keep their marks and every row stays.
    EXPECT_EQ(f.Lists.Timeline().Count(), 3);
    EXPECT_EQ(f.Lists.Timeline().Row(0).StateIndex, StateMine);
    EXPECT_EQ(f.Lists.List(TabReply).Row(0).StateIndex, StateReplyToMe);
    EXPECT_EQ(MarkDeleted(f.Lists, 99), 0);
}

TEST(RequestTextsTest, NamesEachOutcome) {
    EXPECT_EQ(FavoriteRequestTexts.ForOutcome(OutcomeDone), QStringLiteral("イイネ! 追加終了"));
    EXPECT_EQ(DestroyRequestTexts.ForOutcome(OutcomeApiLimit),
              QStringLiteral("Status削除エラー(API制限)"));
    EXPECT_EQ(PostRequestTexts.ForOutcome(OutcomeError), QStringLiteral("ステータス送信エラー"));
    // Codes without a text leave the panel alone.
    EXPECT_EQ(FavoriteRequestTexts.ForOutcome(OutcomeParseError), std::nullopt);
    EXPECT_EQ(VersionRequestTexts.ForOutcome(OutcomeApiLimit), std::nullopt);
}

} // namespace
