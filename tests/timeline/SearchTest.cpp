#include "Search.h"

#include <gtest/gtest.h>

#include "TimelineFixture.h"

namespace {

QList<qint32> Ids(const TStatusListModel& list) {
    QList<qint32> ids;
    for (int r = 0; r < list.Count(); ++r)
        ids.append(list.ItemAt(r)->ID);
    return ids;
}

class SearchTest : public testing::Test {
protected:
    SearchTest() {
        f.Merge({{6, "hanako", "絵文字😀です"},
                 {5, "jiro", "元気？", "taro"},
                 {4, "hanako", "@taro おはよう"},
                 {3, "taro", "hello world"},
                 {2, "yuki", "Taro is not taro"},
                 {1, "taro", "ラーメン"}});
    }
    int Search(const QString& query) { return SearchTimeline(f.Lists, query, f.Prefs.ReverseSort); }

    TTimelineFixture f;
};

TEST_F(SearchTest, MatchesCaptionAndDisplayedTextJoined) {
    const TStatusListModel& result = f.Lists.List(TabSearch);
    // The author, a mention in the text and the reply prefix of status 5.
    EXPECT_EQ(Search(QStringLiteral("taro")), 5);
    EXPECT_EQ(Ids(result), (QList<qint32>{5, 4, 3, 2, 1}));
    EXPECT_EQ(result.Row(0).Caption, QStringLiteral("jiro"));
    EXPECT_EQ(result.Row(0).Text, QStringLiteral("@taro 元気？"));
    EXPECT_EQ(result.ItemAt(0), f.Lists.Timeline().ItemAt(1));

    // Across the seam: "taro" + "hello world".
    EXPECT_EQ(Search(QStringLiteral("rohel")), 1);
    EXPECT_EQ(Ids(result), QList<qint32>{3});
    // Case-sensitive.
    EXPECT_EQ(Search(QStringLiteral("TARO")), 0);
    EXPECT_EQ(Search(QStringLiteral("Taro")), 1);
    // Japanese and emoji, but never half of a character.
    EXPECT_EQ(Search(QStringLiteral("😀で")), 1);
    EXPECT_EQ(Search(QString(QChar(0xDE00))), 0);

    // An empty query empties the list.
    EXPECT_EQ(Search(QString()), 0);
    EXPECT_EQ(result.Count(), 0);

    f.Prefs.ReverseSort = true;
    Search(QStringLiteral("taro"));
    EXPECT_EQ(Ids(result), (QList<qint32>{1, 2, 3, 4, 5}));
}

TEST_F(SearchTest, TheCommandsSearchForReadyMadeTexts) {
    TQuorbelItem reply;
    reply.UserID = QStringLiteral("jiro");
    reply.ReplyUserID = QStringLiteral("taro");
    const QString me = QStringLiteral("me");
    const QString sel = QStringLiteral("abc");
    using C = TSearchCommand;
    EXPECT_EQ(SearchCommandQuery(C::MyID, me, nullptr, sel), me);
    EXPECT_EQ(SearchCommandQuery(C::MyID, QString(), nullptr, sel), QString());
    EXPECT_EQ(SearchCommandQuery(C::UserID, me, &reply, sel), QStringLiteral("jiro"));
    EXPECT_EQ(SearchCommandQuery(C::ReplyID, me, &reply, sel), QStringLiteral("taro"));
    EXPECT_EQ(SearchCommandQuery(C::UserID, me, nullptr, sel), std::nullopt);
    EXPECT_EQ(SearchCommandQuery(C::ReplyID, me, nullptr, sel), std::nullopt);
    EXPECT_EQ(SearchCommandQuery(C::FindTab, me, nullptr, sel), sel);
}

TEST(SearchDrawnTest, EmojiAndBidiControlsMatchAsDrawn) {
    TTimelineFixture f;
    // DoCoMo's sun, the standard sun, SoftBank's sun; a name hidden by an override.
    f.Merge({{4, "docomo", QStringLiteral("晴れ\uE63E")},
             {3, "unicode", QStringLiteral("晴れ☀")},
             {2, "softbank", QStringLiteral("晴れ\uE04A")},
             {1, "spoof", QStringLiteral("bidi \u202Egnp.exe\u202C")}});
    const bool reverse = f.Prefs.ReverseSort;
    for (const QString& sun : {QStringLiteral("☀"), QStringLiteral("\uE63E"),
                               QStringLiteral("\uE04A"), QStringLiteral("れ\uE63E")}) {
        EXPECT_EQ(SearchTimeline(f.Lists, sun, reverse), 3) << sun.toStdString();
        EXPECT_EQ(Ids(f.Lists.List(TabSearch)), (QList<qint32>{4, 3, 2}));
    }
    // What is drawn is found, and the stored form too.
    EXPECT_EQ(SearchTimeline(f.Lists, QStringLiteral("bidi gnp"), reverse), 1);
    EXPECT_EQ(SearchTimeline(f.Lists, QStringLiteral("\u202Egnp"), reverse), 1);
    // The find dialog compares the same way.
    EXPECT_EQ(FindNext(f.Lists.Timeline(), 0, {QStringLiteral("☀"), true, true}), 1);
    EXPECT_EQ(FindNext(f.Lists.Timeline(), 1, {QStringLiteral("\uE63E"), true, true}), 2);
}

struct FindCase {
    int selected;
    const char* text;
    bool matchCase;
    bool down;
    int expected;
};

class FindNextTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindNextTest, MovesToTheNearestMatchWithoutWrapping) {
    TTimelineFixture f;
    // Rows top to bottom: 0 "aki: Hello", 1 "bob: ｈｅｌｌｏ", 2 "cat: hello", 3 "dan: bye".
    f.Merge(
        {{4, "aki", "Hello"}, {3, "bob", "ｈｅｌｌｏ"}, {2, "cat", "hello"}, {1, "dan", "bye"}});
    const FindCase& c = GetParam();
    const TFindOptions options{QString::fromUtf8(c.text), c.matchCase, c.down};
    EXPECT_EQ(FindNext(f.Lists.Timeline(), c.selected, options), c.expected)
        << c.text << " from " << c.selected;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindNextTest,
    testing::Values(
        // Without match case only ASCII letters fold; full-width ones do not.
        FindCase{0, "HELLO", false, true, 2}, FindCase{0, "hello", true, true, 2},
        FindCase{3, "Hello", true, false, 0}, FindCase{3, "hello", false, false, 2},
        FindCase{0, "ＨＥＬＬＯ", false, true, -1}, FindCase{0, "ｈｅｌｌｏ", false, true, 1},
        // The seam between caption and text.
        FindCase{0, "tHEL", false, true, 2},
        // The last row going down, the first going up, a text only above.
        FindCase{3, "bye", false, true, -1}, FindCase{0, "hello", false, false, -1},
        FindCase{2, "Hello", true, true, -1},
        // No selection or an empty text.
        FindCase{-1, "hello", false, true, -1}, FindCase{0, "", false, true, -1}));

} // namespace
