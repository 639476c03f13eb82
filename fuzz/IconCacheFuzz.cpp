// The bounded icon cache: the row images and the address cache together, as a
// fetch stores icons and the lists draw them, under any order of operations.
#include <optional>

#include <QHash>

#include "FuzzSupport.h"
#include "IconList.h"
#include "ImageList.h"

namespace {

QImage Icon(int shade) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(QColor(shade, 0, 0));
    return image;
}

QByteArray Address(std::uint8_t n) {
    return "http://wassr.jp/icon?v=" + QByteArray::number(n);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int capacity = 1 + data[0] % 16;
    TImageList images(Icon(255), capacity);
    TIconList icons;
    // Which shade each address's icon has, for the icons still held.
    QHash<QByteArray, int> shades;
    std::optional<int> lastUsed;

    for (std::size_t p = 1; p + 1 < size; p += 2) {
        const QByteArray url = Address(data[p + 1] & 0x3F);
        const int index = icons.IndexOfURL(url);
        if (data[p] & 1) { // a list draws the address's rows
            if (index >= 0) {
                FuzzCheck(images.Holds(index), "the cache names an image that is gone");
                FuzzCheck(images.At(index).pixelColor(0, 0).red() == shades.value(url),
                          "an address draws another address's icon");
                lastUsed = index;
            }
            continue;
        }
        if (index >= 0 && images.Holds(index)) {
            lastUsed = index; // a fetch meets a known icon
            continue;
        }
        const int shade = data[p + 1];
        const TImageList::TAdded added = images.Add(Icon(shade));
        if (added.Replaced >= 0) {
            FuzzCheck(capacity == 1 || added.Replaced != lastUsed,
                      "the icon used last gave its place away");
            FuzzCheck(images.At(added.Replaced).isNull(), "a given-away index still draws");
            icons.RemoveIndex(added.Replaced);
        }
        icons.AddIcon(url, added.Index);
        shades.insert(url, shade);
        lastUsed = added.Index;
        FuzzCheck(images.Count() <= capacity + 1, "more images than the capacity");
        FuzzCheck(icons.Count() <= capacity, "more cached addresses than images");
        FuzzCheck(images.At(0).pixelColor(0, 0).red() == 255, "the mark gave its place away");
    }
    for (qsizetype i = 0; i < icons.Count(); ++i)
        FuzzCheck(images.Holds(icons.At(i).Index), "the cache names an image that is gone");
    return 0;
}
