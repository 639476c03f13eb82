#include "UrlOpener.h"

#include <QDesktopServices>

#include "Urls.h"

bool TUrlOpener::Open(const QString& url) {
    return IsWebAddress(url) && Launch(QUrl(url, QUrl::StrictMode));
}

bool TUrlOpener::Launch(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
