#include "PostText.h"

#include <gtest/gtest.h>

#include <QUrl>

#include "TimelineFixture.h"

namespace {

struct PostCase {
    const char* text;
    bool japanize;
    bool sign;
    bool heart;
    const char* wire;  // before encoding
    const char* field; // the "status" value
};

class PostTextTest : public testing::TestWithParam<PostCase> {};

TEST_P(PostTextTest, BuildsTheStatusField) {
    const PostCase& c = GetParam();
    TTimelineFixture f;
    f.Prefs.EnableJapanize = c.japanize;
    f.Prefs.AddQuorbelSign = c.sign;
    f.Prefs.EnableHeart = c.heart;
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(PostWireText(text, f.Prefs), QByteArray(c.wire)) << c.text;
    EXPECT_EQ(PostStatusField(text, f.Prefs), QByteArray(c.field)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PostTextTest,
    testing::Values(
        PostCase{"abc", false, true, true, "abc *Qb*", "abc+*Qb*"},
        PostCase{"aあb", true, true, true, " a あ b *Qb* ", "+a+%E3%81%82+b+*Qb*+"},
        // A leading multi-byte character gets a blank of its own.
        PostCase{"あa", true, true, true, "  あ a *Qb* ", "++%E3%81%82+a+*Qb*+"},
        // A blank at the seam is not doubled; two Japanese characters stay together.
        PostCase{"あ い", true, false, true, "  あ い ", "++%E3%81%82+%E3%81%84+"},
        PostCase{"漢字OK", true, false, true, "  漢字 OK ", "++%E6%BC%A2%E5%AD%97+OK+"},
        // The heart needs the blank in front of it, and EnableHeart.
        PostCase{"see you <3", false, true, true, "see you <3", "see+you+%3C3"},
        PostCase{"see you <3", false, true, false, "see you <3 *Qb*", "see+you+%3C3+*Qb*"},
        PostCase{"<3 ok", false, true, true, "<3 ok *Qb*", "%3C3+ok+*Qb*"},
        // Spacing can make the heart's blank.
        PostCase{"好き<3", true, true, true, "  好き <3 ", "++%E5%A5%BD%E3%81%8D+%3C3+"},
        // Form separators in the text cannot split the body.
        PostCase{"a&b=c", false, false, true, "a&b=c", "a%26b%3Dc"},
        PostCase{"", false, true, true, " *Qb*", "+*Qb*"}));

TEST(PostTextTest, AnEmojiReachesTheServiceIntact) {
    TTimelineFixture f;
    f.Prefs.EnableJapanize = true;
    const QString text = QStringLiteral("今日も😀です");
    const QByteArray field = PostStatusField(text, f.Prefs);
    EXPECT_EQ(field, "++%E4%BB%8A%E6%97%A5%E3%82%82%F0%9F%98%80%E3%81%A7%E3%81%99+*Qb*+");
    // What the service decodes from the form body.
    const QString received = QUrl::fromPercentEncoding(QByteArray(field).replace('+', ' '));
    EXPECT_EQ(received, QStringLiteral("  今日も😀です *Qb* "));
}

TEST(PostTextTest, CountsUtf16Units) {
    EXPECT_FALSE(IsStatusTooLong(QString(140, QChar(u'あ'))));
    EXPECT_TRUE(IsStatusTooLong(QString(141, QChar(u'あ'))));
    // An emoji takes two units.
    EXPECT_TRUE(IsStatusTooLong(QString(139, u'a') + QStringLiteral("😀")));
}

TEST(ReplyTextTest, FollowsTheCtrlKeyAndTheHeart) {
    TQuorbelItem taro;
    taro.UserID = QStringLiteral("taro");
    const QString hello = QStringLiteral("hello");
    EXPECT_EQ(ReplyEditText(hello, taro, true, false, true), QStringLiteral("@taro hello"));
    EXPECT_EQ(ReplyEditText(hello, taro, false, false, true), QString());
    EXPECT_EQ(ReplyEditText(QStringLiteral("D hanako hi"), taro, true, false, true), QString());
    EXPECT_EQ(ReplyEditText(hello, taro, true, true, true), QStringLiteral("<3"));
    EXPECT_EQ(ReplyEditText(hello, taro, true, true, false), QStringLiteral("@taro hello"));
    EXPECT_EQ(DirectMessageText(taro), QStringLiteral("D taro "));
}

TEST(PostHistoryTest, KeepsTheDraftReachable) {
    TPostHistory history;
    EXPECT_EQ(history.Older(QStringLiteral("draft")), std::nullopt);
    history.Add(QStringLiteral("a"));
    history.Add(QStringLiteral("b"));

    EXPECT_EQ(history.Older(QStringLiteral("draft")), (THistoryStep{"b", false}));
    EXPECT_EQ(history.Texts(), (QStringList{"a", "b", "draft"}));
    EXPECT_EQ(history.Newer(QStringLiteral("b")), (THistoryStep{"draft", true}));
    EXPECT_EQ(history.Newer(QStringLiteral("draft")), (THistoryStep{"", true}));
    // The empty edit is not in the history: Ctrl+Down does nothing more.
    EXPECT_EQ(history.Newer(QString()), std::nullopt);

    // Up from an entry walks back, without regard to letter case, and stops at
    // the oldest.
    EXPECT_EQ(history.Older(QStringLiteral("B")), (THistoryStep{"a", false}));
    EXPECT_EQ(history.Older(QStringLiteral("a")), std::nullopt);
    // An empty edit is not kept.
    EXPECT_EQ(history.Older(QString()), (THistoryStep{"draft", false}));
    EXPECT_EQ(history.Texts().size(), 3);
}

} // namespace
