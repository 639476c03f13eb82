#pragma once

#include <QByteArray>
#include <QRgb>
#include <QString>

// One author of the feed.
struct TFeedUser final {
    QString Login;
    QString ScreenName;
    QByteArray IconFormat; // "BMP", "JPEG", "GIF" or "PNG"
    QRgb IconColour = 0;
    qint64 IconStamp = 0; // the number at the end of the icon URL
};
