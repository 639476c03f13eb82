#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>

#include "Pictures.h"

namespace {

// What an icon paints into a square of side logical pixels on a device with
// the pixel ratio given.
QImage Painted(const QIcon& icon, int side, qreal ratio) {
    QImage device(qRound(side * ratio), qRound(side * ratio), QImage::Format_ARGB32_Premultiplied);
    device.setDevicePixelRatio(ratio);
    device.fill(Qt::transparent);
    QPainter painter(&device);
    icon.paint(&painter, QRect(0, 0, side, side));
    return device;
}

TEST(Pictures, RowPicturesCarryADevicePixelForEachAtRatioTwo) {
    QList<QImage> pictures = StatusPictures(2);
    pictures.append(HitMarkPicture(2));
    const QList<QImage> plain = StatusPictures(1);
    ASSERT_EQ(6, plain.size());
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(QSize(26, 26), pictures[i].size());
        EXPECT_EQ(QSizeF(13, 13), pictures[i].deviceIndependentSize());
    }
    // Drawn anew, not the 13x13 picture magnified.
    EXPECT_NE(plain[0].scaled(26, 26).convertToFormat(pictures[0].format()), [&] {
        QImage sharp = pictures[0];
        sharp.setDevicePixelRatio(1);
        return sharp;
    }());
}

// Tabs and the tray paint their pictures: at ratio 2 each picture pixel is
// one device pixel, the same as the picture asked for at twice the size.
TEST(Pictures, TabAndTrayPicturesPaintSharpAtRatioTwo) {
    QList<QIcon> icons = TabPictures();
    icons.append(ProgramIcons());
    for (qsizetype i = 0; i < icons.size(); ++i) {
        SCOPED_TRACE(i);
        const QImage painted = Painted(icons[i], 16, 2);
        EXPECT_EQ(QSize(32, 32), painted.size());
        const QImage sharp = icons[i]
                                 .pixmap(QSize(32, 32), 1.0)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QImage same = painted;
        same.setDevicePixelRatio(1);
        EXPECT_EQ(sharp, same);
    }
}

} // namespace
