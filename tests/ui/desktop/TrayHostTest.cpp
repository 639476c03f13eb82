// The tray icon against the hosts a Linux desktop has: an XEmbed system tray
// (trayer) and a StatusNotifier host with a notification server on a private
// session bus, each started and ended by its test, on the X server of the run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QJsonArray>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>
#include <QToolTip>

#include "ChildProcess.h"
#include "Pictures.h"
#include "RecordingSound.h"
#include "SessionBus.h"
#include "SystemTrayIcon.h"
#include "WassrdServer.h"
#include "WindowFixture.h"

namespace {

constexpr int WaitMsecs = 10000;
constexpr int ToolMsecs = 5000;
const QString Caption = QStringLiteral("demo - Quorbel Ver0.52");
const QString TimelineDone = QStringLiteral("フレンド・タイムライン取得終了 (%1件)");
const QString NewsTitle = QStringLiteral("Wassr:新着フレンド・タイムライン (1件)");
// A status with what a markup reader would take for markup.
const QString NewsStatus = QStringLiteral("<b>窓</b>の外に猫 & <3");
const QString NewsText = QStringLiteral("hanako : ") + NewsStatus + QStringLiteral("\r\n");

// The pixels of the red "N" badge that marks news.
int BadgePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 160 && c.green() < 90 && c.blue() < 90 && c.alpha() > 128 ? 1 : 0;
        }
    }
    return count;
}

// The output of a short X client (xwininfo, xdotool) run to its end.
QString RunTool(const QString& name, const QStringList& args) {
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        return {};
    TChildProcess tool(program, args);
    return QString::fromUtf8(tool.ReadAll(ToolMsecs));
}

// Counts the balloons the XEmbed tray shows: Qt draws them as its own windows.
class TBalloonWatch final : public QObject {
public:
    TBalloonWatch() { qApp->installEventFilter(this); }
    ~TBalloonWatch() override { qApp->removeEventFilter(this); }

    QWidget* Last = nullptr;
    int Shown = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->inherits("QBalloonTip")) {
            Last = static_cast<QWidget*>(object);
            ++Shown;
        }
        return false;
    }
};

class TrayHostTest : public TWindowFixture {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            GTEST_SKIP() << "no X server: Xvfb did not start";
        // Qt picks the kind of tray, and connects to the session bus, once per
        // process; CTest runs every test in a process of its own.
        if (std::exchange(HostUsed, true))
            GTEST_SKIP() << "a tray host was already used in this process: run this test alone";
    }

    // The window with the real tray icon, settled after one fetch into the
    // filled timeline, so that the next news is marked.
    void OpenWithSystemTray() {
        OpenWith(Server.IniLines(QStringLiteral("ShowUsername=1\n")) +
                     QStringLiteral("[Windows]\nMinimizeInTaskTray=1\n"
                                    "MinimizeOnClose=1\n"
                                    "[TaskTray]\nTaskIconNotify=1\n"),
                 std::make_unique<TSystemTrayIcon>(ProgramIcons()),
                 std::make_unique<TRecordingSound>(Played));
        ASSERT_TRUE(WaitForStartUpFetches());
        Fetch(0);
    }
    void Fetch(int expected) {
        Press(Qt::CTRL | Qt::Key_R);
        ASSERT_TRUE(WaitForPanel(TimelineDone.arg(expected))) << Panel(0).toStdString();
    }
    void FetchNews() {
        ASSERT_TRUE(Server.Admin("/admin/post", {{"user", "hanako"}, {"text", NewsStatus}}));
        Fetch(1);
    }

    // Minimising and closing hide the window; activate (a click on the icon)
    // brings it back each time.
    template <typename Activate>
    void ExpectHiddenAndBroughtBack(Activate activate) {
        for (const bool byClose : {false, true}) {
            if (byClose)
                Main().close();
            else
                Main().showMinimized();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !Main().isVisible(); }, WaitMsecs))
                << (byClose ? "close" : "minimise");
            activate();
            ASSERT_TRUE(QTest::qWaitFor([&] { return Main().isVisible() && !Main().isMinimized(); },
                                        WaitMsecs))
                << (byClose ? "close" : "minimise");
        }
        EXPECT_FALSE(QuorbelMain->IsClosed());
    }

    TWassrdServer Server;
    static inline bool HostUsed = false;
};

// The window XEmbed docks into the tray: Qt's own icon widget.
QWidget* EmbeddedIcon() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QSystemTrayIconSys"))
            return widget;
    }
    return nullptr;
}

// The window lies inside trayer's panel.
bool IsInPanel(WId window) {
    static const QRegularExpression parent(R"re(Parent window id: (0x[0-9a-f]+)( "([^"]*)")?)re");
    QString id = QStringLiteral("0x%1").arg(window, 0, 16);
    for (int depth = 0; depth < 4; ++depth) {
        const QRegularExpressionMatch match =
            parent.match(RunTool(QStringLiteral("xwininfo"), {"-tree", "-id", id}));
        if (!match.hasMatch())
            return false;
        if (match.captured(3) == QStringLiteral("panel"))
            return true;
        id = match.captured(1);
    }
    return false;
}

QImage Grab(QWidget* icon) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(icon->winId())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// The pointer on the icon, and a click with the given button (none: only hover).
void PointAt(QWidget* icon, const QString& button = {}) {
    QStringList args{"mousemove", "--window", QString::number(icon->winId()),
                     QString::number(icon->width() / 2), QString::number(icon->height() / 2)};
    // A step on the icon: the move onto it only enters it.
    args << "mousemove_relative"
         << "1"
         << "1";
    if (!button.isEmpty())
        args << "click" << button;
    RunTool(QStringLiteral("xdotool"), args);
}

TEST_F(TrayHostTest, AnXEmbedTrayShowsTheIconItsTipNewsAndBringsTheWindowBack) {
    const QString trayer = QStandardPaths::findExecutable(QStringLiteral("trayer"));
    if (trayer.isEmpty())
        GTEST_SKIP() << "trayer is not installed (Debian package trayer)";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
        GTEST_SKIP() << "xdotool or xwininfo is not installed (Debian xdotool, x11-utils)";
    // Without a window manager the window sits in the top left corner: the
    // panel goes where the window leaves it in view.
    TChildProcess host(trayer, {"--edge", "bottom"});
    if (!QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, WaitMsecs))
        GTEST_SKIP() << "trayer did not start a system tray";

    OpenWithSystemTray();
    QWidget* icon = EmbeddedIcon();
    ASSERT_NE(nullptr, icon);
    ASSERT_TRUE(QTest::qWaitFor([&] { return IsInPanel(icon->winId()); }, WaitMsecs))
        << "the icon is not docked in the tray";

    // Its tip, as the pointer rests on it, is the window's caption.
    PointAt(icon);
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->inherits("QTipLabel") && widget->isVisible())
                    return static_cast<QLabel*>(widget)->text() == Caption;
            }
            return false;
        },
        WaitMsecs));

    // The tip and, below, the balloon go before the icon's pixels are compared:
    // either may lie over it.
    RunTool(QStringLiteral("xdotool"), {"mousemove", "500", "300"});
    QToolTip::hideText();

    // News: one balloon with title and text, and the badged picture in the tray;
    // a fetch without news puts the plain one back.
    const QImage plain = Grab(icon);
    EXPECT_EQ(0, BadgePixels(plain));
    TBalloonWatch balloons;
    FetchNews();
    ASSERT_TRUE(QTest::qWaitFor([&] { return BadgePixels(Grab(icon)) > 4; }, WaitMsecs));
    QTest::qWait(200);
    ASSERT_EQ(1, balloons.Shown);
    QStringList texts;
    for (const QLabel* label : balloons.Last->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(NewsTitle)) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(NewsText)) << texts.join('|').toStdString();
    balloons.Last->close();
    Fetch(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Grab(icon) == plain; }, WaitMsecs));
    EXPECT_EQ(1, balloons.Shown);

    ExpectHiddenAndBroughtBack([&] { PointAt(icon, QStringLiteral("1")); });
}

// The item Qt registered, read and driven over the bus as a panel does.
class TNotifierItem final {
public:
    TNotifierItem(const QString& address, const QString& service)
        : Bus(QDBusConnection::connectToBus(address, QStringLiteral("panel"))), Service(service) {}
    ~TNotifierItem() { QDBusConnection::disconnectFromBus(QStringLiteral("panel")); }

    QDBusVariant Property(const QString& name) const {
        return Call(QDBusMessage::createMethodCall(
                        Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"),
                        QStringLiteral("Get"))
                    << Interface << name)
            .value(0)
            .value<QDBusVariant>();
    }
    QString ToolTipTitle() const {
        const QDBusArgument tip =
            Property(QStringLiteral("ToolTip")).variant().value<QDBusArgument>();
        QString iconName, title, subTitle;
        tip.beginStructure();
        tip >> iconName;
        SkipPixmaps(tip);
        tip >> title >> subTitle;
        tip.endStructure();
        return title;
    }
    // The largest picture of IconPixmap.
    QImage Icon() const {
        const QDBusArgument pixmaps =
            Property(QStringLiteral("IconPixmap")).variant().value<QDBusArgument>();
        QImage largest;
        pixmaps.beginArray();
        while (!pixmaps.atEnd()) {
            int width = 0, height = 0;
            QByteArray argb; // big-endian ARGB32
            pixmaps.beginStructure();
            pixmaps >> width >> height >> argb;
            pixmaps.endStructure();
            if (width <= largest.width() || argb.size() != qsizetype(width) * height * 4)
                continue;
            largest = QImage(width, height, QImage::Format_ARGB32);
            for (int i = 0; i < width * height; ++i) {
                const auto* p = reinterpret_cast<const uchar*>(argb.constData()) + 4 * i;
                largest.setPixel(i % width, i / width, qRgba(p[1], p[2], p[3], p[0]));
            }
        }
        pixmaps.endArray();
        return largest;
    }
    void Activate() const {
        Call(QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Activate"))
             << 0 << 0);
    }

private:
    static void SkipPixmaps(const QDBusArgument& argument) {
        argument.beginArray();
        while (!argument.atEnd()) {
            int width = 0, height = 0;
            QByteArray bytes;
            argument.beginStructure();
            argument >> width >> height >> bytes;
            argument.endStructure();
        }
        argument.endArray();
    }
    // The item lives on this thread: the reply comes while events run.
    QList<QVariant> Call(const QDBusMessage& message) const {
        QDBusPendingReply<> reply = Bus.asyncCall(message);
        EXPECT_TRUE(QTest::qWaitFor([&] { return reply.isFinished(); }, WaitMsecs));
        EXPECT_FALSE(reply.isError()) << reply.error().message().toStdString();
        return reply.reply().arguments();
    }

    const QString Path = QStringLiteral("/StatusNotifierItem");
    const QString Interface = QStringLiteral("org.kde.StatusNotifierItem");
    QDBusConnection Bus;
    QString Service;
};

TEST_F(TrayHostTest, AStatusNotifierHostShowsTheItemItsTipNewsAndBringsTheWindowBack) {
    // A notification server that reads no markup shows the body as it is.
    TSessionBus bus;
    if (!bus.Failure().isEmpty())
        GTEST_SKIP() << bus.Failure().toStdString();
    ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());

    OpenWithSystemTray();
    const QJsonObject registered = bus.NextEvent(WaitMsecs);
    ASSERT_EQ(QStringLiteral("item"), registered[QStringLiteral("event")].toString());
    TNotifierItem item(bus.Address(), registered[QStringLiteral("service")].toString());
    EXPECT_EQ(Caption, item.ToolTipTitle());
    const QImage plain = item.Icon();
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(0, BadgePixels(plain));

    // News: one Notify call with title and text, and the badged picture; a
    // fetch without news puts the plain one back.
    FetchNews();
    const QJsonObject notice = bus.NextEvent(WaitMsecs);
    EXPECT_EQ(QStringLiteral("notify"), notice[QStringLiteral("event")].toString());
    EXPECT_EQ(NewsTitle, notice[QStringLiteral("summary")].toString());
    EXPECT_EQ(NewsText, notice[QStringLiteral("body")].toString());
    EXPECT_EQ(10000, notice[QStringLiteral("timeout")].toInt());
    EXPECT_GT(BadgePixels(item.Icon()), 4);
    Fetch(0);
    EXPECT_EQ(plain, item.Icon());
    EXPECT_TRUE(bus.NextEvent(200).isEmpty()) << "a second notification";

    ExpectHiddenAndBroughtBack([&] { item.Activate(); });
}

TEST_F(TrayHostTest, ANotificationServerThatReadsMarkupGetsTheStatusAsText) {
    TSessionBus bus({QStringLiteral("--markup")});
    if (!bus.Failure().isEmpty())
        GTEST_SKIP() << bus.Failure().toStdString();
    OpenWithSystemTray();
    ASSERT_EQ(QStringLiteral("item"), bus.NextEvent(WaitMsecs)[QStringLiteral("event")].toString());
    FetchNews();
    const QJsonObject notice = bus.NextEvent(WaitMsecs);
    EXPECT_EQ(NewsTitle, notice[QStringLiteral("summary")].toString());
    EXPECT_EQ(QStringLiteral("hanako : &lt;b&gt;窓&lt;/b&gt;の外に猫 &amp; &lt;3\r\n"),
              notice[QStringLiteral("body")].toString());
}

TEST_F(TrayHostTest, WithoutAnyHostTheWindowStaysOnTheTaskbarAndNewsIsQuiet) {
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    OpenWithSystemTray();
    FetchNews();
    Main().close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Main().isMinimized(); }, WaitMsecs));
    EXPECT_TRUE(Main().isVisible());
    EXPECT_FALSE(QuorbelMain->IsClosed());
}

} // namespace
