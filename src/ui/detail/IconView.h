#pragma once

#include <QCache>
#include <QImage>
#include <QSet>
#include <QWidget>

class TIconFetch;
class TQuorbelPrefs;

// The author's icon in the detail pane (WebBrowserIcon): the picture at a URL,
// 64x64 at the top-left corner, with no margin, scroll bars or context menu.
// Pictures are downloaded off the UI thread with the proxy settings of the
// moment; the last few stay at hand, so going back to an author costs no
// request. Only the picture of the URL asked for last is ever shown.
class TIconView final : public QWidget {
    Q_OBJECT
public:
    explicit TIconView(const TQuorbelPrefs& prefs, QWidget* parent = nullptr);

    // Shows the picture at the URL, once it has arrived; a picture that does
    // not arrive leaves the view empty.
    void Load(const QString& url);
    // The empty view.
    void Clear();

    QString Url() const { return CurrentUrl; }
    const QImage& Picture() const { return Shown; }

    QSize sizeHint() const override;

signals:
    // A download ended (also when its picture is no longer wanted).
    void Fetched(const QString& url);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FetchDone(const TIconFetch& worker);
    void Show(const QImage& picture);

    const TQuorbelPrefs& Prefs;
    QString CurrentUrl;
    QImage Shown;
    QCache<QString, QImage> Pictures;
    QSet<QString> Loading;
};
