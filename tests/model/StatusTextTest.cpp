#include <gtest/gtest.h>

#include "StatusText.h"

namespace {

TEST(CopyToItem, CopiesWhatTheWindowKeeps) {
    TFriendItem source;
    source.Date = 40000.25;
    source.Link = "http://wassr.jp/user/taro/statuses/Aa01Bb02Cc";
    source.ProfileImageURL = "http://wassr.jp/user/太郎/profile_img.png.64.1";
    source.Text = "一行目\n二行目";
    source.UserID = "taro";
    source.ID = 696410;
    source.ReplyUserID = "hanako";
    source.Html = "<p>ignored</p>";
    source.IconIndex = 3;
    source.ScreenName = "太郎";
    source.Rid = "Aa01Bb02Cc";

    TQuorbelItem target;
    target.IsMessage = true;
    CopyToItem(source, target);
    EXPECT_EQ(target.ID, 696410);
    EXPECT_DOUBLE_EQ(target.Date, 40000.25);
    EXPECT_FALSE(target.IsMessage);
    EXPECT_EQ(target.UserID, "taro");
    EXPECT_EQ(target.ReplyUserID, "hanako");
    EXPECT_EQ(target.ScreenName, "太郎");
    EXPECT_EQ(target.Text, "一行目\n二行目"); // the record keeps its line feeds
    EXPECT_EQ(target.ProfileImageURL, "http://wassr.jp/user/太郎/profile_img.png.64.1");
    EXPECT_EQ(target.Link, source.Link);
    EXPECT_EQ(target.Rid, "Aa01Bb02Cc");
}

TEST(StatusRowText, PrefixAndLineFeeds) {
    struct TCase {
        const char* ReplyUserID;
        const char* Text;
        const char* Row;
    };
    const TCase cases[] = {
        {"", "こんにちは", "こんにちは"},     {"", "一行目\n二行目\n", "一行目二行目"},
        {"", "CR\r\nstays", "CR\rstays"},     {"abc", "hi\nthere", "@abc hithere"},
        {"abc", "@abc hi", "@abc hi"}, // no second prefix
        {"abc", "@xyz hi", "@xyz hi"}, // any leading @ suppresses it
        {"abc", "\n@abc hi", "@abc @abc hi"}, {"abc", "", "@abc "},
    };
    for (const auto& c : cases) {
        TQuorbelItem item;
        item.ReplyUserID = QString::fromUtf8(c.ReplyUserID);
        item.Text = QString::fromUtf8(c.Text);
        EXPECT_EQ(StatusRowText(item), QString::fromUtf8(c.Row)) << c.Text;
    }
}

} // namespace
