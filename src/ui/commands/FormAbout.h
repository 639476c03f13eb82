#pragma once

#include <functional>

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <QUrl>

class QLabel;

// The About box "バージョン情報": the logo, the program's name, version and
// copyright. Clicking the logo opens the maker's home page; the box stays open.
class TFormAbout final : public QDialog {
    Q_OBJECT
public:
    using TUrlOpener = std::function<void(const QUrl&)>;

    // makerURL: the maker's home page, opened only when it is a web address.
    explicit TFormAbout(QString makerURL, QWidget* parent = nullptr);

    // The desktop's browser unless replaced.
    void SetUrlOpener(TUrlOpener open) { OpenUrl = std::move(open); }

    // The program's logo, drawn at the size it is shown.
    static QPixmap Logo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ImageLogoClick();

    QString MakerURL;
    TUrlOpener OpenUrl;
    QLabel* ImageLogo = nullptr;
};
