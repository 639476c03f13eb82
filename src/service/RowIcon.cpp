#include "RowIcon.h"

#include <QPainter>

#include "ImageType.h"

QImage RowIconFromBytes(const QByteArray& bytes) {
    const QString type = ImageTypeOf(bytes);
    if (type.isEmpty())
        return {};
    QImage picture;
    if (!picture.loadFromData(bytes, type.toLatin1().constData()))
        return {};
    constexpr int pixels = RowIconSize * RowIconPixelRatio;
    QImage icon(pixels, pixels, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(icon.rect(), picture);
    painter.end();
    icon.setDevicePixelRatio(RowIconPixelRatio);
    return icon;
}
