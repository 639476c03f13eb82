#pragma once

#include <QByteArray>
#include <QImage>

inline constexpr int RowIconSize = 13;

// The 13x13 row icon made from downloaded image bytes: the picture stretched
// onto white, aspect not kept. A null image when the bytes are not a BMP,
// JPEG, GIF or PNG image that decodes.
QImage RowIconFromBytes(const QByteArray& bytes);
