#pragma once

#include <QImage>
#include <QString>

#include "Worker.h"

inline constexpr int DetailIconSize = 64;
// Device pixels per logical pixel kept of the detail picture, for scaled screens.
inline constexpr int DetailIconPixelRatio = 2;

// Downloads the picture of the detail pane's icon view: one GET of the
// author's profile image through the proxy settings, decoded and stretched to
// 64x64 on the worker thread. Picture stays null when the address does not
// answer or the bytes are no picture.
class TIconFetch final : public TWorkerOf<TIconFetch> {
public:
    TIconFetch(TRequestSettings prefs, QString url)
        : TWorkerOf(std::move(prefs)), Url(std::move(url)) {}

    const QString Url;
    QImage Picture;

    // The 64x64 picture of image bytes (DetailIconPixelRatio pixels per
    // logical pixel); null when they are no BMP, JPEG, GIF or PNG.
    static QImage PictureFromBytes(const QByteArray& bytes);

protected:
    void Execute() override;
};
