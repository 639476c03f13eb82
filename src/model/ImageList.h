#pragma once

#include <QImage>
#include <QList>

// The window's 13x13 row images: image 0 is the pickup-word mark, author icons
// follow. UI thread only; images are never removed.
class TImageList final {
public:
    explicit TImageList(const QImage& first);

    // Appends the image and returns its index.
    int Add(const QImage& image);
    // The image at index i; a null image for an index that holds none (-1 included).
    const QImage& At(int i) const;
    int Count() const { return int(Images.size()); }

private:
    QList<QImage> Images;
};
