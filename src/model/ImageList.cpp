#include "ImageList.h"

#include <algorithm>

namespace {
// The low bits of an index name the place, the others how often the place
// was given to another icon (wrapping after 32,768 times, far beyond a run).
constexpr int PlaceBits = 16;
constexpr int PlaceMask = (1 << PlaceBits) - 1;
constexpr int GenerationMask = 0x7FFF;
} // namespace

TImageList::TImageList(const QImage& first, int iconCapacity)
    : Images{first}, Generations{0}, LastUse{0},
      IconCapacity(std::clamp(iconCapacity, 1, PlaceMask - 1)) {}

TImageList::TAdded TImageList::Add(const QImage& image) {
    if (Images.size() <= IconCapacity) {
        Images.append(image);
        Generations.push_back(0);
        LastUse.push_back(++Clock);
        return {int(Images.size()) - 1};
    }
    const auto oldest = std::min_element(LastUse.begin() + 1, LastUse.end());
    const int place = int(oldest - LastUse.begin());
    const int replaced = place | (Generations[size_t(place)] << PlaceBits);
    const int generation = (Generations[size_t(place)] + 1) & GenerationMask;
    Generations[size_t(place)] = generation;
    Images[place] = image;
    *oldest = ++Clock;
    return {place | (generation << PlaceBits), replaced};
}

int TImageList::Place(int i) const {
    if (i < 0)
        return -1;
    const int place = i & PlaceMask;
    if (place >= Images.size() || Generations[size_t(place)] != i >> PlaceBits)
        return -1;
    return place;
}

const QImage& TImageList::At(int i) const {
    static const QImage none;
    const int place = Place(i);
    if (place < 0)
        return none;
    LastUse[size_t(place)] = ++Clock;
    return Images.at(place);
}
