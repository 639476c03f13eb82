#include <algorithm>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "Friends.h"
#include "Names.h"
#include "Pictures.h"
#include "QtConvert.h"
#include "StatusListModel.h"
#include "StatusListView.h"
#include "StatusLists.h"
#include "WindowFixture.h"

namespace {

TEST(QtColorTest, SettingsColoursBecomeQtColours) {
    const QPalette palette = QApplication::palette();
    const struct {
        TColor Color;
        QColor Expected;
    } cases[] = {
        {0x000000FF, QColor(255, 0, 0)},
        {0x00FF0000, QColor(0, 0, 255)},
        {0x00563412, QColor(0x12, 0x34, 0x56)},
        {SystemColorBase + 5, palette.color(QPalette::Base)}, // clWindow
        {SystemColorBase + 8, palette.color(QPalette::Text)}, // clWindowText
        {SystemColorBase + 13, palette.color(QPalette::Highlight)},
        {ColorNone, QColor(Qt::transparent)},
        {ColorDefault, QColor()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Expected, ToQColor(c.Color, palette)) << std::hex << c.Color;
}

// Five statuses, newest first as the service lists them: 5 bob, 4 dave,
// 3 carol answering bob, 2 bob answering alice, 1 alice.
constexpr char FiveStatuses[] = R"([
  {"id":"5","rid":"r5","user_login_id":"bob","reply_user_login_id":"","text":"e","html":"e","link":"","epoch":5,"user":{"screen_name":"","profile_image_url":"","protected":false}},
  {"id":"4","rid":"r4","user_login_id":"dave","reply_user_login_id":"","text":"d","html":"d","link":"","epoch":4,"user":{"screen_name":"","profile_image_url":"","protected":false}},
  {"id":"3","rid":"r3","user_login_id":"carol","reply_user_login_id":"bob","text":"@bob c","html":"c","link":"","epoch":3,"user":{"screen_name":"","profile_image_url":"","protected":false}},
  {"id":"2","rid":"r2","user_login_id":"bob","reply_user_login_id":"alice","text":"@alice b","html":"b","link":"","epoch":2,"user":{"screen_name":"","profile_image_url":"","protected":false}},
  {"id":"1","rid":"r1","user_login_id":"alice","reply_user_login_id":"","text":"a","html":"a","link":"","epoch":1,"user":{"screen_name":"","profile_image_url":"","protected":false}}
])";

class RowColorTest : public TWindowFixture {
protected:
    // The window with the five statuses in its timeline.
    void OpenWithFive(const QString& ini) {
        Open(QuietAccount() + ini);
        ASSERT_TRUE(WaitUntilIdle());
        TFriends friends;
        friends.ParseJSON(FiveStatuses);
        Main().MergeStatuses(friends, KindTimeline);
        ASSERT_EQ(5, View()->RowCount());
    }
    TStatusListView* View() const { return Main().ListView(TabTimeline); }
    int RowOf(qint32 id) const {
        for (int i = 0; i < View()->RowCount(); ++i) {
            if (View()->Model()->ItemAt(i)->ID == id)
                return i;
        }
        return -1;
    }
    QImage Shot() const {
        QTest::qWait(20);
        return View()->viewport()->grab().toImage();
    }
    QRect RowRect(qint32 id) const {
        const QModelIndex first = View()->model()->index(RowOf(id), 0);
        const QModelIndex last = View()->model()->index(RowOf(id), 1);
        return View()->visualRect(first).united(View()->visualRect(last));
    }
};

TEST_F(RowColorTest, RowsArePaintedByTheirRelationToTheSelectedRow) {
    OpenWithFive(QStringLiteral("[UI]\nListStatusColor=$000000FF\n"
                                "ListReplyColor=$0000FF00\nListReplyToColor=$00FF0000\n"));
    View()->SelectRow(RowOf(2)); // bob's reply to alice
    const QImage shot = Shot();
    const auto background = [&](qint32 id) {
        const QRect row = RowRect(id);
        return shot.pixelColor(row.right() - 2, row.center().y());
    };
    const QPalette palette = View()->palette();
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::Highlight), background(2));
    EXPECT_EQ(QColor(255, 0, 0), background(5)) << "bob's other status";
    EXPECT_EQ(QColor(0, 255, 0), background(3)) << "carol answers bob";
    EXPECT_EQ(QColor(0, 0, 255), background(1)) << "bob answered alice";
    EXPECT_EQ(palette.color(QPalette::Base), background(4)) << "dave is unrelated";
}

// The list font's red is no row colour: rows outside the three relations, and
// every row while nothing is selected, are written in the system's text colour.
TEST_F(RowColorTest, UnrelatedRowsTakeTheSystemTextColourNotTheListFonts) {
    OpenWithFive(QStringLiteral("[Option]\nListFontColor=clRed\n[UI]\nListReplyTextColor=clRed\n"));
    const auto redText = [](const QImage& shot, const QRect& row) {
        // Past the two row pictures, which are not text.
        for (int y = row.top(); y <= row.bottom(); ++y) {
            for (int x = row.left() + 2 * RowPictureSize + 8; x <= row.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() - std::max(c.green(), c.blue()) > 100)
                    return true;
            }
        }
        return false;
    };
    View()->clearSelection();
    ASSERT_EQ(-1, View()->SelectedIndex());
    QImage shot = Shot();
    for (const qint32 id : {1, 2, 3, 4, 5})
        EXPECT_FALSE(redText(shot, RowRect(id))) << "nothing selected, status " << id;

    View()->SelectRow(RowOf(2));
    shot = Shot();
    EXPECT_TRUE(redText(shot, RowRect(3))) << "carol answers bob: ListReplyTextColor";
    for (const qint32 id : {1, 4, 5})
        EXPECT_FALSE(redText(shot, RowRect(id))) << "status " << id;
}

TEST_F(RowColorTest, RowsDrawCarrierEmojiAsStandardAndNoBidiOverride) {
    Open(QuietAccount());
    ASSERT_TRUE(WaitUntilIdle());
    // Pairs drawn alike: DoCoMo's sun and the standard one; an override and none.
    const char* json = R"([
      {"id":"5","rid":"r5","user_login_id":"zed","reply_user_login_id":"","text":"top","html":"","link":"","epoch":5},
      {"id":"4","rid":"r4","user_login_id":"a","reply_user_login_id":"","text":"晴れ\ue63e","html":"","link":"","epoch":4},
      {"id":"3","rid":"r3","user_login_id":"b","reply_user_login_id":"","text":"晴れ\u2600","html":"","link":"","epoch":3},
      {"id":"2","rid":"r2","user_login_id":"c","reply_user_login_id":"","text":"\u202eevil.exe","html":"","link":"","epoch":2},
      {"id":"1","rid":"r1","user_login_id":"d","reply_user_login_id":"","text":"evil.exe","html":"","link":"","epoch":1}
    ])";
    TFriends friends;
    friends.ParseJSON(json);
    Main().MergeStatuses(friends, KindTimeline);
    TStatusListView* view = Main().ListView(TabTimeline);
    ASSERT_EQ(5, view->RowCount());
    view->SelectRow(0);
    QTest::qWait(20);
    const QImage shot = view->viewport()->grab().toImage();
    const auto text = [&](int row) {
        return shot.copy(view->visualRect(view->model()->index(row, 1)));
    };
    EXPECT_EQ(text(1), text(2)) << "the carrier's sun is drawn as the standard sun";
    EXPECT_EQ(text(3), text(4)) << "the override reverses nothing";
    EXPECT_NE(text(1), text(3));
}

} // namespace
