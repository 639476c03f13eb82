#include "IconFetch.h"

#include <QUrl>

#include "ImageType.h"

QImage TIconFetch::PictureFromBytes(const QByteArray& bytes) {
    const QString type = ImageTypeOf(bytes);
    QImage picture;
    if (type.isEmpty() || !picture.loadFromData(bytes, type.toLatin1().constData()))
        return {};
    // The page showed it at 64x64 whatever its own size.
    constexpr int pixels = DetailIconSize * DetailIconPixelRatio;
    picture = picture.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(DetailIconPixelRatio);
    return picture;
}

void TIconFetch::Execute() {
    const THttpClient client = MakeClient({.BodyCap = IconBodyCap, .SideRequest = true});
    try {
        Picture = PictureFromBytes(client.Get(QUrl(Url).toEncoded()).Body);
    } catch (const THttpError& error) {
        NotifyResult(OutcomeOf(error));
        return;
    }
    NotifyResult(Picture.isNull() ? OutcomeParseError : OutcomeDone);
}
