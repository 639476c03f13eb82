#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QJsonObject>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "ComposeFixture.h"
#include "ItemCommandHandler.h"
#include "Names.h"
#include "StatusListModel.h"
#include "StatusListView.h"

namespace {

const QString FavoriteDone = QStringLiteral("イイネ! 追加終了");

class ItemCommandWindowTest : public TComposeFixture {
protected:
    const TQuorbelItem& ItemOf(const QString& text) const {
        return *List(TabTimeline).ItemAt(RowOf(TabTimeline, text));
    }
    QString Clipboard() const { return QGuiApplication::clipboard()->text(); }
};

TEST_F(ItemCommandWindowTest, FavouriteAsksFirstUnlessToldNotTo) {
    AddStatus(QStringLiteral("kumo7"), QStringLiteral("like this"));
    OpenWindow();
    SelectStatus(QStringLiteral("like this"));
    const QString path =
        QStringLiteral("/favorites/create/%1.json").arg(QString(ItemOf("like this").Rid));

    Boxes->Answer = false;
    Hit(Qt::CTRL | Qt::ALT | Qt::Key_V);
    ASSERT_EQ(1, Shown.size());
    EXPECT_EQ(QStringLiteral("question"), Shown[0].Kind);
    EXPECT_EQ(QStringLiteral("イイネ! に追加"), Shown[0].Title);
    EXPECT_EQ(QStringLiteral("本当にイイネ! に追加して良いですか？"), Shown[0].Text);
    EXPECT_EQ(0, RequestsTo(QStringLiteral("/favorites/")).size());

    Boxes->Answer = true;
    Hit(Qt::CTRL | Qt::ALT | Qt::Key_V);
    EXPECT_EQ(QStringLiteral("イイネ! 追加中..."), Panel(0));
    ASSERT_TRUE(WaitForPanel(FavoriteDone)) << Panel(0).toStdString();
    const QJsonArray requests = RequestsTo(QStringLiteral("/favorites/"));
    ASSERT_EQ(1, requests.size());
    EXPECT_EQ(QStringLiteral("POST"), requests[0][QStringLiteral("method")].toString());
    EXPECT_EQ(path, requests[0][QStringLiteral("path")].toString());
    EXPECT_TRUE(requests[0][QStringLiteral("body")].toString().isEmpty());

    Main().Prefs().AskAddFavorite = false;
    ASSERT_TRUE(Server.Admin(QStringLiteral("/admin/fault"), {{QStringLiteral("kind"), "400"}}));
    Hit(Qt::CTRL | Qt::ALT | Qt::Key_V);
    ASSERT_TRUE(WaitForPanel(QStringLiteral("イイネ! 追加エラー(API制限)")))
        << Panel(0).toStdString();
    EXPECT_EQ(2, Shown.size()) << "no question when AskAddFavorite is off";
    EXPECT_EQ(2, RequestsTo(QStringLiteral("/favorites/")).size());
}

TEST_F(ItemCommandWindowTest, DeletingMarksTheStatusOnceInEveryListButTheMessageList) {
    AddStatus(QStringLiteral("demo"), QStringLiteral("消すつもり byebye"));
    AddStatus(QStringLiteral("kumo7"), QStringLiteral("not mine"));
    WriteFile(QStringLiteral("quorbel.fav"), "demo\r\n");
    WriteFile(QStringLiteral("quorbel.pic"), "byebye\r\n");
    OpenWindow();
    const QString text = QStringLiteral("消すつもり byebye");
    const qint32 id = ItemOf(text).ID;

    // Another user's status is never sent for deletion.
    SelectStatus(QStringLiteral("not mine"));
    Main().findChild<TItemCommandHandler*>()->DestroyStatus();
    EXPECT_EQ(0, RequestsTo(QStringLiteral("/statuses/destroy/")).size());

    // From the search list, which shares the record with the others.
    Hit(Qt::CTRL | Qt::SHIFT | Qt::Key_Y);
    ASSERT_EQ(Main().ListView(TabSearch), Main().ActiveListView());
    SelectStatus(text);
    Boxes->Answer = false;
    Hit(Qt::CTRL | Qt::ALT | Qt::Key_R);
    ASSERT_EQ(1, Shown.size());
    EXPECT_EQ(QStringLiteral("Statusの削除"), Shown[0].Title);
    EXPECT_EQ(QStringLiteral("本当に削除して良いですか？"), Shown[0].Text);
    EXPECT_EQ(0, RequestsTo(QStringLiteral("/statuses/destroy/")).size());

    Boxes->Answer = true;
    // A refusal leaves every row as it was.
    ASSERT_TRUE(Server.Admin(QStringLiteral("/admin/fault"), {{QStringLiteral("kind"), "500"}}));
    Hit(Qt::CTRL | Qt::ALT | Qt::Key_R);
    ASSERT_TRUE(WaitForPanel(QStringLiteral("Status削除エラー"))) << Panel(0).toStdString();
    EXPECT_NE(StateDeleted, List(TabSearch).Row(RowOf(TabSearch, text)).StateIndex);

    Hit(Qt::CTRL | Qt::ALT | Qt::Key_R);
    ASSERT_TRUE(WaitForPanel(QStringLiteral("Status削除終了"))) << Panel(0).toStdString();
    const QJsonArray requests = RequestsTo(QStringLiteral("/statuses/destroy/"));
    ASSERT_EQ(2, requests.size());
    EXPECT_EQ(QStringLiteral("POST"), requests[1][QStringLiteral("method")].toString());
    EXPECT_EQ(QStringLiteral("/statuses/destroy/%1.xml").arg(id),
              requests[1][QStringLiteral("path")].toString());

    const int lists[] = {TabTimeline, TabPickupWord, TabFavID, TabSearch};
    for (const int j : lists) {
        const int row = RowOf(j, text);
        ASSERT_GE(row, 0) << ListViewNames[size_t(j)].toStdString();
        EXPECT_EQ(StateDeleted, List(j).Row(row).StateIndex)
            << ListViewNames[size_t(j)].toStdString();
    }
    int marked = 0;
    for (int j = 0; j < TabCount; ++j) {
        for (int r = 0; r < List(j).Count(); ++r)
            marked += List(j).Row(r).StateIndex == StateDeleted ? 1 : 0;
    }
    EXPECT_EQ(4, marked) << "one row per list, rows stay";
}

TEST_F(ItemCommandWindowTest, PropertyBoxListsTheNineFields) {
    AddStatus(QStringLiteral("kumo7"), QStringLiteral("プロパティ見せて"));
    OpenWindow();
    SelectStatus(QStringLiteral("プロパティ見せて"));
    const TQuorbelItem& item = ItemOf(QStringLiteral("プロパティ見せて"));
    Action(QStringLiteral("ActionProperty"))->trigger();

    ASSERT_EQ(1, Shown.size());
    EXPECT_EQ(QStringLiteral("message"), Shown[0].Kind);
    EXPECT_EQ(QStringLiteral("Quorbel Ver0.52"), Shown[0].Title);
    const QStringList lines = Shown[0].Text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(10, lines.size()) << Shown[0].Text.toStdString();
    EXPECT_EQ(QStringLiteral("ID : %1").arg(item.ID), lines[0]);
    EXPECT_EQ(QStringLiteral("ScreenName : kumo7"), lines[1]);
    EXPECT_EQ(QStringLiteral("NickName : ") + item.ScreenName, lines[2]);
    EXPECT_EQ(QStringLiteral("Text : プロパティ見せて"), lines[3]);
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("CreatedAt : 20"))) << lines[4].toStdString();
    EXPECT_EQ(QStringLiteral("ReplyScreenName : "), lines[5]);
    EXPECT_EQ(QStringLiteral("ProfileImageURL : ") + item.ProfileImageURL, lines[6]);
    EXPECT_EQ(QStringLiteral("ItemType : 0"), lines[7]);
    EXPECT_EQ(QStringLiteral("URL : ") + QString::fromUtf8(item.Link), lines[8]);
    EXPECT_TRUE(lines[9].isEmpty());
}

TEST_F(ItemCommandWindowTest, PagesAndCopiesOfTheSelectedStatus) {
    AddStatus(QStringLiteral("kumo7"), QStringLiteral("first"));
    AddStatus(QStringLiteral("hoshi9"), QStringLiteral("@kumo7 お返事"), QStringLiteral("kumo7"));
    OpenWindow();
    const QString text = QStringLiteral("@kumo7 お返事");
    SelectStatus(text);
    const TQuorbelItem& item = ItemOf(text);
    ASSERT_EQ(QStringLiteral("kumo7"), item.ReplyUserID);
    const QString link = QString::fromUtf8(item.Link);
    ASSERT_FALSE(link.isEmpty());
    const QString web = Server.Base();

    const std::pair<QKeyCombination, QString> pages[] = {
        {Qt::CTRL | Qt::Key_H, web + QStringLiteral("/user/hoshi9")},
        {Qt::CTRL | Qt::ALT | Qt::Key_F, web + QStringLiteral("/user/hoshi9/favorites/")},
        {Qt::CTRL | Qt::ALT | Qt::Key_P, web + QStringLiteral("/user/kumo7")},
        {Qt::CTRL | Qt::Key_S, link},
        {Qt::CTRL | Qt::ALT | Qt::Key_H, link},
        {Qt::CTRL | Qt::ALT | Qt::Key_T, web + QStringLiteral("/")},
        {Qt::CTRL | Qt::ALT | Qt::Key_I, web + QStringLiteral("/my/favorite/")},
        {QKeyCombination(Qt::Key_F1), web + QStringLiteral("/quorbel/help/")},
    };
    for (const auto& [keys, url] : pages) {
        Hit(keys);
        ASSERT_FALSE(Opened.isEmpty()) << url.toStdString();
        EXPECT_EQ(url, Opened.takeLast());
    }

    const std::pair<QKeyCombination, QString> copies[] = {
        {Qt::CTRL | Qt::SHIFT | Qt::Key_I, QStringLiteral("hoshi9")},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_A, List(TabTimeline).Row(RowOf(TabTimeline, text)).Text},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_L, link},
    };
    for (const auto& [keys, copied] : copies) {
        QGuiApplication::clipboard()->clear();
        Hit(keys);
        EXPECT_EQ(copied, Clipboard());
    }
}

TEST_F(ItemCommandWindowTest, CopiesGiveStandardEmojiAndTheStoredOrder) {
    const QString stored = QStringLiteral("晴れ\uE63E \u202Egnp.exe\u202C");
    const QString copied = QStringLiteral("晴れ☀ \u202Egnp.exe\u202C");
    AddStatus(QStringLiteral("kumo7"), stored);
    OpenWindow();
    SelectStatus(stored);
    QGuiApplication::clipboard()->clear();
    Hit(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
    EXPECT_EQ(copied, Clipboard());

    auto* text = Main().findChild<QTextEdit*>(QStringLiteral("RichEditText"));
    text->setFocus();
    text->selectAll();
    Refresh();
    QGuiApplication::clipboard()->clear();
    Hit(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(copied, Clipboard());
    // What is stored stays as it came.
    EXPECT_EQ(stored, List(TabTimeline).ItemAt(RowOf(TabTimeline, stored))->Text);
}

TEST_F(ItemCommandWindowTest, SelectedTextIsCopiedAndSearched) {
    AddStatus(QStringLiteral("kumo7"), QStringLiteral("abc def"));
    AddStatus(QStringLiteral("hoshi9"), QStringLiteral("xyz abc"));
    OpenWindow();

    QLineEdit* edit = EditStatus();
    edit->setText(QStringLiteral("hello world"));
    edit->setFocus();
    edit->setSelection(6, 5);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QStringLiteral("world"), Clipboard());

    SelectStatus(QStringLiteral("abc def"));
    auto* text = Main().findChild<QTextEdit*>(QStringLiteral("RichEditText"));
    ASSERT_NE(nullptr, text);
    text->setFocus();
    QTextCursor cursor(text->document());
    cursor.setPosition(0);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    Refresh();

    const std::pair<QString, QString> searches[] = {
        {QStringLiteral("ActionSearchGoogle"),
         QStringLiteral("https://www.google.co.jp/search?q=abc")},
        {QStringLiteral("ActionSearchWikipedia"),
         QStringLiteral("https://ja.wikipedia.org/wiki/abc")},
        {QStringLiteral("ActionSearchWassrSearch"),
         QStringLiteral("http://wassr-search.example.jp/wassr/?k=abc")},
    };
    for (const auto& [name, url] : searches) {
        Action(name)->trigger();
        EXPECT_EQ(QStringList{url}, Opened);
        Opened.clear();
    }

    Action(QStringLiteral("ActionSearchFindTab"))->trigger();
    EXPECT_EQ(QStringLiteral("abc"), EditSearch()->text());
    EXPECT_EQ(Main().ListView(TabSearch), Main().ActiveListView());
    EXPECT_TRUE(Main().ListView(TabSearch)->hasFocus());
    EXPECT_GE(RowOf(TabSearch, QStringLiteral("abc def")), 0);
    EXPECT_GE(RowOf(TabSearch, QStringLiteral("xyz abc")), 0);
    EXPECT_EQ(0, Main().ListView(TabSearch)->SelectedIndex());
}

} // namespace
