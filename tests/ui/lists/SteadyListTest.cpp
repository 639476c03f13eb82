#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScrollBar>

#include "Friends.h"
#include "Names.h"
#include "NavigationFixture.h"
#include "StatusListModel.h"
#include "StatusListView.h"
#include "StatusLists.h"

namespace {

constexpr qint64 FirstEpoch = 1241164800;

// Statuses first … last, one minute apart, newest first as the service lists them.
TFriends Statuses(int first, int last) {
    QJsonArray statuses;
    for (int id = last; id >= first; --id) {
        const QString text = QStringLiteral("ヒトコト %1").arg(id);
        statuses.append(QJsonObject{
            {"id", QString::number(id)},
            {"rid", QStringLiteral("r%1").arg(id)},
            {"user_login_id", QStringLiteral("user%1").arg(id % 7)},
            {"reply_user_login_id", ""},
            {"text", text},
            {"html", text},
            {"link", ""},
            {"epoch", FirstEpoch + 60 * id},
            {"user",
             QJsonObject{{"screen_name", ""}, {"profile_image_url", ""}, {"protected", false}}},
        });
    }
    TFriends friends;
    friends.ParseJSON(QJsonDocument(statuses).toJson(), 9);
    return friends;
}

// Forty statuses, 101 to 140, in a list that shows about a dozen; newer ones
// (141 …) and older ones (… 100) arrive later, both sorted into place.
class SteadyListTest : public TNavigationFixture, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        Open(QuietAccount() + QStringLiteral("[Update]\nReverseSort=%1\n").arg(Reverse()));
        Merge(101, 140);
        ASSERT_GT(Timeline()->verticalScrollBar()->maximum(), 10);
    }
    static bool Reverse() { return GetParam(); }
    void Merge(int first, int last) {
        Main().MergeStatuses(Statuses(first, last), KindTimeline);
        Settle();
    }
    QScrollBar* Bar() const { return Timeline()->verticalScrollBar(); }
    // Scrolls to the newest rows: the top, or the bottom in reverse order.
    void ShowNewest() {
        if (Reverse())
            Timeline()->scrollToBottom();
        else
            Timeline()->scrollToTop();
        Settle();
    }
    // The status the mouse would hit at this point of the list.
    qint32 IdAt(QPoint point) const {
        const QModelIndex row = Timeline()->indexAt(point);
        return row.isValid() ? List(TabTimeline).ItemAt(row.row())->ID : 0;
    }
    int RowHeight() const {
        return Timeline()->visualRect(Timeline()->model()->index(0, 1)).height();
    }
    QPoint RowPoint(int visibleRow) const {
        return {150, RowHeight() * visibleRow + RowHeight() / 2};
    }
    qint32 NewestVisibleId() const { return Reverse() ? LastVisibleId() : FirstVisibleId(); }
    qint32 FirstVisibleId() const { return IdAt(RowPoint(0)); }
    qint32 LastVisibleId() const {
        // Scrolled by whole rows, the list may end above the viewport's bottom.
        for (int y = Timeline()->viewport()->height() - 1; y >= 0; y -= RowHeight()) {
            if (const qint32 id = IdAt({150, y}))
                return id;
        }
        return 0;
    }
    bool SelectedInView() const {
        const QModelIndex selected = Timeline()->model()->index(Timeline()->SelectedIndex(), 0);
        return Timeline()->viewport()->rect().contains(Timeline()->visualRect(selected));
    }
};

TEST_P(SteadyListTest, RowsInViewStayPutWhileScrolledAway) {
    Bar()->setValue(Bar()->maximum() / 2);
    Settle();
    const QPoint aim = RowPoint(3);
    const qint32 aimed = IdAt(aim);
    ASSERT_NE(0, aimed);

    Merge(141, 145); // newer: above the view, or below it in reverse order
    EXPECT_EQ(aimed, IdAt(aim));
    Merge(95, 100); // older: below the view, or above it in reverse order
    EXPECT_EQ(aimed, IdAt(aim));
    EXPECT_EQ(51, Timeline()->RowCount());
}

TEST_P(SteadyListTest, NewStatusesShowWhileTheNewestAreInView) {
    ShowNewest();
    ASSERT_EQ(140, NewestVisibleId());

    Merge(141, 143);
    EXPECT_EQ(143, NewestVisibleId());
}

TEST_P(SteadyListTest, TheSelectedRowStaysInView) {
    // The selected row at the far edge from the newest: the arrivals push it.
    ShowNewest();
    const QPoint farEdge =
        Reverse() ? RowPoint(0)
                  : QPoint(150, Timeline()->viewport()->height() - RowHeight() * 3 / 2);
    Timeline()->SelectRow(Timeline()->indexAt(farEdge).row());
    const qint32 selected = List(TabTimeline).ItemAt(Timeline()->SelectedIndex())->ID;
    ASSERT_TRUE(SelectedInView());

    Merge(141, 150);
    EXPECT_EQ(selected, List(TabTimeline).ItemAt(Timeline()->SelectedIndex())->ID);
    EXPECT_TRUE(SelectedInView());
}

INSTANTIATE_TEST_SUITE_P(SortOrders, SteadyListTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& order) {
                             return order.param ? "NewestAtBottom" : "NewestAtTop";
                         });

} // namespace
