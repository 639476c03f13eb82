#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QJsonArray>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "CommandSet.h"
#include "FormPrefs.h"
#include "MessageBoxes.h"
#include "ModalDriver.h"
#include "Names.h"
#include "PageControlList.h"
#include "PrefsCommand.h"
#include "QuorbelPrefs.h"
#include "StatusListModel.h"
#include "StatusListView.h"
#include "TabOrderList.h"
#include "WassrdServer.h"
#include "WindowFixture.h"

namespace {

class TRecordingBoxes final : public TMessageBoxes {
public:
    explicit TRecordingBoxes(QStringList& shown) : Shown(shown) {}
    void Error(QWidget*, const QString& title, const QString& text) override {
        Shown.append(title + '|' + text);
    }

private:
    QStringList& Shown;
};

// The eleven list files beside the settings file.
QStringList ListFileNames() {
    QStringList names{QStringLiteral("quorbel.ban")};
    for (const char* extension : {".pic", ".fav"}) {
        for (int i = 0; i < NumberedTabCount; ++i)
            names << QStringLiteral("quorbel") + QLatin1String(extension) + IndexSuffix(i);
    }
    return names;
}

class PrefsCommandTest : public TWindowFixture {
protected:
    // Opens the window against the server and waits for the start-up fetches.
    void OpenAndSettle(const QString& extraIni = {}) {
        Open(Server.IniLines() + extraIni);
        ASSERT_TRUE(WaitUntilIdle());
    }

    template <class T>
    T* Find(const QWidget& parent, const QString& name) const {
        T* found = parent.findChild<T*>(name);
        EXPECT_NE(nullptr, found) << name.toStdString();
        return found;
    }

    // Opens the dialog with Ctrl+P, lets edit change it and presses OK (or
    // Cancel); false when no dialog came up.
    bool RunPrefs(const std::function<void(TFormPrefs&)>& edit, bool ok = true) {
        // Shortcuts reach the active window only.
        Main().activateWindow();
        if (!QTest::qWaitForWindowActive(&Main()))
            return false;
        const TWhenModal<TFormPrefs> driver([&](TFormPrefs& dialog) {
            if (edit)
                edit(dialog);
            QTest::mouseClick(Find<QPushButton>(dialog, ok ? QStringLiteral("ButtonOK")
                                                           : QStringLiteral("Buttoncancel")),
                              Qt::LeftButton);
        });
        Press(Qt::CTRL | Qt::Key_P);
        return driver.HasRun();
    }

    static void ShowPage(TFormPrefs& dialog, const QString& pageName) {
        auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControlPrefs"));
        pages->setCurrentWidget(dialog.findChild<QWidget*>(pageName));
    }

    // Types into an edit as a user would, through the input method for
    // Japanese text.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(edit, &commit);
    }

    static int RowOf(const TTabOrderList& list, int j) {
        const QList<TTabRow> rows = list.Rows();
        for (int r = 0; r < rows.size(); ++r) {
            if (rows[r].Name == TabSheetNames[size_t(j)])
                return r;
        }
        return -1;
    }

    QTimer* Timer(const char* name) const { return Main().findChild<QTimer*>(QLatin1String(name)); }
    QTabWidget* Tabs() const {
        return Main().findChild<QTabWidget*>(QStringLiteral("PageControlList"));
    }
    // The sheet shown first on the tab strip.
    QString FirstTab() const { return Tabs()->widget(0)->objectName(); }

    // Ends the program (the settings are saved) and starts it again over the
    // same folder.
    void Restart() {
        QuorbelMain->Close();
        const QString saved = QString::fromUtf8(ReadFile(QStringLiteral("quorbel.ini")));
        FormMain.reset();
        QuorbelMain.reset();
        ASSERT_TRUE(WaitUntilIdle());
        Open(saved);
        ASSERT_TRUE(WaitUntilIdle());
    }

    TWassrdServer Server;
};

TEST_F(PrefsCommandTest, OkWithoutChangesWritesTheListsRebuildsAndResortsButLeavesTheTimers) {
    OpenAndSettle(QStringLiteral("[Update]\nInterval=600\nMesInterval=600\n"));
    TStatusListModel& timeline = List(TabTimeline);
    ASSERT_GE(timeline.Count(), 2);
    // A favourite-ID tab holding a row of no listed ID, and a search tab out of order.
    List(TabFavID).AppendRow({timeline.ItemAt(0), timeline.Row(0).Caption, timeline.Row(0).Text});
    for (int r : {1, 0})
        List(TabSearch).AppendRow(
            {timeline.ItemAt(r), timeline.Row(r).Caption, timeline.Row(r).Text});
    const QByteArray ini = ReadFile(QStringLiteral("quorbel.ini"));
    const int mainLeft = Timer("TimerMain")->remainingTime();
    const int dmLeft = Timer("TimerDM")->remainingTime();
    const TQuorbelPrefs before = Main().Prefs();

    ASSERT_TRUE(RunPrefs({}));

    for (const QString& name : ListFileNames())
        EXPECT_TRUE(QFileInfo::exists(FilePath(name))) << name.toStdString();
    EXPECT_EQ(ini, ReadFile(QStringLiteral("quorbel.ini"))); // written only at the end
    EXPECT_TRUE(before == Main().Prefs());
    EXPECT_EQ(0, List(TabFavID).Count());
    ASSERT_EQ(2, List(TabSearch).Count());
    EXPECT_EQ(timeline.ItemAt(0), List(TabSearch).ItemAt(0));
    for (const char* name : {"TimerMain", "TimerDM"}) {
        EXPECT_TRUE(Timer(name)->isActive()) << name;
        EXPECT_EQ(600000, Timer(name)->interval()) << name;
    }
    // Not restarted: no more time left than before the dialog.
    EXPECT_LE(Timer("TimerMain")->remainingTime(), mainLeft);
    EXPECT_LE(Timer("TimerDM")->remainingTime(), dmLeft);
}

TEST_F(PrefsCommandTest, CancelChangesNothing) {
    OpenAndSettle();
    const TQuorbelPrefs before = Main().Prefs();
    ASSERT_TRUE(RunPrefs(
        [&](TFormPrefs& dialog) {
            ShowPage(dialog, QStringLiteral("TabSheetNGWord"));
            Type(Find<QLineEdit>(dialog, QStringLiteral("EditNGWord")), QStringLiteral("広告"));
            QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("ButtonAdd")),
                              Qt::LeftButton);
            ShowPage(dialog, QStringLiteral("TabSheetDisp"));
            Find<QComboBox>(dialog, QStringLiteral("ComboBoxPanelLayout"))->setCurrentIndex(2);
        },
        false));
    EXPECT_TRUE(before == Main().Prefs());
    for (const QString& name : ListFileNames())
        EXPECT_FALSE(QFileInfo::exists(FilePath(name))) << name.toStdString();
}

TEST_F(PrefsCommandTest, AChangedIntervalGivesTheTimerItsNewPeriod) {
    OpenAndSettle(QStringLiteral("[Update]\nInterval=600\n"));
    ASSERT_TRUE(RunPrefs([&](TFormPrefs& dialog) {
        ShowPage(dialog, QStringLiteral("TabSheetUpdate"));
        auto* spin = Find<QSpinBox>(dialog, QStringLiteral("SpinEditInterval"));
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("45"));
    }));
    EXPECT_EQ(45, Main().Prefs().Interval);
    EXPECT_TRUE(Timer("TimerMain")->isActive());
    EXPECT_EQ(45000, Timer("TimerMain")->interval());
}

TEST_F(PrefsCommandTest, AnIntervalBelowThirtySecondsNeedsZedadi) {
    const struct {
        const char* Ini;
        int Interval;
    } cases[] = {
        {"[Update]\nInterval=5\n[Secret]\nZedadi=1\n", 5},
        {"[Update]\nInterval=5\n", 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Ini);
        OpenAndSettle(QString::fromLatin1(c.Ini));
        int shown = 0;
        ASSERT_TRUE(RunPrefs([&](TFormPrefs& dialog) {
            shown = Find<QSpinBox>(dialog, QStringLiteral("SpinEditInterval"))->value();
        }));
        EXPECT_EQ(c.Interval, shown);
        EXPECT_EQ(c.Interval, Main().Prefs().Interval);
        EXPECT_EQ(c.Interval * 1000, Timer("TimerMain")->interval());
        FormMain.reset();
        QuorbelMain.reset();
        ASSERT_TRUE(WaitUntilIdle());
    }
}

TEST_F(PrefsCommandTest, AnUntickedPickupTabIsHiddenWithItsMoveCommandButStillCollects) {
    WriteFile(QStringLiteral("quorbel.pic"), "の\r\n");
    OpenAndSettle();
    ASSERT_TRUE(Find<QMenu>(Main(), QStringLiteral("MenuMove"))
                    ->actions()
                    .contains(Main().Commands().Action(QStringLiteral("ActionMovePickupWord"))));
    ASSERT_TRUE(RunPrefs([&](TFormPrefs& dialog) {
        ShowPage(dialog, QStringLiteral("TabSheetPickupWord"));
        Type(Find<QLineEdit>(dialog, QStringLiteral("EditPickupLabel")),
             QStringLiteral("注目(*)A"));
        ShowPage(dialog, QStringLiteral("TabSheetTabs"));
        auto* tabs = Find<TTabOrderList>(dialog, QStringLiteral("CheckListBoxTabs"));
        tabs->setFocus();
        tabs->setCurrentRow(RowOf(*tabs, TabPickupWord));
        QTest::keyClick(tabs, Qt::Key_Space);
    }));

    const TQuorbelPrefs& prefs = Main().Prefs();
    EXPECT_EQ(QStringLiteral("注目A"), prefs.PickupLabel[0]);
    EXPECT_FALSE(prefs.TabDisp[TabPickupWord]);
    QWidget* sheet = Main().findChild<QWidget*>(TabSheetNames[TabPickupWord]);
    EXPECT_FALSE(Tabs()->isTabVisible(Tabs()->indexOf(sheet)));
    EXPECT_EQ(QStringLiteral("注目A"),
              Main().findChild<TPageControlList*>()->Caption(TabPickupWord)); // news mark aside
    // Out of the menu; the command keeps its shortcut.
    QAction* move = Main().Commands().Action(QStringLiteral("ActionMovePickupWord"));
    EXPECT_FALSE(Find<QMenu>(Main(), QStringLiteral("MenuMove"))->actions().contains(move));
    EXPECT_EQ(QStringLiteral("注目A"), move->text());
    EXPECT_GT(List(TabPickupWord).Count(), 0);
}

TEST_F(PrefsCommandTest, PickupAndFavouriteTabsShowTheirPlainLabelsUntilTheNextMerge) {
    WriteFile(QStringLiteral("quorbel.pic"), "ねこ\r\n");
    WriteFile(QStringLiteral("quorbel.fav"), "sakura88\r\n");
    OpenAndSettle();
    const auto fetchCat = [this](const char* text) {
        ASSERT_TRUE(Server.Admin("/admin/post", {{"user", "sakura88"}, {"text", text}}));
        // Shortcuts reach the active window only.
        Main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
        Press(Qt::CTRL | Qt::Key_R);
        ASSERT_TRUE(WaitForPanel(QStringLiteral("フレンド・タイムライン取得終了 (1件)")))
            << Panel(0).toStdString();
    };
    auto* tabs = Main().findChild<TPageControlList*>();
    const auto shown = [&](int j) { return Tabs()->tabText(Tabs()->indexOf(tabs->Sheet(j))); };
    fetchCat("ねこが来た");
    ASSERT_EQ(QStringLiteral("注目(*)"), shown(TabPickupWord));
    ASSERT_EQ(QStringLiteral("お気に入り(*)"), shown(TabFavID));
    const int pickupPicture = tabs->PictureIndex(TabPickupWord);

    ASSERT_TRUE(RunPrefs({}));
    EXPECT_EQ(QStringLiteral("注目"), shown(TabPickupWord));
    EXPECT_EQ(QStringLiteral("お気に入り"), shown(TabFavID));
    EXPECT_EQ(pickupPicture, tabs->PictureIndex(TabPickupWord)) << "the picture stays";
    EXPECT_EQ(QStringLiteral("タイムライン(*)"), shown(TabTimeline)) << "no label of the dialog";

    fetchCat("ねこがまた来た");
    EXPECT_EQ(QStringLiteral("注目(*)"), shown(TabPickupWord));
    EXPECT_EQ(QStringLiteral("お気に入り(*)"), shown(TabFavID));
}

TEST_F(PrefsCommandTest, TheCaptionTheIconPanelAndTheTrayIconFollowAtOnce) {
    OpenAndSettle(QStringLiteral("[TaskTray]\nTaskIconNotify=1\n"));
    const auto tick = [](TFormPrefs& dialog, const char* name) {
        auto* check = dialog.findChild<QCheckBox*>(QLatin1String(name));
        const int box = check->height() / 2;
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(box, box));
    };
    const qsizetype images = Tray->Images.size();
    ASSERT_TRUE(RunPrefs({}));
    EXPECT_EQ(images, Tray->Images.size()); // the notice stays on: the icon is left alone

    ASSERT_TRUE(RunPrefs([&](TFormPrefs& dialog) {
        tick(dialog, "CheckBoxShowUsername");
        ShowPage(dialog, QStringLiteral("TabSheetUpdate"));
        tick(dialog, "CheckBoxVisibleIcon");
        ShowPage(dialog, QStringLiteral("TabSheetBalloon"));
        tick(dialog, "CheckBoxTaskIconNotify");
    }));
    const QString caption = QStringLiteral("demo - Quorbel Ver0.52");
    EXPECT_EQ(caption, Main().windowTitle());
    EXPECT_EQ(caption, Tray->ToolTip);
    EXPECT_FALSE(Find<QWidget>(Main(), QStringLiteral("PanelIcon"))->isVisible());
    ASSERT_EQ(images + 1, Tray->Images.size());
    EXPECT_EQ(0, Tray->Images.last());
}

TEST_F(PrefsCommandTest, TheSearchTabDraggedToTheTopStaysThereAfterARestart) {
    OpenAndSettle();
    ASSERT_EQ(TabSheetNames[TabTimeline], FirstTab());
    ASSERT_TRUE(RunPrefs([&](TFormPrefs& dialog) {
        ShowPage(dialog, QStringLiteral("TabSheetTabs"));
        auto* tabs = Find<TTabOrderList>(dialog, QStringLiteral("CheckListBoxTabs"));
        QWidget* viewport = tabs->viewport();
        const QPoint start = tabs->visualItemRect(tabs->item(RowOf(*tabs, TabSearch))).center();
        const QPoint end = tabs->visualItemRect(tabs->item(0)).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        QTest::mouseMove(viewport, (start + end) / 2);
        QTest::mouseMove(viewport, end);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    }));
    EXPECT_EQ(TabSheetNames[TabSearch], FirstTab());
    EXPECT_EQ(TabSheetNames[TabTimeline], Tabs()->widget(1)->objectName());

    Restart();
    EXPECT_EQ(TabSheetNames[TabSearch], FirstTab());
    EXPECT_EQ(TabSheetNames[TabTimeline], Tabs()->widget(1)->objectName());
}

TEST_F(PrefsCommandTest, AFontChangeReachesTheListsAndOnlyTheFaceOfTheDetailAndInputLine) {
    OpenAndSettle(QStringLiteral("[Option]\nListFontName=VL Gothic\nListFontSize=12\n"
                                 "ListFontColor=clRed\n[UI]\nIDWidth=140\n"));
    const QStringList faceOnly{QStringLiteral("RichEditText"), QStringLiteral("EditName"),
                               QStringLiteral("LabelDateTime"), QStringLiteral("EditStatus"),
                               QStringLiteral("LabelStatusLength")};
    QList<QFont> fontsBefore;
    for (const QString& name : faceOnly)
        fontsBefore << Find<QWidget>(Main(), name)->font();
    // Also the lists made after the first paint.
    for (int j = 0; j < TabCount; ++j) {
        const TStatusListView* list = Main().ListView(j);
        ASSERT_EQ(12, list->font().pointSize()) << j;
        ASSERT_EQ(QColor(Qt::red), list->palette().color(QPalette::Text)) << j;
        ASSERT_EQ(140, list->columnWidth(0)) << j;
    }

    ASSERT_TRUE(RunPrefs([&](TFormPrefs& dialog) {
        ShowPage(dialog, QStringLiteral("TabSheetDisp"));
        QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("ButtonDefault")),
                          Qt::LeftButton);
    }));

    const QString face = QStringLiteral("ＭＳ Ｐゴシック");
    for (int j = 0; j < TabCount; ++j) {
        const QFont font = Main().ListView(j)->font();
        EXPECT_EQ(face, font.family()) << j;
        EXPECT_EQ(9, font.pointSize()) << j;
        EXPECT_EQ(QColor(Qt::black), Main().ListView(j)->palette().color(QPalette::Text)) << j;
    }
    for (int k = 0; k < faceOnly.size(); ++k) {
        const QFont font = Find<QWidget>(Main(), faceOnly[k])->font();
        EXPECT_EQ(face, font.family()) << faceOnly[k].toStdString();
        EXPECT_EQ(fontsBefore[k].pointSizeF(), font.pointSizeF()) << faceOnly[k].toStdString();
        EXPECT_EQ(fontsBefore[k].bold(), font.bold()) << faceOnly[k].toStdString();
    }
    EXPECT_EQ(face, Main().Prefs().ListFont.Name);
}

TEST_F(PrefsCommandTest, TheThreePanelArrangements) {
    OpenAndSettle();
    // Top to bottom for each PanelLayout.
    const QStringList arrangements[] = {
        {"PanelDetail", "PageControlList", "PanelBottom"},
        {"PageControlList", "PanelDetail", "PanelBottom"},
        {"PanelBottom", "PageControlList", "PanelDetail"},
    };
    for (int layout : {2, 1, 0}) {
        SCOPED_TRACE(layout);
        ASSERT_TRUE(RunPrefs([&](TFormPrefs& dialog) {
            ShowPage(dialog, QStringLiteral("TabSheetDisp"));
            Find<QComboBox>(dialog, QStringLiteral("ComboBoxPanelLayout"))->setCurrentIndex(layout);
        }));
        EXPECT_EQ(layout, Main().Prefs().PanelLayout);
        for (int round = 0; round < 3; ++round)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        int previousTop = -1;
        for (const QString& name : arrangements[layout]) {
            const int top = Find<QWidget>(Main(), name)->mapTo(&Main(), QPoint()).y();
            EXPECT_GT(top, previousTop) << name.toStdString();
            previousTop = top;
        }
    }
}

TEST_F(PrefsCommandTest, FirstRunAsksForTheAccountAloneBeforeTheWindowShowsOrAnythingGoesOut) {
    const TWhenModal<TFormPrefs> driver([&](TFormPrefs& dialog) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("FormMain")) {
                EXPECT_FALSE(window->isVisible());
            }
        }
        auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControlPrefs"));
        for (int k = 0; k < pages->count(); ++k)
            EXPECT_EQ(k == 0, pages->isTabVisible(k)) << k;
        EXPECT_TRUE(Server.Requests().isEmpty());
        QTest::keyClicks(Find<QLineEdit>(dialog, QStringLiteral("EditUsername")),
                         QStringLiteral("demo"));
        QTest::keyClicks(Find<QLineEdit>(dialog, QStringLiteral("EditPassword")),
                         QStringLiteral("demo"));
        auto* showUsername = Find<QCheckBox>(dialog, QStringLiteral("CheckBoxShowUsername"));
        const int box = showUsername->height() / 2;
        QTest::mouseClick(showUsername, Qt::LeftButton, {}, QPoint(box, box));
        // Another page's value is not taken in first-run mode.
        Find<QSpinBox>(dialog, QStringLiteral("SpinEditInterval"))->setValue(45);
        QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("ButtonOK")), Qt::LeftButton);
    });
    Open(QStringLiteral("[Server]\nApiURL=%1\nTwitterApiURL=%1\nWebURL=%1\nMakerURL=%1\n")
             .arg(Server.Base()));
    ASSERT_TRUE(driver.HasRun());
    ASSERT_TRUE(WaitUntilIdle());

    const TQuorbelPrefs& prefs = Main().Prefs();
    EXPECT_EQ(QStringLiteral("demo"), prefs.Username);
    EXPECT_EQ(QStringLiteral("demo"), prefs.Password);
    EXPECT_TRUE(prefs.ShowUsername);
    EXPECT_EQ(60, prefs.Interval);
    EXPECT_EQ(QStringLiteral("demo - Quorbel Ver0.52"), Main().windowTitle());
    EXPECT_GT(List(TabTimeline).Count(), 0);
    for (const QString& name : ListFileNames())
        EXPECT_FALSE(QFileInfo::exists(FilePath(name))) << name.toStdString();
}

TEST_F(PrefsCommandTest, FirstRunLeftWithoutAnAccountSendsNothing) {
    const TWhenModal<TFormPrefs> driver([&](TFormPrefs& dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, QStringLiteral("EditUsername")),
                         QStringLiteral("demo"));
        QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("ButtonOK")), Qt::LeftButton);
    });
    Open(QStringLiteral("[Update]\nInterval=1\n[Secret]\nZedadi=1\n[Server]\nApiURL=%1\n")
             .arg(Server.Base()));
    ASSERT_TRUE(driver.HasRun());
    // The refresh timer ticks, and its fetch does nothing without a password.
    int ticks = 0;
    QObject::connect(Timer("TimerMain"), &QTimer::timeout, [&ticks] { ++ticks; });
    EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 1; }, 5000));
    EXPECT_TRUE(WaitUntilIdle());
    EXPECT_TRUE(Server.Requests().isEmpty());
    EXPECT_EQ(QStringLiteral("demo"), Main().Prefs().Username);
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(PrefsCommandTest, AListFileThatCannotBeWrittenStopsTheCommandNamingIt) {
    OpenAndSettle();
    QStringList boxes;
    Main().findChild<TPrefsCommand*>()->SetMessageBoxes(std::make_unique<TRecordingBoxes>(boxes));
    // A folder where the file should go.
    ASSERT_TRUE(QDir(Folder.path()).mkdir(QStringLiteral("quorbel.fav3")));
    const int idWidth = Main().Prefs().IDWidth;

    ASSERT_TRUE(RunPrefs([&](TFormPrefs& dialog) {
        ShowPage(dialog, QStringLiteral("TabSheetNGWord"));
        Type(Find<QLineEdit>(dialog, QStringLiteral("EditNGWord")), QStringLiteral("広告"));
        QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("ButtonAdd")), Qt::LeftButton);
        ShowPage(dialog, QStringLiteral("TabSheetDisp"));
        Find<QSpinBox>(dialog, QStringLiteral("SpinEditIDWidth"))->setValue(idWidth + 50);
    }));

    ASSERT_EQ(1, boxes.size());
    EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("書き込みエラー|"))) << boxes[0].toStdString();
    EXPECT_TRUE(
        boxes[0].contains(QDir::toNativeSeparators(FilePath(QStringLiteral("quorbel.fav3")))))
        << boxes[0].toStdString();
    // Taken before the lists were written: kept; after: not taken.
    EXPECT_EQ(QStringList{QStringLiteral("広告")}, Main().Prefs().NGWords);
    EXPECT_EQ(QByteArray("広告\r\n"), ReadFile(QStringLiteral("quorbel.ban")));
    EXPECT_EQ(idWidth, Main().Prefs().IDWidth);
}

} // namespace
