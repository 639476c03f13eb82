#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <QFile>

#include "Friends.h"
#include "TestPaths.h"

namespace {

QByteArray ReadData(const QString& name) {
    QFile file(TestDataPath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

constexpr int Tokyo = 9;
constexpr double UnixEpochDays = 25569.0; // 1970-01-01 in days since 1899-12-30

TEST(FriendsParse, RealTimelineReplyWithExtraKeys) {
    TFriends friends;
    friends.ParseJSON(ReadData("model/wassr_public_timeline.json"), Tokyo);
    ASSERT_EQ(friends.Count(), 1);
    const TFriendItem& item = friends[0];
    EXPECT_EQ(item.Html, "test");
    // The text ends in an emoji from the Private Use Area.
    EXPECT_EQ(item.Text, QString::fromUtf8("@sample_id もどうぞよろしく") + QChar(0xE63E));
    EXPECT_EQ(item.Link, "http://wassr.jp/user/staff/statuses/XXXXXXXXXX");
    EXPECT_EQ(item.ID, 696410);
    EXPECT_EQ(item.Rid, "XXXXXXXXXX");
    EXPECT_EQ(item.UserID, "sample_id");
    EXPECT_EQ(item.ReplyUserID, "sample_id");
    EXPECT_DOUBLE_EQ(item.Date, UnixEpochDays + (1251857805.0 + 9 * 3600) / 86400);
    EXPECT_EQ(item.ScreenName, "sample_id");
    EXPECT_EQ(item.ProfileImageURL, "http://wassr.jp/user/sample_id/profile_img.png.64.1246432820");
    EXPECT_EQ(item.IconIndex, 0);
    EXPECT_TRUE(item.Icon.isNull());
}

TEST(FriendsParse, EdgeCasesPage) {
    TFriends friends;
    friends.ParseJSON(ReadData("model/timeline_edge_cases.json"), Tokyo);
    ASSERT_EQ(friends.Count(), 4);

    // A null reply id stays empty even when the text begins with a name;
    // epoch 0 at UTC+9 is 1970-01-01 09:00.
    EXPECT_EQ(friends[0].ReplyUserID, "");
    EXPECT_EQ(friends[0].ID, 12345);
    EXPECT_DOUBLE_EQ(friends[0].Date, UnixEpochDays + 9.0 / 24);
    EXPECT_EQ(friends[0].ScreenName, "太郎");

    // An empty reply id is derived from the text; fractions of a second count.
    EXPECT_EQ(friends[1].ReplyUserID, "abc");
    EXPECT_EQ(friends[1].ID, 2147483647);
    EXPECT_DOUBLE_EQ(friends[1].Date, UnixEpochDays + (1251857805.5 + 9 * 3600) / 86400);

    // "@abc" alone names nobody; without "user" both user fields stay empty.
    EXPECT_EQ(friends[2].ReplyUserID, "");
    EXPECT_EQ(friends[2].ID, -2147483647 - 1);
    EXPECT_TRUE(friends[2].ScreenName.isEmpty());
    EXPECT_TRUE(friends[2].ProfileImageURL.isEmpty());

    // Escapes decode, line feeds are kept in the record, leading zeros are fine.
    EXPECT_EQ(friends[3].Text, QString::fromUtf8("一行目\n二行目\r\n\"引用\" é") + QChar(0xE001));
    EXPECT_EQ(friends[3].ReplyUserID, "taro");
    EXPECT_EQ(friends[3].ID, 7);
    EXPECT_DOUBLE_EQ(friends[3].Date, UnixEpochDays + (-3600.0 + 9 * 3600) / 86400);
}

TEST(FriendsParse, OffsetShiftsByWholeHours) {
    const QByteArray body = ReadData("model/timeline_edge_cases.json");
    TFriends west;
    west.ParseJSON(body, -5);
    EXPECT_DOUBLE_EQ(west[0].Date, UnixEpochDays - 5.0 / 24);
    TFriends local;
    local.ParseJSON(body);
    EXPECT_DOUBLE_EQ(local[0].Date, UnixEpochDays + TimeZoneOffset().Hours / 24.0);
}

TEST(FriendsParse, EmptyArrayAndReparseReplaceTheList) {
    TFriends friends;
    friends.ParseJSON(ReadData("model/timeline_edge_cases.json"), Tokyo);
    friends.ParseJSON(" [ ] ", Tokyo);
    EXPECT_EQ(friends.Count(), 0);
    EXPECT_EQ(friends.begin(), friends.end());
}

// One well-formed status as raw JSON members, so that a case can drop a key or
// put any bytes in place of a value.
const std::vector<std::pair<QByteArray, QByteArray>> GoodStatus = {
    {"html", R"("<p>hi</p>")"},
    {"text", R"("hi")"},
    {"link", R"("http://wassr.jp/user/taro/statuses/Aa01Bb02Cc")"},
    {"id", R"("696410")"},
    {"rid", R"("Aa01Bb02Cc")"},
    {"user_login_id", R"("taro")"},
    {"reply_user_login_id", "null"},
    {"epoch", "1251857805"},
    {"user", R"({"screen_name": "taro", "profile_image_url": "http://wassr.jp/i.png"})"},
};

QByteArray Member(const QByteArray& key, const QByteArray& value) {
    return '"' + key + "\": " + value;
}

// The status with the member key set to value, or dropped when value is empty.
QByteArray Status(const QByteArray& key = {}, const QByteArray& value = {}) {
    QByteArrayList members;
    bool known = false;
    for (const auto& [name, json] : GoodStatus) {
        known = known || name == key;
        if (name != key)
            members << Member(name, json);
        else if (!value.isEmpty())
            members << Member(key, value);
    }
    if (!known && !key.isEmpty())
        members << Member(key, value);
    return '{' + members.join(", ") + '}';
}

QByteArray Page(const QByteArray& status) {
    return '[' + Status() + ", " + status + ']';
}

TEST(FriendsParse, AcceptsIdLimitsAndIgnoresDeepExtraKeys) {
    const QByteArray deep = QByteArray(500, '[') + QByteArray(500, ']');
    for (const auto& [key, value] : std::vector<std::pair<QByteArray, QByteArray>>{
             {"id", R"("2147483647")"},
             {"id", R"("-2147483648")"},
             {"id", R"("0")"},
             {"favorites", deep},
             {"areacode", "null"},
             {"epoch", "253402300799"},
         }) {
        TFriends friends;
        EXPECT_NO_THROW(friends.ParseJSON(Page(Status(key, value)), Tokyo)) << key.toStdString();
        EXPECT_EQ(friends.Count(), 2);
    }
}

struct THostileCase {
    std::string Name;
    QByteArray Body;
};

std::vector<THostileCase> HostileCases() {
    std::vector<THostileCase> cases = {
        {"empty body", ""},
        {"blank body", " \r\n"},
        {"html error page", "<html><body>503</body></html>"},
        {"top object", Status()},
        {"top string", R"("[]")"},
        {"top null", "null"},
        {"truncated", Page(Status()).chopped(2)},
        {"garbage after array", Page(Status()) + " x"},
        {"two documents", Page(Status()) + Page(Status())},
        {"element number", "[1]"},
        {"element null", "[null]"},
        {"element array", Page("[]")},
        {"html null", Page(Status("html", "null"))},
        {"text number", Page(Status("text", "1"))},
        {"link array", Page(Status("link", "[]"))},
        {"id number", Page(Status("id", "696410"))},
        {"id 12a", Page(Status("id", R"("12a")"))},
        {"id empty", Page(Status("id", R"("")"))},
        {"id minus only", Page(Status("id", R"("-")"))},
        {"id leading blank", Page(Status("id", R"(" 12")"))},
        {"id trailing blank", Page(Status("id", R"("12 ")"))},
        {"id plus", Page(Status("id", R"("+12")"))},
        {"id fraction", Page(Status("id", R"("1.0")"))},
        {"id hex", Page(Status("id", R"("0x10")"))},
        {"id full-width digits", Page(Status("id", R"("１２")"))},
        {"id over 32 bits", Page(Status("id", R"("2147483648")"))},
        {"id under 32 bits", Page(Status("id", R"("-2147483649")"))},
        {"id huge", Page(Status("id", R"("99999999999999999999999999")"))},
        {"rid null", Page(Status("rid", "null"))},
        {"user_login_id bool", Page(Status("user_login_id", "true"))},
        {"reply id number", Page(Status("reply_user_login_id", "0"))},
        {"reply id object", Page(Status("reply_user_login_id", "{}"))},
        {"epoch string", Page(Status("epoch", R"("1251857805")"))},
        {"epoch null", Page(Status("epoch", "null"))},
        {"epoch overflows double", Page(Status("epoch", "1e400"))},
        {"epoch huge", Page(Status("epoch", "1e300"))},
        {"epoch beyond year 9999", Page(Status("epoch", "253402300800"))},
        {"epoch before year 1", Page(Status("epoch", "-62135596801"))},
        {"user null", Page(Status("user", "null"))},
        {"user string", Page(Status("user", R"("taro")"))},
        {"user array", Page(Status("user", "[]"))},
        {"user without screen_name", Page(Status("user", R"({"profile_image_url": "x"})"))},
        {"user icon null",
         Page(Status("user", R"({"screen_name": "t", "profile_image_url": null})"))},
        {"invalid UTF-8", Page(Status("text", "\"\xFF\xFE\""))},
        {"truncated UTF-8", Page(Status("text", "\"\xE3\x81\""))},
        {"overlong UTF-8", Page(Status("text", "\"\xC0\xAF\""))},
        {"UTF-8 surrogate", Page(Status("text", "\"\xED\xA0\x80\""))},
        {"deep nesting",
         Page(Status("favorites", QByteArray(100000, '[') + QByteArray(100000, ']')))},
        {"unterminated deep nesting", QByteArray(1000000, '[')},
        {"NUL byte", Page(Status()).insert(1, '\0')},
    };
    for (const auto& [key, json] : GoodStatus) {
        if (key != "user")
            cases.push_back({"missing " + key.toStdString(), Page(Status(key))});
    }
    return cases;
}

TEST(FriendsParse, HostileDocumentsRaiseAndLeaveTheListEmpty) {
    for (const auto& [name, body] : HostileCases()) {
        TFriends friends;
        friends.ParseJSON(Page(Status()), Tokyo);
        ASSERT_EQ(friends.Count(), 2);
        EXPECT_THROW(friends.ParseJSON(body, Tokyo), TParseError)
            << name << ": " << body.left(120).toStdString();
        EXPECT_EQ(friends.Count(), 0) << name;
    }
}

TEST(ReplyTargetFromText, LeadingName) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"@abc こんにちは", "abc"},
        {"@abc:hi", "abc"},
        {"@ab@cd x", "ab@cd"},
        {"@A_Z09az x", "A_Z09az"},
        {"@abcこんにちは", "abc"}, // a multi-byte character ends the name
        {"@ab-c x", "ab"},
        {"@ab[c x", "ab"},
        {"@ab`c x", "ab"},
        {"@ab{c x", "ab"},
        {"@ x", ""},
        {"@abc", ""}, // nothing ends the name
        {"@", ""},
        {"abc @def x", ""},
        {"＠abc x", ""},
        {"", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(TFriends::ReplyTargetFromText(text), expected) << text.toStdString();
}

} // namespace
