#include "ImageList.h"

TImageList::TImageList(const QImage& first) : Images{first} {}

int TImageList::Add(const QImage& image) {
    Images.append(image);
    return int(Images.size()) - 1;
}

const QImage& TImageList::At(int i) const {
    static const QImage none;
    return i >= 0 && i < Images.size() ? Images.at(i) : none;
}
