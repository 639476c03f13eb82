#include "Icons.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "GifWriter.h"

namespace {

constexpr int Side = 48;

QImage DrawFace(QRgb background, int variant) {
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xE0, 0xBD));
    if (variant % 2 == 1) { // cat ears
        painter.drawPolygon(QPolygon({{9, 18}, {12, 3}, {22, 11}}));
        painter.drawPolygon(QPolygon({{39, 18}, {36, 3}, {26, 11}}));
    }
    painter.drawEllipse(QRect(8, 8, 32, 34));
    painter.setBrush(QColor(0x33, 0x22, 0x11));
    painter.drawEllipse(QRect(16, 20, 5, 6));
    painter.drawEllipse(QRect(27, 20, 5, 6));
    painter.setPen(QPen(QColor(0xC0, 0x30, 0x30), 2));
    painter.setBrush(Qt::NoBrush);
    const int smile = variant % 3 == 2 ? 0 : 180;
    painter.drawArc(QRect(18, 27, 12, 8), smile * 16, 180 * 16);
    painter.end();
    return image;
}

} // namespace

TIcons::TIcon TIcons::Make(const QByteArray& format, QRgb background, int variant) {
    const QImage face = DrawFace(background, variant);
    if (format == "GIF")
        return {EncodeGif(face), "image/gif"};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    face.save(&buffer, format.constData(), format == "JPEG" ? 85 : -1);
    return {bytes, "image/" + format.toLower()};
}
