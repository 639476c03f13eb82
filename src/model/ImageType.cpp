#include "ImageType.h"

#include <QtEndian>

namespace {

bool IsBmp(const QByteArray& buffer) {
    // "BM", then the size of the bitmap information header at offset 14:
    // 40 (Windows) or 12 (OS/2 core header).
    constexpr qsizetype InfoHeaderSizeAt = 14;
    if (!buffer.startsWith("BM") || buffer.size() < InfoHeaderSizeAt + 4)
        return false;
    const quint32 infoSize = qFromLittleEndian<quint32>(buffer.constData() + InfoHeaderSizeAt);
    return infoSize == 40 || infoSize == 12;
}

bool IsGif(const QByteArray& buffer) {
    if (buffer.size() < 6)
        return false;
    const char* b = buffer.constData();
    const auto either = [](char c, char upper) { return c == upper || c == upper + ('a' - 'A'); };
    return either(b[0], 'G') && either(b[1], 'I') && either(b[2], 'F') && b[3] == '8' &&
           (b[4] == '7' || b[4] == '9') && either(b[5], 'A');
}

} // namespace

QString ImageTypeOf(const QByteArray& buffer) {
    if (IsBmp(buffer))
        return QStringLiteral("BMP");
    if (buffer.startsWith("\xFF\xD8"))
        return QStringLiteral("JPEG");
    if (IsGif(buffer))
        return QStringLiteral("GIF");
    if (buffer.startsWith("\x89PNG"))
        return QStringLiteral("PNG");
    return {};
}
