// What a screen reader announces: every control a user can reach by keyboard
// has a name of its own.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include "FindDialog.h"
#include "FormAbout.h"
#include "FormPrefs.h"
#include "StatusListView.h"
#include "WindowFixture.h"

namespace {

// The controls under root that take the keyboard focus but have no accessible name.
QStringList Unnamed(const QWidget& root) {
    QStringList unnamed;
    for (QWidget* control : root.findChildren<QWidget*>()) {
        const bool reachable =
            qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QAbstractSpinBox*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QAbstractItemView*>(control) || qobject_cast<QTextEdit*>(control);
        if (!reachable || control->focusPolicy() == Qt::NoFocus ||
            qobject_cast<QAbstractSpinBox*>(control->parentWidget())) // its box is named
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(QStringLiteral("%1 (%2)").arg(control->objectName(),
                                                         control->metaObject()->className()));
    }
    return unnamed;
}

class AccessibleNamesTest : public TWindowFixture {};

TEST_F(AccessibleNamesTest, EveryControlOfTheMainWindowHasAName) {
    Open(QuietAccount());
    EXPECT_EQ("", Unnamed(Main()).join(u", ").toStdString());
    // The lists are announced by the caption of their tab.
    auto* timeline = Main().ListView(TabTimeline);
    EXPECT_EQ(QStringLiteral("タイムライン"),
              QAccessible::queryAccessibleInterface(timeline)->text(QAccessible::Name));
}

TEST(AccessibleNames, EveryControlOfTheDialogsHasAName) {
    const QTemporaryDir folder;
    const TFormPrefs prefs({folder.path()});
    const TFindDialog find;
    const TFormAbout about(QStringLiteral("http://127.0.0.1:1"));
    for (const QWidget* dialog :
         {static_cast<const QWidget*>(&prefs), static_cast<const QWidget*>(&find),
          static_cast<const QWidget*>(&about)})
        EXPECT_EQ("", Unnamed(*dialog).join(u", ").toStdString())
            << dialog->objectName().toStdString();
}

} // namespace
