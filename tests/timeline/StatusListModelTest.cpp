#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include <QAbstractItemModelTester>

#include "CompareByDate.h"
#include "RowColors.h"
#include "StatusListModel.h"

namespace {

TEST(CompareByDateTest, LaterFirstThenLargerID) {
    TQuorbelItem early{1, 10.0};
    TQuorbelItem late{2, 20.0};
    TQuorbelItem lateBigger{3, 20.0};
    EXPECT_LT(CompareByDate(&late, &early, false), 0);
    EXPECT_LT(CompareByDate(&lateBigger, &late, false), 0);
    EXPECT_GT(CompareByDate(&lateBigger, &late, true), 0);
    EXPECT_EQ(CompareByDate(&late, &late, false), 0);
    EXPECT_LT(CompareByDate(&early, nullptr, false), 0);
}

// Rows inserted one by one where they belong give the order a full sort gives,
// whatever order they arrive in and whichever direction is asked for.
TEST(StatusListModelTest, SortedInsertionMatchesFullSort) {
    std::mt19937 random(7);
    std::vector<TQuorbelItem> items(300);
    for (int i = 0; i < int(items.size()); ++i)
        items[size_t(i)] = TQuorbelItem{i + 1, double(random() % 40)};
    for (bool reverse : {false, true}) {
        TStatusListModel model(false);
        QAbstractItemModelTester tester(&model);
        std::vector<TQuorbelItem*> expected;
        for (TQuorbelItem& item : items) {
            model.InsertSorted(TListRow{&item}, reverse);
            expected.push_back(&item);
        }
        std::stable_sort(expected.begin(), expected.end(),
                         [reverse](auto* a, auto* b) { return CompareByDate(a, b, reverse) < 0; });
        for (int i = 0; i < model.Count(); ++i)
            ASSERT_EQ(model.ItemAt(i), expected[size_t(i)]) << i;
    }
}

TEST(StatusListModelTest, UnsortedInsertionIsSortedOnDemand) {
    TQuorbelItem a{1, 1.0}, b{2, 2.0}, c{3, 3.0};
    TStatusListModel model(false);
    model.AppendRow(TListRow{&c});
    model.AppendRow(TListRow{&a});    // still descending
    model.InsertRow(0, TListRow{&b}); // breaks the order
    EXPECT_EQ(model.ItemAt(0), &b);
    // A selected row (a persistent index) stays on its status through the sort.
    const QPersistentModelIndex selected = model.index(2, 1);
    model.Sort(false);
    EXPECT_EQ(model.ItemAt(0), &c);
    EXPECT_EQ(model.ItemAt(1), &b);
    EXPECT_EQ(model.ItemAt(2), &a);
    EXPECT_EQ(selected.row(), 2);
    EXPECT_EQ(selected.column(), 1);
    model.Sort(true);
    EXPECT_EQ(selected.row(), 0);
    EXPECT_EQ(model.ItemAt(selected.row()), &a);
}

TEST(StatusListModelTest, ClearNewMarksTouchesOnlyNewRows) {
    TQuorbelItem status{1, 1.0};
    TQuorbelItem message{2, 2.0, true};
    TStatusListModel model(false);
    model.AppendRow(TListRow{&message, "m", "", ImageNone, StateNew});
    model.AppendRow(TListRow{&status, "s", "", ImageNone, StateNew});
    model.AppendRow(TListRow{&status, "s", "", ImageNone, StateReplyToMe});
    EXPECT_EQ(model.ClearNewMarks(true), 1);
    EXPECT_EQ(model.Row(0).StateIndex, StateNew);
    EXPECT_EQ(model.Row(1).StateIndex, StateNone);
    EXPECT_EQ(model.Row(2).StateIndex, StateReplyToMe);
    EXPECT_EQ(model.ClearNewMarks(false), 1);
    EXPECT_EQ(model.ClearNewMarks(false), 0);
    model.SetStateIndex(2, StateNew);
    EXPECT_EQ(model.NewMarkCount(), 1);
    model.SetStateIndex(2, StateDeleted);
    EXPECT_EQ(model.NewMarkCount(), 0);
}

TEST(StatusListModelTest, OwningListFreesItsRecords) {
    // Run under the sanitizers this shows neither a leak nor a double free.
    TStatusListModel model(true);
    model.AppendRow(TListRow{new TQuorbelItem{1}});
    model.Clear();
    model.AppendRow(TListRow{new TQuorbelItem{2}});
    EXPECT_EQ(model.Count(), 1);
}

TEST(RowColorsTest, FirstMatchingRuleWins) {
    TQuorbelItem selectedItem;
    selectedItem.ReplyUserID = QStringLiteral("bob");
    const TListRow selected{&selectedItem, QStringLiteral("alice")};
    const TListRow selectedNoReply{nullptr, QStringLiteral("alice")};

    struct Case {
        QString user;
        QString replyTo;
        const TListRow* sel;
        TRowColorRule expected;
    };
    const Case cases[] = {
        {"carol", "", nullptr, TRowColorRule::Default},
        {"alice", "", &selected, TRowColorRule::Status},
        {"alice", "alice", &selected, TRowColorRule::Status}, // rule 2 before rule 3
        {"carol", "alice", &selected, TRowColorRule::Reply},
        {"bob", "", &selected, TRowColorRule::ReplyTo},
        {"Bob", "", &selected, TRowColorRule::Default},
        {"carol", "", &selected, TRowColorRule::Default},
        {"", "", &selectedNoReply, TRowColorRule::Default}, // empty reply-to matches nothing
        {"bob", "", &selectedNoReply, TRowColorRule::Default},
    };
    for (const Case& c : cases) {
        TQuorbelItem item;
        item.ReplyUserID = c.replyTo;
        const TListRow row{&item, c.user};
        EXPECT_EQ(RowColorRuleFor(row, c.sel), c.expected) << c.user.toStdString();
    }
}

} // namespace
