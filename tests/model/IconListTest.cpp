#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "IconList.h"
#include "ImageList.h"

namespace {

TEST(IconList, FirstEntryWinsAndUrlsMatchExactly) {
    TIconList icons;
    EXPECT_EQ(icons.IndexOfURL("http://wassr.jp/user/a/profile_img.png.64.1"), -1);
    icons.AddIcon("http://wassr.jp/user/a/profile_img.png.64.1", 1);
    icons.AddIcon("http://wassr.jp/user/b/profile_img.png.64.1", 2);
    icons.AddIcon("http://wassr.jp/user/a/profile_img.png.64.1", 3); // same author met twice
    EXPECT_EQ(icons.Count(), 3);
    EXPECT_EQ(icons.At(2).Index, 3);
    EXPECT_EQ(icons.At(2).URL, "http://wassr.jp/user/a/profile_img.png.64.1");

    EXPECT_EQ(icons.IndexOfURL("http://wassr.jp/user/a/profile_img.png.64.1"), 1);
    EXPECT_EQ(icons.IndexOfURL("http://wassr.jp/user/b/profile_img.png.64.1"), 2);
    for (const QByteArray url : {"http://wassr.jp/user/A/profile_img.png.64.1",
                                 "http://wassr.jp/user/a/profile_img.png.64.1 ",
                                 "http://wassr.jp/user/a/profile_img.png.64.12", ""})
        EXPECT_EQ(icons.IndexOfURL(url), -1) << url.toStdString();
}

// Fetch workers look icons up while the UI thread adds them: every lookup
// must see either no entry or the first one, never a torn list.
TEST(IconList, LookupsDuringAdditions) {
    constexpr int Authors = 2000;
    const auto url = [](int i) { return "http://wassr.jp/user/u" + QByteArray::number(i) + "/i"; };
    TIconList icons;
    std::atomic<bool> done = false;
    std::atomic<int> wrong = 0;

    std::vector<std::thread> readers;
    for (int r = 0; r < 3; ++r) {
        readers.emplace_back([&, r] {
            for (int i = r; !done; i = (i + 7) % Authors) {
                const int index = icons.IndexOfURL(url(i));
                if (index != -1 && index != i + 1)
                    ++wrong;
                if (icons.Count() > 2 * Authors)
                    ++wrong;
            }
        });
    }
    for (int i = 0; i < Authors; ++i) {
        icons.AddIcon(url(i), i + 1);
        icons.AddIcon(url(i), Authors + i + 1); // a second download of the same icon
    }
    done = true;
    for (auto& reader : readers)
        reader.join();

    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(icons.Count(), 2 * Authors);
    EXPECT_EQ(icons.IndexOfURL(url(Authors - 1)), Authors);
}

TEST(ImageList, FirstImageIsTheMarkAndIconsFollow) {
    QImage mark(13, 13, QImage::Format_RGB32);
    mark.fill(Qt::red);
    TImageList images(mark);
    EXPECT_EQ(images.Count(), 1);

    QImage icon(13, 13, QImage::Format_RGB32);
    icon.fill(Qt::blue);
    EXPECT_EQ(images.Add(icon), 1);
    EXPECT_EQ(images.Add(icon), 2);
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(images.At(0).pixel(0, 0), mark.pixel(0, 0));
    EXPECT_EQ(images.At(2).pixel(0, 0), icon.pixel(0, 0));
    for (int none : {-1, 3, 1000})
        EXPECT_TRUE(images.At(none).isNull()) << none;
}

} // namespace
