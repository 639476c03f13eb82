#pragma once

#include <QByteArray>
#include <QImage>

// Qt reads GIF but does not write it. Writes a still GIF89a of the image with
// a 256-entry palette, LZW-coded without compression (a clear code every 254
// literals keeps every code 9 bits wide): large, but valid for any decoder.
QByteArray EncodeGif(const QImage& image);
