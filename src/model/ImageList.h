#pragma once

#include <vector>

#include <QImage>
#include <QList>

// How many author icons the window keeps: each costs about 11 KB (13x13 at
// four device pixels per logical one), so at most about 5.5 MB.
inline constexpr int DefaultIconCapacity = 512;

// The window's 13x13 row images: image 0 is the pickup-word mark, author icons
// follow. UI thread only. Beyond its capacity an added icon takes the place of
// the one used least recently; drawing an icon (At) counts as a use, so the
// icons of the rows on screen stay.
//
// An index names a place and the icon put there: when a place is given to
// another icon the index changes, and an old index gives no image, so a row
// that still carries it draws no icon rather than somebody else's.
class TImageList final {
public:
    explicit TImageList(const QImage& first, int iconCapacity = DefaultIconCapacity);

    struct TAdded {
        int Index = 0;
        int Replaced = -1; // the index that no longer holds an image, or -1
    };
    // Adds the icon, in the place of the least recently used one when full.
    TAdded Add(const QImage& image);
    // The image of index i; a null image for an index that holds none (-1
    // included). A use of the icon.
    const QImage& At(int i) const;
    // Whether index i still holds its image; a use of the icon when it does.
    bool Holds(int i) const { return !At(i).isNull(); }
    // The number of places, the mark's included.
    int Count() const { return int(Images.size()); }

private:
    QList<QImage> Images;
    std::vector<int> Generations;
    mutable std::vector<quint64> LastUse;
    mutable quint64 Clock = 0;
    int IconCapacity;

    int Place(int i) const;
};
