#include "NavigationFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "Friends.h"
#include "StatusListView.h"
#include "StatusLists.h"
#include "TestPaths.h"

namespace {

const QString RefusingAccount =
    QStringLiteral("[Account]\nUsername=demo\nPassword=secret\n"
                   "[Server]\nApiURL=http://127.0.0.1:1\nTwitterApiURL=http://127.0.0.1:1\n"
                   "MakerURL=http://127.0.0.1:1\nWebURL=http://wassr.example\n");

} // namespace

void DoubleClick(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

void RightClick(QWidget* widget, QPoint pos) {
    QTest::mousePress(widget, Qt::RightButton, {}, pos);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &menu);
    QTest::mouseRelease(widget, Qt::RightButton, {}, pos);
}

void TNavigationFixture::OpenWithRows(const QString& ini) {
    Open(RefusingAccount + ini);
    Main().SetUrlOpener(std::make_unique<TRecordingOpener>(Opened));
    Merge(QStringLiteral("ui/navigation_timeline.json"));
    ASSERT_EQ(6, Timeline()->RowCount());
    Settle();
}

void TNavigationFixture::Merge(const QString& dataFile) {
    QFile file(TestDataPath(dataFile));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << dataFile.toStdString();
    TFriends friends;
    friends.ParseJSON(file.readAll(), 9);
    Main().MergeStatuses(friends, KindTimeline);
}

TStatusListView* TNavigationFixture::Timeline() const {
    return Main().ListView(TabTimeline);
}

QAction* TNavigationFixture::Action(const QString& name) const {
    return Main().findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QString TNavigationFixture::Shown(const char* control) const {
    QWidget* widget = Main().findChild<QWidget*>(QLatin1String(control));
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->text();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return text->toPlainText();
    return {};
}

QAction* TNavigationFixture::Isolated(const QString& name) const {
    QAction* action = Action(name);
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    return action;
}
