#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>
#include <ostream>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ColorPickerButton.h"
#include "FormPrefs.h"
#include "LayoutCheck.h"
#include "MessageBoxes.h"
#include "QtConvert.h"
#include "QuorbelPrefs.h"
#include "TabOrderList.h"
#include "TestPaths.h"

// Readable failures for texts.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

class TRecordingBoxes final : public TMessageBoxes {
public:
    struct TBox {
        QString Title;
        QString Text;
    };
    void Error(QWidget*, const QString& title, const QString& text) override {
        Shown.append({title, text});
    }
    QList<TBox> Shown;
};

// The main window's tabs as it arranges them: by TabIndex, ties in table order.
QList<TTabRow> WindowTabs(const TQuorbelPrefs& prefs) {
    std::array<QString, TabCount> captions{QStringLiteral("タイムライン"),
                                           QStringLiteral("メッセージ"), QStringLiteral("返信")};
    for (int i = 0; i < NumberedTabCount; ++i) {
        captions[TabPickupWord + i] = prefs.PickupLabel[i];
        captions[TabFavID + i] = prefs.FavIDLabel[i];
    }
    captions[TabSearch] = QStringLiteral("検索");
    std::array<int, TabCount> order;
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return prefs.TabIndex[a] < prefs.TabIndex[b]; });
    QList<TTabRow> rows;
    for (int j : order)
        rows.append({TabSheetNames[j], captions[j], prefs.TabDisp[j]});
    return rows;
}

// Every setting the dialog edits away from its default.
void Edit(TQuorbelPrefs& prefs) {
    prefs.Username = QStringLiteral("花子");
    prefs.Password = QStringLiteral("pass word");
    prefs.Interval = 45;
    prefs.EnableBalloon = false;
    prefs.UseProxy = true;
    prefs.ProxyUser = QStringLiteral("proxyuser");
    prefs.ProxyPass = QStringLiteral("プロキシ");
    prefs.ProxyPort = 3128;
    prefs.ProxyServer = QStringLiteral("proxy.example.jp");
    prefs.VisibleIcon = false;
    prefs.ShowUsername = true;
    prefs.EnableJapanize = true;
    prefs.AddQuorbelSign = false;
    prefs.MinimizeOnClose = false;
    prefs.MinimizeInTaskTray = false;
    prefs.TopMost = true;
    prefs.ListFont = {QStringLiteral("IPAゴシック"), 12, 0x00FF0000, TFontDesc::Bold, 1, 2};
    prefs.NGWords = {QStringLiteral("広告"), QStringLiteral("spam")};
    prefs.ListReplyColor = 0x00000080;
    prefs.ListStatusColor = 0x00123456;
    prefs.ListDubbleClickMode = 2;
    prefs.ListReplyToColor = 0xFF000005;
    prefs.ListReplyToTextColor = 0x00FFFFFF;
    prefs.ListReplyTextColor = ColorNone;
    prefs.ListStatusTextColor = 0x00010203;
    prefs.EnableUpdateBlock = false;
    prefs.SndReply = true;
    prefs.SndStatus = true;
    prefs.SndMessage = true;
    prefs.EnableUnreadManager = true;
    prefs.MesInterval = 900;
    prefs.EnableUpdateReload = true;
    prefs.UsePOSTMethod = true;
    prefs.FavMessage = true;
    prefs.EnableUpdateCheck = false;
    prefs.EnableConvertTinyURL = true;
    prefs.ReverseSort = true;
    prefs.EnableDisplayIcon = true;
    prefs.EnableAutoUpdate = false;
    prefs.PanelLayout = 2;
    prefs.MinimizeOnCreate = true;
    prefs.PopupOnlyReplyToMe = true;
    prefs.PopupOnlyFavID = true;
    prefs.PopupOnlyPickup = true;
    prefs.IDWidth = 150;
    prefs.AskAddFavorite = false;
    prefs.EnableP3Key = true;
    prefs.UpdateWithCTRL = true;
    prefs.QuorbelMark = QStringLiteral("☆");
    prefs.EnableHeart = false;
    prefs.TabMultiLine = true;
    prefs.VisibleTabIcon = true;
    prefs.VisibleTabSign = false;
    prefs.TaskIconNotify = true;
    prefs.SoundSet = QStringLiteral("Default");
    for (int i = 0; i < NumberedTabCount; ++i) {
        prefs.PickupWords[i] = {QStringLiteral("語%1").arg(i), QStringLiteral("word")};
        prefs.FavIDs[i] = {QStringLiteral("user%1").arg(i)};
        prefs.PickupLabel[i] = QStringLiteral("ラベル%1").arg(i);
        prefs.FavIDLabel[i] = QStringLiteral("友%1").arg(i);
        prefs.PickupPopup[i] = i % 2 == 0;
        prefs.FavIDPopup[i] = i % 2 == 1;
    }
    for (int j = 0; j < TabCount; ++j) {
        prefs.TabDisp[j] = j != TabMessage && j % 3 != 0;
        prefs.TabIndex[j] = TabCount - 1 - j;
    }
}

// The preview's text for a stored face: the face, the face drawn in its place
// when that is another, the size and "Pt".
QString PreviewText(const QLabel* preview, const QString& face, int size) {
    const QString drawn = QFontInfo(preview->font()).family();
    const QString shown = drawn == face ? face : face + " (" + drawn + ")";
    return shown + " " + QString::number(size) + "Pt";
}

class FormPrefsTest : public testing::Test {
protected:
    // Settings as a first start loads them: the message tab is never shown.
    TQuorbelPrefs Fresh() const {
        TQuorbelPrefs prefs(Dir.filePath(QStringLiteral("quorbel.ini")),
                            Dir.filePath(QStringLiteral("quorbel")));
        prefs.TabDisp[TabMessage] = false;
        return prefs;
    }

    // Opens the dialog the way the preferences command does, with the sound
    // sets the build put beside the program.
    void Open(bool firstRunMode = false, const QString& programFolder = BuildPath(".")) {
        Form = std::make_unique<TFormPrefs>(QStringList{programFolder + QStringLiteral("/sound")});
        auto boxes = std::make_unique<TRecordingBoxes>();
        Boxes = boxes.get();
        Form->SetMessageBoxes(std::move(boxes));
        Form->SetUrlOpener([this](const QUrl& url) { Opened.append(url); });
        Form->Fill(Prefs, ToQFont(Prefs.ListFont), WindowTabs(Prefs), firstRunMode);
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }

    template <class W>
    W* Find(const QString& name) const {
        W* widget = Form->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    QTabWidget* Pages() const { return Find<QTabWidget>(QStringLiteral("PageControlPrefs")); }

    void GoToPage(QTabWidget* pages, const QString& caption) {
        QTabBar* bar = pages->tabBar();
        for (int k = 0; k < bar->count(); ++k) {
            if (bar->tabText(k) == caption)
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(k).center());
        }
        ASSERT_EQ(pages->tabText(pages->currentIndex()), caption);
    }
    void GoToPage(const QString& caption) { GoToPage(Pages(), caption); }

    // Replaces the edit's text with keys; Japanese text arrives as an input
    // method commits it.
    void Type(const QString& name, const QString& text) {
        auto* edit = Find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii) {
            QTest::keyClicks(edit, text);
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(edit, &commit);
    }

    // A click on a check box lands on its box, not on the empty space beside
    // its caption.
    void Click(const QString& name) {
        auto* button = Find<QAbstractButton>(name);
        const QPoint where = qobject_cast<QCheckBox*>(button)
                                 ? QPoint(button->height() / 2, button->height() / 2)
                                 : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, where);
    }

    TQuorbelPrefs ReadBack() const {
        TQuorbelPrefs prefs = Prefs;
        Form->ReadBack(prefs);
        return prefs;
    }

    TTabOrderList* TabList() const {
        return Find<TTabOrderList>(QStringLiteral("CheckListBoxTabs"));
    }

    int RowOf(const QString& tabName) const {
        const QList<TTabRow> rows = TabList()->Rows();
        for (int r = 0; r < rows.size(); ++r) {
            if (rows[r].Name == tabName)
                return r;
        }
        return -1;
    }

    // Drags a row of the tab list with the mouse; whileOver runs with the
    // pointer over the target, before the button is let go.
    void DragRow(int from, int to, const std::function<void()>& whileOver = {}) {
        TTabOrderList* list = TabList();
        QWidget* viewport = list->viewport();
        const QPoint start = list->visualItemRect(list->item(from)).center();
        const QPoint end = list->visualItemRect(list->item(to)).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        QTest::mouseMove(viewport, (start + end) / 2);
        QTest::mouseMove(viewport, end);
        if (whileOver)
            whileOver();
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    }

    QTemporaryDir Dir;
    TQuorbelPrefs Prefs = Fresh();
    std::unique_ptr<TFormPrefs> Form;
    TRecordingBoxes* Boxes = nullptr;
    QList<QUrl> Opened;
};

TEST_F(FormPrefsTest, FillsEveryControlAndReadsItBack) {
    Edit(Prefs);
    Open();
    TQuorbelPrefs read = Fresh();
    Form->ReadBack(read);
    // Settings the dialog does not edit keep their values.
    read.EnableSort = Prefs.EnableSort;
    read.StatusDiaplayHeight = Prefs.StatusDiaplayHeight;
    read.TabPosition = Prefs.TabPosition;
    EXPECT_EQ(read, Prefs);

    EXPECT_EQ(Form->windowTitle(), "設定");
    EXPECT_EQ(Pages()->count(), 10);
    EXPECT_EQ(Pages()->currentWidget()->objectName(), "TabSheetTwitter");
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("EditPort"))->text(), "3128");
    // The passwords show one "*" per character.
    for (const QString name : {"EditPassword", "EditPass"}) {
        const QLineEdit* edit = Find<QLineEdit>(name);
        EXPECT_EQ(edit->displayText(), QString(edit->text().size(), u'*')) << name.toStdString();
        EXPECT_FALSE(edit->text().isEmpty());
    }
    EXPECT_EQ(Find<QLabel>(QStringLiteral("LabelFont"))->text(),
              PreviewText(Find<QLabel>(QStringLiteral("LabelFont")), "IPAゴシック", 12));
    EXPECT_EQ(Find<QLabel>(QStringLiteral("LabelTwitterURL"))->text(), Prefs.Server.WebURL);
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("LabelNotice"))
                    ->text()
                    .startsWith("QuorbelはマイクロブログサービスWassr用クライアントです。\n"));
    // Carried through the dialog, never shown.
    for (const QString name : {"SpinEditDMInterval", "CheckBoxJapanize", "CheckBoxUsePOSTMethod",
                               "GroupBoxQuorbelUpdate"})
        EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name.toStdString();
}

TEST_F(FormPrefsTest, EmptyPortWithTheProxyOffCloses) {
    Prefs.ProxyPort = 0;
    Open();
    GoToPage(QStringLiteral("ネットワーク"));
    Type(QStringLiteral("EditPort"), QString());
    QTest::keyClick(Find<QLineEdit>(QStringLiteral("EditUser")), Qt::Key_Return);
    EXPECT_TRUE(Boxes->Shown.isEmpty());
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Form->result(), QDialog::Accepted);
    EXPECT_EQ(ReadBack().ProxyPort, 0); // no whole number: the stored port stays
}

TEST_F(FormPrefsTest, OKChecksThePortThenTheServerThenTheUserName) {
    Prefs.Username = QStringLiteral("taro@example.jp");
    Open();
    GoToPage(QStringLiteral("ネットワーク"));
    EXPECT_FALSE(Find<QLineEdit>(QStringLiteral("EditProxy"))->isEnabled());
    Click(QStringLiteral("CheckBoxUseProxy"));
    EXPECT_TRUE(Find<QLineEdit>(QStringLiteral("EditProxy"))->isEnabled());
    Type(QStringLiteral("EditPort"), QStringLiteral("80a"));

    const struct {
        QString Port;
        QString Server;
        QString Title;
        QString Text;
    } steps[] = {
        {QStringLiteral("80a"), QString(), QStringLiteral("入力した値が正しくありません"),
         QStringLiteral("ポート番号の入力が正しくありません。\nもう一度入力しなおしてください。")},
        {QStringLiteral("8080"), QString(), QStringLiteral("入力してください"),
         QStringLiteral("PROXYサーバ名を入力してください。")},
        {QStringLiteral("8080"), QStringLiteral("proxy.local"),
         QStringLiteral("ユーザ名が正しくありません"),
         QStringLiteral("ユーザ名にメールアドレスは指定できません。")},
    };
    for (const auto& step : steps) {
        Boxes->Shown.clear();
        GoToPage(QStringLiteral("ネットワーク"));
        Type(QStringLiteral("EditPort"), step.Port);
        Type(QStringLiteral("EditProxy"), step.Server);
        Click(QStringLiteral("ButtonOK"));
        ASSERT_EQ(Boxes->Shown.size(), 1) << step.Title.toStdString();
        EXPECT_EQ(Boxes->Shown[0].Title, step.Title);
        EXPECT_EQ(Boxes->Shown[0].Text, step.Text);
        EXPECT_TRUE(Form->isVisible());
    }
    // The refused entry is where the user is taken.
    EXPECT_EQ(Pages()->currentWidget()->objectName(), "TabSheetTwitter");
    Type(QStringLiteral("EditUsername"), QStringLiteral("taro"));
    Click(QStringLiteral("ButtonOK"));
    EXPECT_EQ(Boxes->Shown.size(), 1);
    EXPECT_EQ(Form->result(), QDialog::Accepted);
    const TQuorbelPrefs read = ReadBack();
    EXPECT_TRUE(read.UseProxy);
    EXPECT_EQ(read.ProxyPort, 8080);
    EXPECT_EQ(read.ProxyServer, "proxy.local");
}

TEST_F(FormPrefsTest, MailAddressRefusedWithTheProxyOff) {
    Open();
    Type(QStringLiteral("EditUsername"), QStringLiteral("me@wassr.jp"));
    QTest::keyClick(Find<QLineEdit>(QStringLiteral("EditUsername")), Qt::Key_Return);
    ASSERT_EQ(Boxes->Shown.size(), 1);
    EXPECT_EQ(Boxes->Shown[0].Title, "ユーザ名が正しくありません");
    EXPECT_TRUE(Form->isVisible());
    QTest::keyClick(Form.get(), Qt::Key_Escape);
    EXPECT_EQ(Form->result(), QDialog::Rejected);
}

TEST_F(FormPrefsTest, FirstRunShowsOnlyTheAccountAndTakesOnlyIt) {
    // A proxy the user cannot reach on this page must not block the account.
    Prefs.UseProxy = true;
    Prefs.ProxyServer.clear();
    Open(true);
    QTabWidget* pages = Pages();
    for (int k = 0; k < pages->count(); ++k)
        EXPECT_EQ(pages->isTabVisible(k), k == 0) << k;
    QTest::keyClick(pages->tabBar(), Qt::Key_Right);
    EXPECT_EQ(pages->currentIndex(), 0);

    Type(QStringLiteral("EditUsername"), QStringLiteral("hanako"));
    Type(QStringLiteral("EditPassword"), QStringLiteral("secret"));
    Click(QStringLiteral("CheckBoxShowUsername"));
    Find<QSpinBox>(QStringLiteral("SpinEditInterval"))->setValue(300);
    Find<QListWidget>(QStringLiteral("ListBoxNGWord"))->addItem(QStringLiteral("広告"));
    Click(QStringLiteral("ButtonOK"));
    EXPECT_TRUE(Boxes->Shown.isEmpty());
    EXPECT_EQ(Form->result(), QDialog::Accepted);

    TQuorbelPrefs expected = Prefs;
    expected.Username = QStringLiteral("hanako");
    expected.Password = QStringLiteral("secret");
    expected.ShowUsername = true;
    EXPECT_EQ(ReadBack(), expected);
}

TEST_F(FormPrefsTest, IntervalMinimumFollowsZedadi) {
    const struct {
        bool Zedadi;
        int Stored;
        int Shown;
    } cases[] = {{true, 5, 5}, {false, 5, 30}, {false, 90000, 86400}};
    for (const auto& c : cases) {
        Prefs.Zedadi = c.Zedadi;
        Prefs.Interval = c.Stored;
        Prefs.MesInterval = c.Stored;
        Open();
        EXPECT_EQ(Find<QSpinBox>(QStringLiteral("SpinEditInterval"))->value(), c.Shown);
        EXPECT_EQ(ReadBack().Interval, c.Shown);
        EXPECT_EQ(ReadBack().MesInterval, c.Shown);
    }

    // Typed and confirmed with Enter while the field has the focus.
    Prefs.Zedadi = false;
    Prefs.Interval = 60;
    Open();
    GoToPage(QStringLiteral("更新"));
    auto* spin = Find<QSpinBox>(QStringLiteral("SpinEditInterval"));
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("5"));
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(Form->result(), QDialog::Accepted);
    EXPECT_EQ(ReadBack().Interval, 30);
}

TEST_F(FormPrefsTest, PickupLabelLosesTheNewMark) {
    Open();
    GoToPage(QStringLiteral("注目ワード"));
    GoToPage(Find<QTabWidget>(QStringLiteral("PageControlPickup")), QStringLiteral("注目2"));
    Type(QStringLiteral("EditPickupLabel1"), QStringLiteral("注目(*)A"));
    GoToPage(QStringLiteral("お気に入りID"));
    Type(QStringLiteral("EditFavIDLabel"), QStringLiteral("(*)友(*)"));
    Click(QStringLiteral("ButtonOK"));
    const TQuorbelPrefs read = ReadBack();
    EXPECT_EQ(read.PickupLabel[1], "注目A");
    EXPECT_EQ(read.FavIDLabel[0], "友");
}

TEST_F(FormPrefsTest, ListEditorsAddOnlyNewEntriesAndDeleteTheSelectedOne) {
    Open();
    GoToPage(QStringLiteral("注目ワード"));
    auto* add = Find<QPushButton>(QStringLiteral("ButtonAddPickup"));
    auto* del = Find<QPushButton>(QStringLiteral("ButtonDelPickup"));
    auto* list = Find<QListWidget>(QStringLiteral("ListBoxPickup"));
    auto* entry = Find<QLineEdit>(QStringLiteral("EditPickup"));
    EXPECT_FALSE(add->isEnabled());
    EXPECT_FALSE(del->isEnabled());

    for (const QString word : {"Wassr", "Wassr", "wassr", " Wassr"}) {
        Type(QStringLiteral("EditPickup"), word);
        EXPECT_TRUE(add->isEnabled());
        QTest::mouseClick(add, Qt::LeftButton);
    }
    EXPECT_EQ(ReadBack().PickupWords[0], QStringList({"Wassr", "wassr", " Wassr"}));
    // A refused word stays in the entry; an accepted one leaves it empty.
    Type(QStringLiteral("EditPickup"), QStringLiteral("wassr"));
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(entry->text(), "wassr");
    EXPECT_EQ(list->count(), 3);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(del->isEnabled());
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_EQ(ReadBack().PickupWords[0], QStringList({"Wassr", " Wassr"}));

    // The NG word buttons are always enabled, and delete needs a selection.
    GoToPage(QStringLiteral("NGワード"));
    EXPECT_TRUE(Find<QPushButton>(QStringLiteral("ButtonAdd"))->isEnabled());
    Type(QStringLiteral("EditNGWord"), QStringLiteral("広告"));
    Click(QStringLiteral("ButtonAdd"));
    Click(QStringLiteral("ButtonDel"));
    EXPECT_EQ(ReadBack().NGWords, QStringList({"広告"}));
    Type(QStringLiteral("EditNGWord"), QString());
    Click(QStringLiteral("ButtonAdd"));
    EXPECT_EQ(ReadBack().NGWords, QStringList({"広告"}));
}

TEST_F(FormPrefsTest, UntickingAPickupTabHidesIt) {
    Prefs.PickupLabel[0] = QStringLiteral("注目(*)");
    Open();
    GoToPage(QStringLiteral("タブ"));
    TTabOrderList* list = TabList();
    const int row = RowOf(TabSheetNames[TabPickupWord]);
    EXPECT_EQ(list->item(row)->text(), "注目");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    QTest::keyClick(list, Qt::Key_Space);
    // The message tab cannot be ticked.
    const int message = RowOf(TabSheetNames[TabMessage]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(message)).center());
    QTest::keyClick(list, Qt::Key_Space);
    Click(QStringLiteral("ButtonOK"));

    TQuorbelPrefs expected = Prefs;
    expected.TabDisp[TabPickupWord] = false;
    expected.PickupLabel[0] = QStringLiteral("注目");
    EXPECT_EQ(ReadBack(), expected);
}

TEST_F(FormPrefsTest, DraggingTheSearchTabToTheTop) {
    Prefs.TabDisp[TabSearch] = false; // the check mark travels with the row
    Open();
    GoToPage(QStringLiteral("タブ"));
    TTabOrderList* list = TabList();
    ASSERT_EQ(RowOf(TabSheetNames[TabSearch]), TabCount - 1);

    DragRow(TabCount - 1, 0, [&] {
        EXPECT_EQ(list->DropRow(), 0);
        // The dragged row lies below: the green line runs along the top edge.
        const QRect target = list->visualItemRect(list->item(0));
        const QImage shot = list->viewport()->grab().toImage();
        EXPECT_EQ(shot.pixelColor(target.center().x(), target.top()), QColor(0x00, 0x80, 0x00));
        EXPECT_EQ(shot.pixelColor(target.left() + 2, target.top()), QColor(0x00, 0x80, 0x00));
        EXPECT_NE(shot.pixelColor(target.left() + 1, target.top()), QColor(0x00, 0x80, 0x00));
    });
    EXPECT_EQ(list->DropRow(), -1);
    EXPECT_EQ(RowOf(TabSheetNames[TabSearch]), 0);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->item(0)->text(), "検索");

    Click(QStringLiteral("ButtonOK"));
    const TQuorbelPrefs read = ReadBack();
    EXPECT_EQ(read.TabIndex[TabSearch], 0);
    EXPECT_FALSE(read.TabDisp[TabSearch]);
    for (int j = 0; j < TabSearch; ++j)
        EXPECT_EQ(read.TabIndex[j], j + 1) << j;

    // The next dialog, opened on the rearranged window, starts from that order.
    Prefs = read;
    Open();
    EXPECT_EQ(TabList()->Rows().first().Name, TabSheetNames[TabSearch]);
}

TEST_F(FormPrefsTest, DropOnItselfOrPastTheMessageRow) {
    Open();
    GoToPage(QStringLiteral("タブ"));
    TTabOrderList* list = TabList();
    const QList<TTabRow> before = list->Rows();
    DragRow(3, 3, [&] {
        // No line over the dragged row itself.
        const QRect row = list->visualItemRect(list->item(3));
        const QImage shot = list->viewport()->grab().toImage();
        EXPECT_NE(shot.pixelColor(row.center().x(), row.top()), QColor(0x00, 0x80, 0x00));
        EXPECT_NE(shot.pixelColor(row.center().x(), row.bottom()), QColor(0x00, 0x80, 0x00));
    });
    EXPECT_EQ(list->Rows(), before);

    // The timeline row goes down past the message row, which moves up and
    // stays locked.
    DragRow(0, 2, [&] {
        const QRect target = list->visualItemRect(list->item(2));
        const QImage shot = list->viewport()->grab().toImage();
        EXPECT_EQ(shot.pixelColor(target.center().x(), target.bottom()), QColor(0x00, 0x80, 0x00));
    });
    QList<TTabRow> expected = before;
    expected.move(0, 2);
    EXPECT_EQ(list->Rows(), expected);
    const QListWidgetItem* message = list->item(RowOf(TabSheetNames[TabMessage]));
    EXPECT_EQ(RowOf(TabSheetNames[TabMessage]), 0);
    EXPECT_FALSE(message->flags() & Qt::ItemIsUserCheckable);
    EXPECT_EQ(message->checkState(), Qt::Unchecked);
}

TEST_F(FormPrefsTest, SoundSetsComeFromTheSoundFolder) {
    Prefs.SoundSet = QStringLiteral("default");
    Open();
    auto* sets = Find<QComboBox>(QStringLiteral("ComboBoxSoundSet"));
    EXPECT_GE(sets->findText(QStringLiteral("Default")), 0);
    EXPECT_EQ(sets->currentText(), "Default");
    EXPECT_EQ(ReadBack().SoundSet, "Default");

    const QTemporaryDir noSounds;
    Open(false, noSounds.path());
    sets = Find<QComboBox>(QStringLiteral("ComboBoxSoundSet"));
    EXPECT_EQ(sets->count(), 0);
    EXPECT_EQ(sets->currentIndex(), -1);
    EXPECT_EQ(ReadBack().SoundSet, "");
}

TEST_F(FormPrefsTest, ColorPickerOffersPaletteAndDefault) {
    Prefs.ListStatusColor = 0x00123456;
    Open();
    GoToPage(QStringLiteral("表示"));
    auto* picker = Find<TColorPickerButton>(QStringLiteral("ColorPickerButtonStatus"));
    EXPECT_EQ(picker->Color(), 0x00123456u);

    // Opens the picker's menu with a click and, once it is up, clicks what
    // choose() finds in it.
    const auto pick = [&](const std::function<void(QMenu*)>& choose) {
        bool chosen = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            choose(menu);
            chosen = true;
        });
        QTest::mouseClick(picker, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return chosen && !QApplication::activePopupWidget(); }));
    };
    const auto clickAction = [](QMenu* menu, const QString& text) {
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
    };

    pick([](QMenu* menu) {
        auto* red = menu->findChild<QToolButton*>(QStringLiteral("clRed"));
        ASSERT_NE(red, nullptr);
        QTest::mouseClick(red, Qt::LeftButton);
    });
    EXPECT_EQ(picker->Color(), 0x000000FFu);
    EXPECT_EQ(ReadBack().ListStatusColor, 0x000000FFu);

    pick([&](QMenu* menu) { clickAction(menu, QStringLiteral("標準")); });
    EXPECT_EQ(ReadBack().ListStatusColor, 0x00E8FFE8u);

    // "カスタム" goes through the colour dialog.
    QTimer::singleShot(0, [] {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->setCurrentColor(QColor(0x10, 0x20, 0x30));
            dialog->accept();
        });
    });
    pick([&](QMenu* menu) { clickAction(menu, QStringLiteral("カスタム")); });
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !QApplication::activeModalWidget() ||
               QApplication::activeModalWidget() == Form.get();
    }));
    EXPECT_EQ(ReadBack().ListStatusColor, 0x00302010u);
    // Others untouched.
    EXPECT_EQ(ReadBack().ListReplyColor, Prefs.ListReplyColor);
}

TEST_F(FormPrefsTest, FontPreviewBrowseAndReset) {
    Open();
    GoToPage(QStringLiteral("表示"));
    auto* preview = Find<QLabel>(QStringLiteral("LabelFont"));
    QFont chosen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QFont font = dialog->currentFont();
        font.setPointSize(14);
        font.setItalic(true);
        dialog->setCurrentFont(font);
        chosen = dialog->currentFont();
        dialog->accept();
    });
    Click(QStringLiteral("ButtonFont"));
    EXPECT_EQ(preview->text(), PreviewText(preview, chosen.family(), 14));
    EXPECT_TRUE(preview->font().italic());
    TFontDesc expected = Prefs.ListFont;
    expected.Name = chosen.family();
    expected.Size = 14;
    expected.Style = TFontDesc::Italic | (chosen.bold() ? TFontDesc::Bold : 0);
    EXPECT_EQ(ReadBack().ListFont, expected);

    Click(QStringLiteral("ButtonDefault"));
    EXPECT_EQ(preview->text(), PreviewText(preview, "ＭＳ Ｐゴシック", 9));
    // The stored default is drawn in a Japanese face where one is installed.
    const QString drawn = QFontInfo(preview->font()).family();
    if (!QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
        EXPECT_TRUE(QFontDatabase::writingSystems(drawn).contains(QFontDatabase::Japanese))
            << drawn.toStdString();
    }
    EXPECT_EQ(preview->font().family(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(preview->font().pointSize(), 9);
    EXPECT_FALSE(preview->font().italic());
    EXPECT_EQ(ReadBack().ListFont, TFontDesc{});
}

TEST_F(FormPrefsTest, BalloonAndProxySwitchesEnableTheirControls) {
    Open();
    GoToPage(QStringLiteral("通知"));
    auto* only = Find<QCheckBox>(QStringLiteral("CheckBoxPopupOnlyFavID"));
    EXPECT_TRUE(only->isEnabled());
    Click(QStringLiteral("CheckBoxBalloon"));
    EXPECT_FALSE(only->isEnabled());
    Click(QStringLiteral("CheckBoxBalloon"));
    EXPECT_TRUE(only->isEnabled());
}

TEST_F(FormPrefsTest, SiteLinkOpensOnlyWebAddresses) {
    Prefs.Server.WebURL = QStringLiteral("http://127.0.0.1:8080/");
    Open();
    auto* link = Find<QLabel>(QStringLiteral("LabelTwitterURL"));
    QTest::mouseDClick(link, Qt::LeftButton);
    EXPECT_EQ(Opened, QList<QUrl>({QUrl(QStringLiteral("http://127.0.0.1:8080/"))}));

    Prefs.Server.WebURL = QStringLiteral("file:///etc/passwd");
    Open();
    QTest::mouseDClick(Find<QLabel>(QStringLiteral("LabelTwitterURL")), Qt::LeftButton);
    EXPECT_EQ(Opened.size(), 1);
}

TEST_F(FormPrefsTest, EveryPageShowsItsControlsWhole) {
    Open();
    QTabBar* bar = Pages()->tabBar();
    for (int k = 0; k < bar->count(); ++k) {
        GoToPage(bar->tabText(k));
        EXPECT_EQ(LayoutFaults(Form.get()), QStringList{}) << bar->tabText(k).toStdString();
    }
}

// Every tab's row can be seen and ticked: none cut off at the bottom, and no
// row's check box touching the next one's.
TEST_F(FormPrefsTest, TabListShowsEveryRowWholeAndApart) {
    Open();
    GoToPage(QStringLiteral("タブ"));
    auto* list = Find<TTabOrderList>(QStringLiteral("CheckListBoxTabs"));
    const int box = list->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, list);
    for (int r = 0; r < list->count(); ++r) {
        const QRect row = list->visualItemRect(list->item(r));
        EXPECT_TRUE(list->viewport()->rect().contains(row)) << list->item(r)->text().toStdString();
        EXPECT_GE(row.height(), box + 2) << list->item(r)->text().toStdString();
    }
}

} // namespace
