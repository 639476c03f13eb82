// The tab strip as the window shows it: captions, pictures and news marks on
// the one-row bar and on the rows that TabMultiLine wraps the tabs into.
#include <algorithm>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTabBar>
#include <QTest>

#include "Names.h"
#include "NavigationFixture.h"
#include "PageControlList.h"
#include "Pictures.h"
#include "StatusListView.h"
#include "TabButton.h"

namespace {

QImage PictureImage(const QIcon& icon) {
    return icon.isNull() ? QImage() : icon.pixmap(TabPictureSize).toImage();
}

// Every tab a user can show, the message tab aside.
const QString AllTabsShown =
    QStringLiteral("[TabDisp]\nTabSheetPickupWord1=1\nTabSheetPickupWord2=1\n"
                   "TabSheetPickupWord3=1\nTabSheetPickupWord4=1\n"
                   "TabSheetFavID1=1\nTabSheetFavID2=1\n"
                   "TabSheetFavID3=1\nTabSheetFavID4=1\n");

class TabStripTest : public TNavigationFixture {
protected:
    TPageControlList& Tabs() const {
        return *Main().findChild<TPageControlList*>(QStringLiteral("PageControlList"));
    }
    QWidget* Rows() const { return Main().findChild<QWidget*>(QStringLiteral("TabRows")); }
    // The strip's tab of sheet j; null on the one-row bar.
    TTabButton* Button(int j) const {
        if (!Rows())
            return nullptr;
        return Rows()->findChildren<TTabButton*>().value(Tabs().indexOf(Tabs().Sheet(j)));
    }
    QString ShownCaption(int j) const {
        const TTabButton* button = Button(j);
        return button ? button->text() : Tabs().tabText(Tabs().indexOf(Tabs().Sheet(j)));
    }
    QImage ShownPicture(int j) const {
        const TTabButton* button = Button(j);
        return PictureImage(button ? button->icon()
                                   : Tabs().tabIcon(Tabs().indexOf(Tabs().Sheet(j))));
    }
};

TEST_F(TabStripTest, CaptionsPicturesAndNewsMarksFollowTheSettings) {
    WriteFile(QStringLiteral("quorbel.pic"), "こんにちは\r\n");
    WriteFile(QStringLiteral("quorbel.fav"), "taro\r\n");
    const QList<QIcon> pictures = TabPictures();
    for (const bool multiLine : {false, true}) {
        for (const bool marks : {false, true}) {
            SCOPED_TRACE(testing::Message() << "TabMultiLine=" << multiLine << " marks=" << marks);
            OpenWithRows(QStringLiteral("[Tabs]\nTabMultiLine=%1\nVisibleTabIcon=%2\n"
                                        "VisibleTabSign=%2\nPickupLabel1=猫\nFavIDLabel=友&達\n")
                             .arg(multiLine)
                             .arg(marks) +
                         AllTabsShown);
            EXPECT_EQ(multiLine, Rows() != nullptr);
            EXPECT_EQ(!multiLine, Tabs().tabBar()->isVisible());

            // The merge of OpenWithRows, the first, brought news to the pickup
            // word "こんにちは" and the favourite "taro" only.
            const QString mark = marks ? QStringLiteral("(*)") : QString();
            const struct {
                int Sheet;
                QString Caption;
                int Picture;
            } tabs[] = {
                {TabTimeline, QStringLiteral("タイムライン"), 0},
                {TabReply, QStringLiteral("返信"), 2},
                {TabPickupWord, QStringLiteral("注目") + mark, 9},
                {TabPickupWord + 1, QStringLiteral("猫"), 3},
                {TabFavID, QStringLiteral("友&&達") + mark, 10},
                {TabSearch, QStringLiteral("検索"), 5},
            };
            for (const auto& tab : tabs) {
                EXPECT_EQ(tab.Caption, ShownCaption(tab.Sheet)) << tab.Sheet;
                EXPECT_EQ(marks ? PictureImage(pictures[tab.Picture]) : QImage(),
                          ShownPicture(tab.Sheet))
                    << tab.Sheet;
            }
            // A screen reader reads the caption, the list by its plain label.
            if (multiLine) {
                EXPECT_EQ(QStringLiteral("タブ"),
                          QAccessible::queryAccessibleInterface(Rows())->text(QAccessible::Name));
                EXPECT_EQ(QStringLiteral("友&達") + mark,
                          QAccessible::queryAccessibleInterface(Button(TabFavID))
                              ->text(QAccessible::Name));
            }
            EXPECT_EQ(QStringLiteral("友&達"),
                      QAccessible::queryAccessibleInterface(Main().ListView(TabFavID))
                          ->text(QAccessible::Name));

            // A fetch without news takes the marks and pictures back.
            Merge(QStringLiteral("ui/navigation_timeline.json"));
            EXPECT_EQ(QStringLiteral("注目"), ShownCaption(TabPickupWord));
            EXPECT_EQ(marks ? PictureImage(pictures[3]) : QImage(), ShownPicture(TabPickupWord));
            TearDown();
        }
    }
}

TEST_F(TabStripTest, InSeveralRowsEveryCaptionIsWholeAtTheDefaultWidth) {
    OpenWithRows(QStringLiteral("[Tabs]\nTabMultiLine=1\nVisibleTabIcon=1\n") + AllTabsShown);
    Main().resize(370, Main().height());
    for (int j = 0; j < TabCount; ++j)
        Tabs().SetNews(j, true, true); // the widest captions
    QTest::qWait(10);                  // the rows are laid out again

    const QWidget* rows = Rows();
    ASSERT_NE(nullptr, rows);
    const QRect window = Main().rect();
    QList<int> rowTops;
    for (int j = 0; j < TabCount; ++j) {
        const TTabButton* button = Button(j);
        ASSERT_NE(nullptr, button);
        if (j == TabMessage) {
            EXPECT_FALSE(button->isVisible());
            continue;
        }
        SCOPED_TRACE(ShownCaption(j).toStdString());
        ASSERT_TRUE(button->isVisible());
        EXPECT_TRUE(ShownCaption(j).endsWith(QStringLiteral("(*)")));
        const QRect shown(button->mapTo(&Main(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(window.contains(shown));
        EXPECT_TRUE(rows->rect().contains(button->geometry()));
        EXPECT_GE(button->width(), button->sizeHint().width());
        EXPECT_GE(button->width(),
                  button->fontMetrics().horizontalAdvance(ShownCaption(j)) + TabPictureSize);
        if (!rowTops.contains(button->y()))
            rowTops << button->y();
    }
    EXPECT_GT(rowTops.size(), 1) << "the tabs wrap";
    // The pages begin below the rows.
    const QWidget* sheet = Tabs().Sheet(TabTimeline);
    EXPECT_GE(sheet->mapTo(&Tabs(), QPoint(0, 0)).y(), rows->geometry().bottom() - 2);
}

TEST_F(TabStripTest, InSeveralRowsClicksKeysAndMoveCommandsChangeTheTab) {
    OpenWithRows(QStringLiteral("[Tabs]\nTabMultiLine=1\n[TabDisp]\nTabSheetReply=0\n") +
                 AllTabsShown);
    Main().resize(370, Main().height());
    QTest::qWait(10);
    const auto bottomRow = [this](int j) {
        int lowest = 0;
        for (const TTabButton* button : Rows()->findChildren<TTabButton*>())
            if (button->isVisible())
                lowest = std::max(lowest, button->y());
        return Button(j)->y() == lowest;
    };

    // A click; the row of the active tab moves next to the pages.
    QTest::mouseClick(Button(TabFavID + 4), Qt::LeftButton);
    EXPECT_EQ(TabFavID + 4, Tabs().ActiveSheet());
    EXPECT_TRUE(Button(TabFavID + 4)->IsSelected());
    EXPECT_TRUE(bottomRow(TabFavID + 4));
    QTest::mouseClick(Button(TabTimeline), Qt::LeftButton);
    EXPECT_EQ(TabTimeline, Tabs().ActiveSheet());
    EXPECT_TRUE(bottomRow(TabTimeline));
    EXPECT_TRUE(Shown("RichEditText").startsWith(QStringLiteral("@hanako"))) << "the row shows";

    // Right and Left on the strip pass over the hidden reply tab.
    Rows()->setFocus();
    QTest::keyClick(Rows(), Qt::Key_Right);
    EXPECT_EQ(TabPickupWord, Tabs().ActiveSheet());
    QTest::keyClick(Rows(), Qt::Key_Left);
    EXPECT_EQ(TabTimeline, Tabs().ActiveSheet());
    QTest::keyClick(Rows(), Qt::Key_Left);
    EXPECT_EQ(TabTimeline, Tabs().ActiveSheet());

    // Ctrl+Tab from the list, and the move commands, hidden tab included.
    Main().ListView(TabTimeline)->setFocus();
    QTest::keyClick(Main().ListView(TabTimeline), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_NE(TabTimeline, Tabs().ActiveSheet());
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_K);
    EXPECT_EQ(TabSearch, Tabs().ActiveSheet());
    EXPECT_TRUE(bottomRow(TabSearch));
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_R);
    EXPECT_EQ(TabReply, Tabs().ActiveSheet());
    for (const TTabButton* button : Rows()->findChildren<TTabButton*>())
        EXPECT_FALSE(button->isVisible() && button->IsSelected()) << button->text().toStdString();
}

} // namespace
