#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>

#include "ComposeFixture.h"
#include "Names.h"
#include "QuorbelPrefs.h"
#include "StatusListModel.h"
#include "StatusListView.h"

namespace {

class FavIDTabTest : public TComposeFixture {
protected:
    QStringList Texts(int j) const {
        QStringList texts;
        for (int r = 0; r < List(j).Count(); ++r)
            texts << List(j).ItemAt(r)->Text;
        return texts;
    }
    QString ShownAuthor() const {
        return Main().findChild<QLineEdit*>(QStringLiteral("EditName"))->text();
    }
};

TEST_F(FavIDTabTest, AddingAnAuthorFillsAndShowsItsTab) {
    AddStatus(QStringLiteral("taro"), QStringLiteral("taro one"));
    AddStatus(QStringLiteral("kumo7"), QStringLiteral("someone else"));
    AddStatus(QStringLiteral("taro"), QStringLiteral("taro two"));
    OpenWindow();
    SelectStatus(QStringLiteral("someone else"));
    SelectStatus(QStringLiteral("taro one"));

    Hit(Qt::CTRL | Qt::ALT | Qt::Key_A);
    EXPECT_EQ(QStringList{QStringLiteral("taro")}, Main().Prefs().FavIDs[0]);
    EXPECT_EQ(Main().ListView(TabFavID), Main().ActiveListView());
    EXPECT_TRUE(Main().ListView(TabFavID)->hasFocus());
    EXPECT_EQ(QStringList({QStringLiteral("taro two"), QStringLiteral("taro one")}),
              Texts(TabFavID));
    EXPECT_EQ(0, Main().ListView(TabFavID)->SelectedIndex());
    EXPECT_TRUE(ShownAuthor().startsWith(QStringLiteral("taro"))) << ShownAuthor().toStdString();

    // Any of the five lists, from its menu entry.
    Action(QStringLiteral("ActionAddFavID3"))->trigger();
    EXPECT_EQ(Main().ListView(TabFavID + 3), Main().ActiveListView());
    EXPECT_EQ(QStringList({QStringLiteral("taro two"), QStringLiteral("taro one")}),
              Texts(TabFavID + 3));
    // The list files are written only with the settings.
    EXPECT_TRUE(ReadFile(QStringLiteral("quorbel.fav")).isEmpty());
}

TEST_F(FavIDTabTest, MembershipIgnoresCaseWhileMatchingDoesNot) {
    WriteFile(QStringLiteral("quorbel.fav"), "Taro\r\n");
    AddStatus(QStringLiteral("taro"), QStringLiteral("taro one"));
    OpenWindow();
    EXPECT_EQ(0, List(TabFavID).Count()) << "Taro does not collect taro";
    SelectStatus(QStringLiteral("taro one"));

    Action(QStringLiteral("ActionAddFavID"))->trigger();
    EXPECT_EQ(QStringList{QStringLiteral("Taro")}, Main().Prefs().FavIDs[0]);
    EXPECT_EQ(Main().ListView(TabTimeline), Main().ActiveListView()) << "no tab change";

    Hit(Qt::CTRL | Qt::ALT | Qt::Key_M);
    EXPECT_TRUE(Main().Prefs().FavIDs[0].isEmpty());
    EXPECT_EQ(Main().ListView(TabFavID), Main().ActiveListView());
    // The tab is empty, so is the detail pane.
    EXPECT_TRUE(ShownAuthor().isEmpty());

    // Removing what the list does not hold changes nothing.
    ClickTab(TabTimeline);
    SelectStatus(QStringLiteral("taro one"));
    Action(QStringLiteral("ActionRemoveFavID2"))->trigger();
    EXPECT_EQ(Main().ListView(TabTimeline), Main().ActiveListView());
}

TEST_F(FavIDTabTest, CommandsAndTabsTakeTheirCaptionsFromTheLabels) {
    OpenWindow(QStringLiteral("[Tabs]\nFavIDLabel=友達\n"));
    EXPECT_EQ(QStringLiteral("「友達」に追加"), Action(QStringLiteral("ActionAddFavID"))->text());
    EXPECT_EQ(QStringLiteral("「友達」から削除"),
              Action(QStringLiteral("ActionRemoveFavID"))->text());
    EXPECT_EQ(QStringLiteral("「お気に入り2」に追加"),
              Action(QStringLiteral("ActionAddFavID1"))->text());
    auto* tabs = Main().findChild<QTabWidget*>(QStringLiteral("PageControlList"));
    EXPECT_EQ(QStringLiteral("友達"),
              tabs->tabText(tabs->indexOf(Main().findChild<QWidget*>(TabSheetNames[TabFavID]))));
}

} // namespace
