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
    EXPECT_EQ(images.Add(icon).Index, 1);
    EXPECT_EQ(images.Add(icon).Index, 2);
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(images.At(0).pixel(0, 0), mark.pixel(0, 0));
    EXPECT_EQ(images.At(2).pixel(0, 0), icon.pixel(0, 0));
    for (int none : {-1, 3, 1000})
        EXPECT_TRUE(images.At(none).isNull()) << none;
}

QImage Filled(QColor colour) {
    QImage image(13, 13, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Full, an added icon takes the place of the one drawn or met least recently;
// the old index then gives no image, and the cache forgets its address.
TEST(ImageList, BeyondItsCapacityTheLeastRecentlyUsedIconGoes) {
    TImageList images(Filled(Qt::red), 3);
    TIconList icons;
    const QColor colours[] = {Qt::blue, Qt::green, Qt::yellow, Qt::cyan, Qt::magenta};
    int index[5];
    for (int i = 0; i < 3; ++i) {
        const TImageList::TAdded added = images.Add(Filled(colours[i]));
        EXPECT_EQ(added.Replaced, -1);
        index[i] = added.Index;
        icons.AddIcon("u" + QByteArray::number(i), index[i]);
    }
    EXPECT_EQ((std::vector<int>{index[0], index[1], index[2]}), (std::vector<int>{1, 2, 3}));
    // Drawn: the first and the third; the second is the oldest use now.
    (void)images.At(index[0]);
    EXPECT_TRUE(images.Holds(index[2]));
    TImageList::TAdded added = images.Add(Filled(colours[3]));
    EXPECT_EQ(added.Replaced, index[1]);
    icons.RemoveIndex(added.Replaced);
    index[3] = added.Index;
    icons.AddIcon("u3", index[3]);
    EXPECT_NE(index[3], index[1]);
    EXPECT_TRUE(images.At(index[1]).isNull());
    EXPECT_EQ(images.At(index[3]).pixelColor(0, 0), QColor(Qt::cyan));
    EXPECT_EQ(icons.IndexOfURL("u1"), -1);
    EXPECT_EQ(icons.IndexOfURL("u3"), index[3]);
    // The mark is never given away, and the number of places stays.
    added = images.Add(Filled(colours[4]));
    EXPECT_EQ(added.Replaced, index[0]);
    EXPECT_EQ(images.At(0).pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(images.Count(), 4);
    EXPECT_EQ(icons.Count(), 3);
}

// Rotating addresses, as a server may hand out: the cache and the images stay
// within the capacity however many addresses pass.
TEST(ImageList, RotatingAddressesStayWithinTheCapacity) {
    constexpr int Capacity = 8;
    TImageList images(Filled(Qt::red), Capacity);
    TIconList icons;
    for (int i = 0; i < 1000; ++i) {
        const TImageList::TAdded added = images.Add(Filled(Qt::blue));
        if (added.Replaced >= 0)
            icons.RemoveIndex(added.Replaced);
        icons.AddIcon("http://wassr.jp/icon?v=" + QByteArray::number(i), added.Index);
        ASSERT_LE(images.Count(), Capacity + 1);
        ASSERT_LE(icons.Count(), Capacity);
    }
    EXPECT_EQ(icons.IndexOfURL("http://wassr.jp/icon?v=0"), -1);
    EXPECT_TRUE(images.Holds(icons.IndexOfURL("http://wassr.jp/icon?v=999")));
}

} // namespace
