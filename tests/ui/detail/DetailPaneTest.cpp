#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <httplib.h>

#include "DetailPane.h"
#include "Friends.h"
#include "IconView.h"
#include "NavigationFixture.h"
#include "QuorbelPrefs.h"
#include "RichEditText.h"
#include "ScopedLocale.h"
#include "StatusListModel.h"
#include "StatusListView.h"
#include "StatusLists.h"
#include "TestPaths.h"
#include "TextFields.h"
#include "Worker.h"

namespace {

// The runs of characters drawn as links: in the palette's link colour, underlined.
QStringList LinkRuns(const TRichEditText& edit) {
    const QString text = edit.Text();
    QStringList runs;
    QString run;
    for (int i = 0; i <= text.size(); ++i) {
        QTextCursor at(edit.document());
        at.setPosition(std::min(i + 1, int(text.size())));
        const QTextCharFormat format = at.charFormat();
        if (i < text.size() && format.fontUnderline() &&
            format.foreground().color() == edit.palette().color(QPalette::Link)) {
            run += text[i];
        } else if (!run.isEmpty()) {
            runs << run;
            run.clear();
        }
    }
    return runs;
}

// The middle of the character at the 0-based position, in viewport coordinates.
QPoint CharPoint(const TRichEditText& edit, int i) {
    QTextCursor at(edit.document());
    at.setPosition(i);
    const QRect left = edit.cursorRect(at);
    at.setPosition(i + 1);
    const QRect right = edit.cursorRect(at);
    return {(left.left() + right.left()) / 2, left.center().y()};
}

const QString LongUrl = QStringLiteral("http://a.jp/") + QString(300, u'x');

struct TColourCase {
    QString Text;
    QStringList Links;
};

TEST(RichEditTextTest, DrawsMentionsAndWebAddressesAsLinks) {
    const TColourCase cases[] = {
        // Only the ID of a mention: neither the "@" nor the colon.
        {QStringLiteral("@taro: こんにちは"), {QStringLiteral("taro")}},
        // A comma or full stop after an address belongs to it.
        {QStringLiteral("見て http://a.jp/x, http://b.jp/y. あ"),
         {QStringLiteral("http://a.jp/x,"), QStringLiteral("http://b.jp/y.")}},
        {QStringLiteral("＠taro と @ だけ"), {}},
        {QStringLiteral("mail @"), {}},
        {QStringLiteral("ah"), {}},
        // Longer than the 256 characters a double-click opens: coloured whole.
        {LongUrl, {LongUrl}},
    };
    TRichEditText edit;
    for (const TColourCase& c : cases) {
        edit.SetText(c.Text);
        EXPECT_EQ(c.Links, LinkRuns(edit)) << c.Text.toStdString();
        EXPECT_EQ(0, edit.textCursor().position());
        EXPECT_FALSE(edit.textCursor().hasSelection());
    }
    // A new text starts plain again.
    edit.SetText(QStringLiteral("@taro"));
    edit.SetText(QStringLiteral("plain"));
    EXPECT_TRUE(LinkRuns(edit).isEmpty());
}

class DetailPaneTest : public testing::Test {
protected:
    void SetUp() override {
        Prefs.Server.WebURL = QStringLiteral("http://wassr.example");
        Pane.resize(700, 120);
        Pane.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Pane));
        QObject::connect(&Pane, &TDetailPane::OpenUrl,
                         [this](const QString& url) { Opened << url; });
    }
    template <typename T>
    T* Control(const char* name) {
        return Pane.findChild<T*>(QLatin1String(name));
    }
    TRichEditText& Text() { return *Control<TRichEditText>("RichEditText"); }
    void Show(const QString& text) { Pane.ShowRow({nullptr, QStringLiteral("taro"), text}); }

    TQuorbelPrefs Prefs{QStringLiteral("unused.ini"), QStringLiteral("unused")};
    TDetailPane Pane{Prefs};
    QStringList Opened;
};

struct TOpenCase {
    QString Text;
    int At; // 0-based position of the character double-clicked
    QString Opened;
    int Caret; // where the caret stays afterwards: where the selection began
};

TEST_F(DetailPaneTest, ADoubleClickOnALinkOpensItsPage) {
    const QString reply = QStringLiteral("@hanako: おはよう http://example.jp/a, b");
    const QString userPage = QStringLiteral("http://wassr.example/user/hanako");
    const TOpenCase cases[] = {
        {reply, 0, userPage, 1}, // on the "@"
        {reply, 4, userPage, 1},
        {reply, 7, {}, 7},                                       // the colon
        {reply, 10, {}, 9},                                      // in the word おはよう
        {reply, 35, {}, 35},                                     // a plain word
        {reply, 33, QStringLiteral("http://example.jp/a,"), 14}, // the comma
        {LongUrl, 10, LongUrl.left(256), 0},
    };
    for (const TOpenCase& c : cases) {
        Show(c.Text);
        Opened.clear();
        DoubleClick(Text().viewport(), CharPoint(Text(), c.At));
        const std::string where =
            (c.Text.left(20) + QStringLiteral(" at %1").arg(c.At)).toStdString();
        EXPECT_EQ(c.Opened.isEmpty() ? QStringList() : QStringList{c.Opened}, Opened) << where;
        // Whatever the double-click met, nothing stays selected.
        EXPECT_EQ(c.Caret, Text().textCursor().position()) << where;
        EXPECT_FALSE(Text().textCursor().hasSelection()) << where;
    }
}

TEST_F(DetailPaneTest, ASingleClickOrTheRightButtonOpensNothing) {
    Show(QStringLiteral("見て http://example.jp/ と @taro"));
    for (const int at : {5, 25}) {
        QTest::mouseClick(Text().viewport(), Qt::LeftButton, {}, CharPoint(Text(), at));
        QTest::mouseDClick(Text().viewport(), Qt::RightButton, {}, CharPoint(Text(), at));
    }
    EXPECT_TRUE(Opened.isEmpty()) << Opened.join(' ').toStdString();
}

TEST_F(DetailPaneTest, ThePointerIsAHandOverLinksOnly) {
    Show(QStringLiteral("見て http://example.jp/ と @taro です"));
    QWidget* viewport = Text().viewport();
    const Qt::CursorShape text = viewport->cursor().shape();
    ASSERT_NE(Qt::PointingHandCursor, text);
    const struct {
        int At;
        bool Hand;
    } moves[] = {{0, false}, {5, true},  {20, true}, {23, false},
                 {25, true}, {24, true}, {30, false}};
    for (const auto& move : moves) {
        QTest::mouseMove(viewport, CharPoint(Text(), move.At));
        EXPECT_EQ(move.Hand ? Qt::PointingHandCursor : text, viewport->cursor().shape())
            << "at " << move.At;
    }
}

TEST_F(DetailPaneTest, ShowsTheAuthorTheLocalDateAndTheText) {
    // 2009-05-01 12:00:00 and midnight of the same day.
    const TDateTime noon = QDate(1899, 12, 30).daysTo(QDate(2009, 5, 1)) + 0.5;
    TQuorbelItem item{
        .Date = noon, .UserID = QStringLiteral("taro"), .ScreenName = QStringLiteral("太郎")};
    const TListRow row{&item, QStringLiteral("taro"), QStringLiteral("こんにちは @hanako")};
    auto* name = Control<QLineEdit>("EditName");
    auto* date = Control<QLabel>("LabelDateTime");

    Pane.ShowRow(row);
    EXPECT_EQ(QStringLiteral("太郎 / taro"), name->text());
    EXPECT_EQ(QStringLiteral("2009/05/01 12:00:00"), date->text());
    EXPECT_EQ(QStringLiteral("こんにちは @hanako"), Text().toPlainText());
    EXPECT_EQ(QStringList{QStringLiteral("hanako")}, LinkRuns(Text()));

    item.ScreenName.clear();
    item.Date = std::floor(noon);
    Pane.ShowRow(row);
    EXPECT_EQ(QStringLiteral("taro"), name->text());
    EXPECT_EQ(QStringLiteral("2009/05/01"), date->text());
    EXPECT_FALSE(date->isHidden());
    {
        const TScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
        item.Date = noon;
        Pane.ShowRow(row);
        EXPECT_EQ(QStringLiteral("5/1/09 12:00:00 PM"), date->text());
    }

    // A time no calendar shows hides the date; the blank pane leaves it hidden.
    item.Date = std::numeric_limits<double>::quiet_NaN();
    Pane.ShowRow(row);
    EXPECT_TRUE(date->isHidden());
    Pane.Clear();
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_TRUE(date->text().isEmpty());
    EXPECT_TRUE(Text().toPlainText().isEmpty());
    EXPECT_TRUE(date->isHidden());
}

// Whether the line is laid out in stored order, left to right: no position is
// drawn left of the one before it.
bool DrawnInStoredOrder(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    for (int i = 0; i < text.size(); ++i) {
        if (line.cursorToX(i + 1) < line.cursorToX(i))
            return false;
    }
    return true;
}

TEST_F(DetailPaneTest, BidiControlsFromTheServerReorderNothing) {
    // Not "ufoops / live" and "bidi exe.png".
    TQuorbelItem item{.UserID = QStringLiteral("spoofu"),
                      .ScreenName = QStringLiteral("\u202Eevil")};
    const QString stored = QStringLiteral("bidi \u202Egnp.exe\u202C");
    Pane.ShowRow({&item, QStringLiteral("spoofu"), stored});
    auto* name = Control<QLineEdit>("EditName");
    EXPECT_EQ(name->text(), QStringLiteral("evil / spoofu"));
    EXPECT_TRUE(DrawnInStoredOrder(name->text(), name->font()));
    EXPECT_EQ(Text().toPlainText(), QStringLiteral("bidi gnp.exe"));
    EXPECT_TRUE(DrawnInStoredOrder(Text().toPlainText(), Text().font()));

    // Copying, by the window's command or by the field's own key, gives what is stored.
    QClipboard* clipboard = QGuiApplication::clipboard();
    Text().selectAll();
    Text().copy();
    EXPECT_EQ(clipboard->text(), stored);
    name->setFocus();
    name->selectAll();
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("\u202Eevil / spoofu"));
    name->setSelection(0, 4);
    EXPECT_EQ(SelectedText(name), QStringLiteral("\u202Eevil"));
}

TEST_F(DetailPaneTest, LinksLandOnTheirCharactersWhenEmojiAreDrawnWider) {
    // The flag is drawn in four code units for one stored, the keycap "1⃣"
    // in two; the keycap's digit is not part of the mention stored before it.
    Show(QStringLiteral("\uE50B@ab\uE6E2 http://a.jp/\uE63E"));
    EXPECT_EQ(Text().toPlainText(), QStringLiteral("🇯🇵@ab1⃣ http://a.jp/☀"));
    EXPECT_EQ(LinkRuns(Text()),
              (QStringList{QStringLiteral("ab"), QStringLiteral("http://a.jp/")}));

    DoubleClick(Text().viewport(), CharPoint(Text(), 6)); // "b"
    EXPECT_EQ(Opened, QStringList{QStringLiteral("http://wassr.example/user/ab")});
    EXPECT_EQ(Text().textCursor().position(), 5);
    Opened.clear();
    DoubleClick(Text().viewport(), CharPoint(Text(), 14)); // inside the address
    EXPECT_EQ(Opened, QStringList{QStringLiteral("http://a.jp/")});
    EXPECT_EQ(Text().textCursor().position(), 10);

    // A selection copies the characters it shows, with standard emoji.
    QTextCursor selection(Text().document());
    selection.setPosition(4);
    selection.setPosition(9, QTextCursor::KeepAnchor);
    Text().setTextCursor(selection);
    EXPECT_EQ(SelectedText(&Text()), QStringLiteral("@ab1⃣"));
}

TEST_F(DetailPaneTest, ALongNameShowsItsStart) {
    TQuorbelItem item{.UserID = QStringLiteral("kumagoro"),
                      .ScreenName = QStringLiteral("くまごろうのながいながいなまえ")};
    Pane.resize(300, 120);
    Pane.ShowRow({&item, QStringLiteral("kumagoro"), QStringLiteral("やあ")});
    auto* name = Control<QLineEdit>("EditName");
    name->repaint();
    ASSERT_GT(name->fontMetrics().horizontalAdvance(name->text()), name->width());
    // The character at the left edge is the first one.
    EXPECT_EQ(name->cursorPositionAt(QPoint(3, name->height() / 2)), 0);
}

TEST(UrlOpenerTest, HandsOnlyWebAddressesToTheBrowser) {
    QStringList opened;
    TRecordingOpener opener(opened);
    for (const char* url :
         {"http://wassr.example/user/taro", "HTTPS://a.jp/x,", "file:///etc/passwd",
          "javascript:alert(1)", "mailto:a@b.jp", "http://"})
        opener.Open(QString::fromLatin1(url));
    EXPECT_EQ((QStringList{"http://wassr.example/user/taro", "https://a.jp/x,"}), opened);
}

class DetailWindowTest : public TNavigationFixture {};

TEST_F(DetailWindowTest, TheWindowOpensAMentionOnTheServicesUserPage) {
    OpenWithRows();
    auto* text = Main().findChild<TRichEditText*>(QStringLiteral("RichEditText"));
    ASSERT_EQ(QStringLiteral("@hanako: おはよう http://example.jp/a, b"), text->toPlainText());
    DoubleClick(text->viewport(), CharPoint(*text, 2));
    EXPECT_EQ(QStringList{QStringLiteral("http://wassr.example/user/hanako")}, Opened);
}

TEST_F(DetailWindowTest, EmptyTabsAndClicksBelowTheRowsBlankThePane) {
    OpenWithRows();
    EXPECT_EQ(QStringLiteral("太郎 / taro"), Shown("EditName"));
    // The reply tab holds nothing.
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_R);
    EXPECT_TRUE(Shown("EditName").isEmpty());
    EXPECT_TRUE(Shown("RichEditText").isEmpty());
    // Back on the timeline its selected row shows again.
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_T);
    EXPECT_EQ(QStringLiteral("太郎 / taro"), Shown("EditName"));

    TStatusListView* list = Timeline();
    const QRect last = list->visualRect(list->model()->index(list->RowCount() - 1, 1));
    ASSERT_LT(last.bottom() + 5, list->viewport()->height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, last.bottom() + 5));
    EXPECT_EQ(-1, list->SelectedIndex());
    EXPECT_TRUE(Shown("EditName").isEmpty());
    EXPECT_TRUE(Shown("RichEditText").isEmpty());
}

TEST_F(DetailWindowTest, TheUnreadManagerTakesTheNewMarkOfTheRowShown) {
    for (const bool manager : {false, true}) {
        OpenWithRows(QStringLiteral("[Update]\nEnableUnreadManager=%1\n").arg(manager));
        // News is marked from the fetch after the one that followed the first load.
        Main().MergeStatuses(TFriends(), KindTimeline);
        Merge(QStringLiteral("ui/navigation_news.json"));
        const TStatusListModel& rows = *Timeline()->Model();
        ASSERT_EQ(StateNew, rows.Row(0).StateIndex);
        ASSERT_EQ(StateNew, rows.Row(1).StateIndex);

        DoubleClick(Timeline()->viewport(), Timeline()->visualRect(rows.index(1, 1)).center());
        EXPECT_EQ(QStringLiteral("その次"), Shown("RichEditText"));
        EXPECT_EQ(manager ? StateNone : StateNew, rows.Row(1).StateIndex) << manager;
        EXPECT_EQ(StateNew, rows.Row(0).StateIndex) << "a row never shown keeps its mark";

        // Deselected without another selection, the row stays in the pane.
        QTest::mouseClick(Timeline()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          Timeline()->visualRect(rows.index(1, 1)).center());
        EXPECT_EQ(-1, Timeline()->SelectedIndex());
        EXPECT_EQ(QStringLiteral("その次"), Shown("RichEditText"));
        TearDown();
    }
}

// A proxy on loopback that answers every request with the same picture and
// remembers the icon requests.
class TIconProxy final {
public:
    TIconProxy() {
        QFile file(TestDataPath(QStringLiteral("service/icon48.png")));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string png = file.readAll().toStdString();
        Server.Get(".*", [this, png](const httplib::Request& request, httplib::Response& response) {
            if (request.target.find("icons.invalid") != std::string::npos) {
                const std::lock_guard guard(Lock);
                Seen << QString::fromStdString(request.target);
            }
            response.set_content(png, "image/png");
        });
        FPort = Server.bind_to_any_port("127.0.0.1");
        Thread = std::thread([this] { Server.listen_after_bind(); });
        while (!Server.is_running())
            std::this_thread::yield();
    }
    ~TIconProxy() {
        Server.stop();
        Thread.join();
    }
    int Port() const { return FPort; }
    QStringList Targets() {
        const std::lock_guard guard(Lock);
        return Seen;
    }

private:
    httplib::Server Server;
    std::thread Thread;
    int FPort = 0;
    std::mutex Lock;
    QStringList Seen;
};

TEST_F(DetailWindowTest, TheIconArrivesThroughTheProxyAndStaysAtHand) {
    TIconProxy proxy;
    OpenWithRows(QStringLiteral("[Proxy]\nUseProxy=1\nProxyServer=127.0.0.1\nProxyPort=%1\n")
                     .arg(proxy.Port()));
    auto* icon = Main().findChild<TIconView*>(QStringLiteral("WebBrowserIcon"));
    ASSERT_TRUE(QTest::qWaitFor([icon] { return !icon->Picture().isNull(); }, 10000));
    EXPECT_EQ(QSizeF(64, 64), icon->Picture().deviceIndependentSize());
    EXPECT_EQ(QSize(128, 128), icon->Picture().size()); // sharp on a screen scaled twice
    EXPECT_EQ(QStringList{QStringLiteral("http://icons.invalid/taro.png")}, proxy.Targets());

    // A status without an icon address keeps the picture; the blank pane drops it.
    Timeline()->SelectRow(1);
    EXPECT_FALSE(icon->Picture().isNull());
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_R);
    EXPECT_TRUE(icon->Picture().isNull());
    // Back to taro: the picture is at hand without another request.
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_T);
    Timeline()->SelectRow(0);
    EXPECT_FALSE(icon->Picture().isNull());
    EXPECT_EQ(1, proxy.Targets().size());
}

TEST_F(DetailWindowTest, NoIconIsFetchedWhenIconsAreOff) {
    OpenWithRows(QStringLiteral("[Update]\nVisibleIcon=0\n"));
    EXPECT_TRUE(Main().findChild<QWidget*>(QStringLiteral("PanelIcon"))->isHidden());
    EXPECT_TRUE(Main().findChild<TIconView*>(QStringLiteral("WebBrowserIcon"))->Url().isEmpty());
}

TEST(IconViewTest, FetchesOnlyWebAddresses) {
    const TQuorbelPrefs prefs(QStringLiteral("unused.ini"), QStringLiteral("unused"));
    TIconView icon(prefs);
    for (const char* url :
         {"file:///etc/hostname", "ftp://127.0.0.1/x.png", "data:image/png;base64,AA"})
        icon.Load(QString::fromLatin1(url));
    EXPECT_EQ(0, LiveWorkerCount());
    EXPECT_TRUE(icon.Picture().isNull());
}

} // namespace
