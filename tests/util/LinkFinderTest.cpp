#include "LinkFinder.h"

#include <gtest/gtest.h>

namespace {

using Ranges = QList<TTextRange>;

struct HighlightCase {
    const char* text;
    Ranges expected;
};

class HighlightTest : public testing::TestWithParam<HighlightCase> {};

TEST_P(HighlightTest, ColoursMentionsAfterTheAtAndWholeAddresses) {
    const QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(HighlightLinkRanges(text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HighlightTest,
    testing::Values(
        // The colon after a mention is not part of it, nor is the "@".
        HighlightCase{"@taro: こんにちは", {{1, 4}}},
        // Comma and full stop belong to an address; a blank, a quote or a
        // Japanese character ends it.
        HighlightCase{"見て http://a.jp/x, http://b.jp/y. あ", {{3, 14}, {18, 14}}},
        HighlightCase{"\"https://a.jp/\"", {{1, 13}}},
        HighlightCase{"http://a.jp/あいう", {{0, 12}}},
        // A full-width at sign is no mention; a lone "@" colours nothing.
        HighlightCase{"＠taro と @ だけ", {}},
        // A trailing "@" or "h" starts nothing.
        HighlightCase{"mail @", {}}, HighlightCase{"ah", {}}, HighlightCase{"HTTP://a.jp/", {}},
        // A mention inside an address is coloured too.
        HighlightCase{"http://a.jp/@bob", {{13, 3}, {0, 16}}},
        HighlightCase{"@a @b", {{1, 1}, {4, 1}}}, HighlightCase{"", {}}));

TEST(HighlightTest, AnEmojiCountsTwoPositions) {
    // Positions are UTF-16 units, as the text document counts them.
    EXPECT_EQ(HighlightLinkRanges(QString::fromUtf8("😀 @taro")), (Ranges{{4, 4}}));
}

TEST(HighlightTest, ColoursALongAddressUpTo1024Characters) {
    const QString url = QStringLiteral("http://a.jp/") + QString(2000, u'x');
    const Ranges ranges = HighlightLinkRanges(url);
    ASSERT_FALSE(ranges.isEmpty());
    EXPECT_EQ(ranges.first(), (TTextRange{0, 1024}));
}

struct FinderCase {
    const char* text;
    qsizetype p; // 1-based, as under the mouse
    TLinkHit url;
    TLinkHit mention;
};

class FinderTest : public testing::TestWithParam<FinderCase> {};

TEST_P(FinderTest, FindsTheLinkUnderThePosition) {
    const FinderCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(UrlAtPosition(text, c.p), c.url) << c.text << " at " << c.p;
    EXPECT_EQ(UserIdAtPosition(text, c.p), c.mention) << c.text << " at " << c.p;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FinderTest,
    testing::Values(
        // On the "@", on a letter of the ID, not on the colon.
        FinderCase{"@taro: やあ", 1, {}, {0, "@taro"}},
        FinderCase{"@taro: やあ", 4, {}, {0, "@taro"}}, FinderCase{"@taro: やあ", 6, {}, {}},
        FinderCase{"ね @hanako_2 さん", 8, {}, {2, "@hanako_2"}},
        // Anywhere inside an address, the full stop after it included.
        FinderCase{"see http://a.jp/x?q=1. ok", 5, {4, "http://a.jp/x?q=1."}, {}},
        FinderCase{"see http://a.jp/x?q=1. ok", 18, {4, "http://a.jp/x?q=1."}, {}},
        FinderCase{"see http://a.jp/x?q=1. ok", 23, {}, {}},
        // A mention inside an address: the address wins for opening.
        FinderCase{"http://a.jp/@bob", 15, {0, "http://a.jp/@bob"}, {12, "@bob"}},
        FinderCase{"＠taro", 3, {}, {}}, FinderCase{"a @ b", 3, {}, {}},
        // Past the end of the text and on an empty text.
        FinderCase{"@taro", 6, {}, {}}, FinderCase{"", 1, {}, {}},
        FinderCase{"plain words", 3, {}, {}}));

TEST(FinderTest, OpensOnlyThe256FirstCharactersOfALongAddress) {
    const QString url = QStringLiteral("http://a.jp/") + QString(500, u'x');
    const TLinkHit hit = UrlAtPosition(url, 300);
    EXPECT_EQ(hit.Start, 0);
    EXPECT_EQ(hit.Text, url.left(256));
}

} // namespace
