#include "IconView.h"

#include <system_error>

#include <QPainter>

#include "IconFetch.h"
#include "RequestSettings.h"
#include "Urls.h"

namespace {
constexpr int KeptPictures = 128;
}

TIconView::TIconView(const TQuorbelPrefs& prefs, QWidget* parent)
    : QWidget(parent), Prefs(prefs), Pictures(KeptPictures) {
    setObjectName(QStringLiteral("WebBrowserIcon"));
    setFixedSize(DetailIconSize, DetailIconSize);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
}

QSize TIconView::sizeHint() const {
    return {DetailIconSize, DetailIconSize};
}

void TIconView::Load(const QString& url) {
    if (url == CurrentUrl)
        return;
    CurrentUrl = url;
    if (const QImage* known = Pictures.object(url)) {
        Show(*known);
        return;
    }
    Show({});
    // Only web addresses: the picture must not come from a file or another protocol.
    if (Loading.contains(url) || !IsWebAddress(url))
        return;
    auto* worker = new TIconFetch(TRequestSettings::FromPrefs(Prefs), url);
    worker->Receiver = this;
    worker->OnResult = [this](const TIconFetch& done, int) { FetchDone(done); };
    try {
        worker->Start();
        Loading.insert(url);
    } catch (const std::system_error&) {
        // No thread for the download: the view stays empty.
    }
}

void TIconView::Clear() {
    CurrentUrl.clear();
    Show({});
}

void TIconView::FetchDone(const TIconFetch& worker) {
    Loading.remove(worker.Url);
    if (!worker.Picture.isNull())
        Pictures.insert(worker.Url, new QImage(worker.Picture));
    if (worker.Url == CurrentUrl)
        Show(worker.Picture);
    emit Fetched(worker.Url);
}

void TIconView::Show(const QImage& picture) {
    if (picture.isNull() && Shown.isNull())
        return;
    Shown = picture;
    update();
}

void TIconView::paintEvent(QPaintEvent*) {
    if (Shown.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, DetailIconSize, DetailIconSize), Shown);
}
