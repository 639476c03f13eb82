#include <gtest/gtest.h>

#include <QFile>

#include "ImageType.h"
#include "TestPaths.h"

namespace {

QByteArray BmpHeader(quint32 infoSize, qsizetype length = 18) {
    QByteArray header("BM");
    header.resize(length, '\0');
    for (int i = 0; i < 4 && 14 + i < length; ++i)
        header[14 + i] = char((infoSize >> (8 * i)) & 0xFF);
    return header;
}

TEST(ImageTypeOf, Signatures) {
    const std::vector<std::pair<QByteArray, const char*>> cases = {
        {BmpHeader(40), "BMP"},
        {BmpHeader(12), "BMP"},
        {BmpHeader(108), ""},      // only the two classic info headers count
        {BmpHeader(40 + 256), ""}, // all four bytes of the size are read
        {BmpHeader(40, 17), ""},   // size field cut short
        {"BM", ""},
        {"\xFF\xD8", "JPEG"},
        {"\xFF\xD8\xFF\xE0", "JPEG"},
        {"\xFF", ""},
        {"GIF89a", "GIF"},
        {"GIF87a", "GIF"},
        {"gif89a", "GIF"},
        {"GiF87A", "GIF"},
        {"GIF88a", ""},
        {"GIF89b", ""},
        {"GIF89", ""},
        {"\x89PNG", "PNG"},
        {"\x89PNG\r\n\x1A\n", "PNG"},
        {"\x89PN", ""},
        {"PNG", ""},
        {"", ""},
        {"<html>", ""},
    };
    for (const auto& [buffer, type] : cases)
        EXPECT_EQ(ImageTypeOf(buffer), type) << buffer.toHex().toStdString();
}

TEST(ImageTypeOf, RealFiles) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"model/icon_48x48.bmp", "BMP"}, {"model/icon_48x48.jpg", "JPEG"},
        {"model/icon_1x1.gif", "GIF"},   {"model/icon_48x48.png", "PNG"},
        {"model/error_page.html", ""},
    };
    for (const auto& [name, type] : cases) {
        QFile file(TestDataPath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(ImageTypeOf(file.readAll()), type) << name;
    }
}

} // namespace
