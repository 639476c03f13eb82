#include "ComposeFixture.h"

#include <QAction>
#include <QApplication>
#include <QJsonObject>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "Composer.h"
#include "ItemCommandHandler.h"
#include "Names.h"
#include "StatusListModel.h"
#include "StatusListView.h"

void TComposeFixture::OpenWindow(const QString& extraIni) {
    Open(Server.IniLines() + extraIni);
    ASSERT_TRUE(WaitUntilIdle());
    auto* items = Main().findChild<TItemCommandHandler*>();
    ASSERT_NE(nullptr, items);
    auto boxes = std::make_unique<TRecordingBoxes>(Shown);
    Boxes = boxes.get();
    items->SetMessageBoxes(std::move(boxes));
    Main().SetUrlOpener(std::make_unique<TRecordingOpener>(Opened));
    Composer().SetBeep([this] { ++Beeps; });
}

void TComposeFixture::AddStatus(const QString& user, const QString& text, const QString& replyTo) {
    QList<std::pair<QString, QString>> query{{QStringLiteral("user"), user},
                                             {QStringLiteral("text"), text}};
    if (!replyTo.isEmpty())
        query.append({QStringLiteral("reply_user_login_id"), replyTo});
    ASSERT_TRUE(Server.Admin(QStringLiteral("/admin/post"), query));
}

TComposer& TComposeFixture::Composer() const {
    return *Main().findChild<TComposer*>(QStringLiteral("PanelBottom"));
}

QLineEdit* TComposeFixture::EditStatus() const {
    return Main().findChild<QLineEdit*>(QStringLiteral("EditStatus"));
}

QLineEdit* TComposeFixture::EditSearch() const {
    return Main().findChild<QLineEdit*>(QStringLiteral("EditSearch"));
}

QAction* TComposeFixture::Action(const QString& name) const {
    return Main().findChild<QAction*>(name);
}

int TComposeFixture::RowOf(int j, const QString& text) const {
    for (int i = 0; i < List(j).Count(); ++i) {
        if (List(j).ItemAt(i)->Text == text)
            return i;
    }
    return -1;
}

void TComposeFixture::ClickTab(int j) const {
    auto* tabs = Main().findChild<QTabWidget*>(QStringLiteral("PageControlList"));
    const int index = tabs->indexOf(Main().findChild<QWidget*>(TabSheetNames[size_t(j)]));
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

void TComposeFixture::SelectStatus(const QString& text) const {
    TStatusListView* list = Main().ActiveListView();
    int j = 0;
    while (Main().ListView(j) != list)
        ++j;
    const int row = RowOf(j, text);
    ASSERT_GE(row, 0) << text.toStdString();
    list->SelectRow(row);
    list->setFocus();
    Refresh();
}

void TComposeFixture::Hit(QKeyCombination keys) const {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Main();
    const std::pair<Qt::KeyboardModifier, Qt::Key> modifiers[] = {
        {Qt::ControlModifier, Qt::Key_Control},
        {Qt::ShiftModifier, Qt::Key_Shift},
        {Qt::AltModifier, Qt::Key_Alt},
    };
    Qt::KeyboardModifiers held;
    for (const auto& [modifier, key] : modifiers) {
        if (keys.keyboardModifiers() & modifier) {
            held |= modifier;
            QTest::keyPress(target, key, held);
        }
    }
    QTest::keyClick(target, keys.key(), held);
    for (const auto& [modifier, key] : modifiers) {
        if (held & modifier) {
            held &= ~modifier;
            QTest::keyRelease(target, key, held);
        }
    }
}

void TComposeFixture::Type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the BMP comes as one key with both halves.
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}

void TComposeFixture::Refresh() const {
    Main().RefreshCommandStates();
}

QJsonArray TComposeFixture::RequestsTo(const QString& pathStart) const {
    QJsonArray found;
    for (const auto& entry : Server.Requests()) {
        if (entry.toObject()[QStringLiteral("path")].toString().startsWith(pathStart))
            found.append(entry);
    }
    return found;
}
