#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "FormAbout.h"

namespace {

struct TAboutBox {
    explicit TAboutBox(const QString& makerURL) : Box(makerURL) {
        Box.SetUrlOpener([this](const QUrl& url) { Opened.append(url); });
        Box.show();
    }
    QString Text(const char* name) const {
        return Box.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    void ClickLogo() {
        QTest::mouseClick(Box.findChild<QLabel*>(QStringLiteral("ImageLogo")), Qt::LeftButton);
    }

    TFormAbout Box;
    QList<QUrl> Opened;
};

TEST(FormAboutTest, ShowsTheProgramAndClosesWithOK) {
    TAboutBox about(QStringLiteral("http://127.0.0.1:8080/quorbel/"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about.Box));
    EXPECT_EQ(about.Box.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(about.Text("LabelAppName"), QStringLiteral("Quorbel"));
    EXPECT_TRUE(about.Box.findChild<QLabel*>(QStringLiteral("LabelAppName"))->font().bold());
    EXPECT_EQ(about.Text("LabelAppVersion"), QStringLiteral("Ver0.52"));
    EXPECT_FALSE(about.Text("LabelCopyright").isEmpty());
    // The logo is a picture, not a blank.
    const QImage logo = TFormAbout::Logo().toImage();
    EXPECT_EQ(logo.size(), QSize(266, 83));
    EXPECT_NE(logo.pixelColor(40, 36), logo.pixelColor(2, 2));

    QTest::keyClick(&about.Box, Qt::Key_Return);
    EXPECT_FALSE(about.Box.isVisible());
    EXPECT_EQ(about.Box.result(), QDialog::Accepted);
}

TEST(FormAboutTest, LogoOpensOnlyAWebHomePage) {
    const struct {
        const char* MakerURL;
        bool Opens;
    } cases[] = {
        {"http://127.0.0.1:8080/quorbel/", true},
        {"https://quorbel.example.jp/", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"", false},
    };
    for (const auto& c : cases) {
        TAboutBox about(QString::fromLatin1(c.MakerURL));
        about.ClickLogo();
        const QList<QUrl> expected =
            c.Opens ? QList<QUrl>{QUrl(QString::fromLatin1(c.MakerURL))} : QList<QUrl>{};
        EXPECT_EQ(about.Opened, expected) << c.MakerURL;
        EXPECT_TRUE(about.Box.isVisible()) << c.MakerURL;
    }
}

} // namespace
