#pragma once

#include <QByteArray>
#include <QString>

// The image type the bytes begin with: "BMP", "JPEG", "GIF", "PNG", or "" for
// anything else (short buffers included).
QString ImageTypeOf(const QByteArray& buffer);
