#pragma once

#include <QByteArray>
#include <QRgb>

// Draws a user's 48x48 icon, a round face on the user's colour, and encodes
// it as "BMP", "JPEG", "GIF" or "PNG".
class TIcons final {
public:
    struct TIcon {
        QByteArray Bytes;
        QByteArray ContentType;
    };
    static TIcon Make(const QByteArray& format, QRgb background, int variant);
};
