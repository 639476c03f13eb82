#pragma once

#include <QByteArray>
#include <QImage>

inline constexpr int RowIconSize = 13;
// Device pixels per logical pixel kept of a row icon: enough for a screen
// scaled up to four times, where a 13x13 bitmap would be drawn blocky.
inline constexpr int RowIconPixelRatio = 4;

// The 13x13 row icon made from downloaded image bytes: the picture stretched
// onto white, aspect not kept, with RowIconPixelRatio pixels per logical
// pixel. A null image when the bytes are not a BMP, JPEG, GIF or PNG image
// that decodes.
QImage RowIconFromBytes(const QByteArray& bytes);
