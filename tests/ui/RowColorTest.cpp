#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "Friends.h"
#include "Names.h"
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

class RowColorTest : public TWindowFixture {};

TEST_F(RowColorTest, RowsArePaintedByTheirRelationToTheSelectedRow) {
    Open(QuietAccount() + QStringLiteral("[UI]\nListStatusColor=$000000FF\n"
                                         "ListReplyColor=$0000FF00\nListReplyToColor=$00FF0000\n"));
    ASSERT_TRUE(WaitUntilIdle());
    TFriends friends;
    // Newest first, as the service lists them.
    const char* json = R"([
      {"id":"5","rid":"r5","user_login_id":"bob","reply_user_login_id":"","text":"e","html":"e","link":"","epoch":5,"user":{"screen_name":"","profile_image_url":"","protected":false}},
      {"id":"4","rid":"r4","user_login_id":"dave","reply_user_login_id":"","text":"d","html":"d","link":"","epoch":4,"user":{"screen_name":"","profile_image_url":"","protected":false}},
      {"id":"3","rid":"r3","user_login_id":"carol","reply_user_login_id":"bob","text":"@bob c","html":"c","link":"","epoch":3,"user":{"screen_name":"","profile_image_url":"","protected":false}},
      {"id":"2","rid":"r2","user_login_id":"bob","reply_user_login_id":"alice","text":"@alice b","html":"b","link":"","epoch":2,"user":{"screen_name":"","profile_image_url":"","protected":false}},
      {"id":"1","rid":"r1","user_login_id":"alice","reply_user_login_id":"","text":"a","html":"a","link":"","epoch":1,"user":{"screen_name":"","profile_image_url":"","protected":false}}
    ])";
    friends.ParseJSON(json);
    Main().MergeStatuses(friends, KindTimeline);
    TStatusListView* view = Main().ListView(TabTimeline);
    ASSERT_EQ(5, view->RowCount());

    const auto rowOf = [view](qint32 id) {
        for (int i = 0; i < view->RowCount(); ++i) {
            if (view->Model()->ItemAt(i)->ID == id)
                return i;
        }
        return -1;
    };
    view->SelectRow(rowOf(2)); // bob's reply to alice
    QTest::qWait(20);
    const QImage shot = view->viewport()->grab().toImage();
    const auto background = [&](qint32 id) {
        const QRect cell = view->visualRect(view->model()->index(rowOf(id), 1));
        return shot.pixelColor(cell.right() - 2, cell.center().y());
    };
    const QPalette palette = view->palette();
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::Highlight), background(2));
    EXPECT_EQ(QColor(255, 0, 0), background(5)) << "bob's other status";
    EXPECT_EQ(QColor(0, 255, 0), background(3)) << "carol answers bob";
    EXPECT_EQ(QColor(0, 0, 255), background(1)) << "bob answered alice";
    EXPECT_EQ(palette.color(QPalette::Base), background(4)) << "dave is unrelated";
}

} // namespace
