#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include "ComposeFixture.h"
#include "FindDialog.h"
#include "Names.h"
#include "StatusListModel.h"
#include "StatusListView.h"

namespace {

class SearchTabTest : public TComposeFixture {
protected:
    QStringList SearchTexts() const {
        QStringList texts;
        for (int r = 0; r < List(TabSearch).Count(); ++r)
            texts << List(TabSearch).ItemAt(r)->Text;
        return texts;
    }
    QString Selected() const {
        const TListRow* row = Main().ActiveListView()->SelectedRow();
        return row ? row->Item->Text : QString();
    }
};

TEST_F(SearchTabTest, SearchesAuthorAndTextJoinedCaseSensitively) {
    AddStatus(QStringLiteral("kumo7"), QStringLiteral("Hello world"));
    AddStatus(QStringLiteral("hoshi9"), QStringLiteral("hello kumo7"));
    OpenWindow();
    ClickTab(TabSearch);
    ASSERT_EQ(Main().ListView(TabSearch), Main().ActiveListView());
    EXPECT_TRUE(EditSearch()->hasFocus());
    auto* button = Main().findChild<QPushButton*>(QStringLiteral("ButtonSearch"));
    EXPECT_FALSE(button->isEnabled());

    // Across the seam between the user ID and the text.
    Type(EditSearch(), QStringLiteral("kumo7Hello"));
    QTest::keyClick(EditSearch(), Qt::Key_Return);
    EXPECT_EQ(QStringList{QStringLiteral("Hello world")}, SearchTexts());
    EXPECT_EQ(0, Main().ListView(TabSearch)->SelectedIndex());

    EditSearch()->clear();
    Type(EditSearch(), QStringLiteral("kumo7"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(QStringList({QStringLiteral("hello kumo7"), QStringLiteral("Hello world")}),
              SearchTexts());

    EditSearch()->clear();
    Type(EditSearch(), QStringLiteral("KUMO7"));
    QTest::keyClick(EditSearch(), Qt::Key_Return);
    EXPECT_TRUE(SearchTexts().isEmpty());

    // Enter in an empty box runs nothing: the last result stays.
    EditSearch()->setText(QStringLiteral("kumo7"));
    QTest::keyClick(EditSearch(), Qt::Key_Return);
    ASSERT_EQ(2, SearchTexts().size());
    EditSearch()->clear();
    EXPECT_FALSE(button->isEnabled());
    QTest::keyClick(EditSearch(), Qt::Key_Return);
    EXPECT_EQ(2, SearchTexts().size());
}

TEST_F(SearchTabTest, SearchCommandsFillTheBoxAndFocusTheResult) {
    AddStatus(QStringLiteral("kumo7"), QStringLiteral("first"));
    AddStatus(QStringLiteral("hoshi9"), QStringLiteral("@kumo7 reply"), QStringLiteral("kumo7"));
    AddStatus(QStringLiteral("hoshi9"), QStringLiteral("hi demo"));
    OpenWindow();

    SelectStatus(QStringLiteral("@kumo7 reply"));
    Hit(Qt::CTRL | Qt::SHIFT | Qt::Key_D);
    EXPECT_EQ(QStringLiteral("hoshi9"), EditSearch()->text());
    EXPECT_EQ(Main().ListView(TabSearch), Main().ActiveListView());
    EXPECT_TRUE(Main().ListView(TabSearch)->hasFocus());
    EXPECT_EQ(QStringList({QStringLiteral("hi demo"), QStringLiteral("@kumo7 reply")}),
              SearchTexts());

    SelectStatus(QStringLiteral("@kumo7 reply"));
    Hit(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    EXPECT_EQ(QStringLiteral("kumo7"), EditSearch()->text());
    EXPECT_EQ(QStringList({QStringLiteral("@kumo7 reply"), QStringLiteral("first")}),
              SearchTexts());

    Hit(Qt::CTRL | Qt::SHIFT | Qt::Key_Y);
    EXPECT_EQ(QStringLiteral("demo"), EditSearch()->text());
    EXPECT_TRUE(SearchTexts().contains(QStringLiteral("hi demo")));

    // Without an account name the search list is emptied.
    Main().Prefs().Username.clear();
    Action(QStringLiteral("ActionFindMyID"))->trigger();
    EXPECT_TRUE(EditSearch()->text().isEmpty());
    EXPECT_TRUE(SearchTexts().isEmpty());
    EXPECT_TRUE(Main().findChild<QLineEdit*>(QStringLiteral("EditName"))->text().isEmpty());
}

TEST_F(SearchTabTest, FindNextMovesTheSelectionWithoutWrapping) {
    for (const char* text : {"alpha one", "Beta two", "alpha three", "gamma four"})
        AddStatus(QStringLiteral("fnd1"), QString::fromLatin1(text));
    OpenWindow();
    ClickTab(TabSearch);
    EditSearch()->setText(QStringLiteral("fnd1"));
    QTest::keyClick(EditSearch(), Qt::Key_Return);
    ASSERT_EQ(QStringList({QStringLiteral("gamma four"), QStringLiteral("alpha three"),
                           QStringLiteral("Beta two"), QStringLiteral("alpha one")}),
              SearchTexts());
    ASSERT_EQ(QStringLiteral("gamma four"), Selected());

    Main().ListView(TabSearch)->setFocus();
    Refresh();
    Hit(Qt::CTRL | Qt::Key_F);
    auto* dialog = Main().findChild<TFindDialog*>(QStringLiteral("FindDialogMain"));
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(dialog->isVisible());
    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("EditFindText"));
    auto* matchCase = dialog->findChild<QCheckBox*>(QStringLiteral("CheckBoxMatchCase"));
    auto* up = dialog->findChild<QRadioButton*>(QStringLiteral("RadioButtonUp"));
    auto* down = dialog->findChild<QRadioButton*>(QStringLiteral("RadioButtonDown"));
    auto* findNext = dialog->findChild<QPushButton*>(QStringLiteral("ButtonFindNext"));
    EXPECT_TRUE(down->isChecked());
    EXPECT_FALSE(findNext->isEnabled());

    struct TStep {
        const char* Text;
        bool MatchCase;
        bool Up;
        const char* SelectedAfter;
    };
    const TStep steps[] = {
        {"ALPHA", false, false, "alpha three"}, // ASCII letters ignore case
        {"ALPHA", false, false, "alpha one"},
        {"ALPHA", false, false, "alpha one"}, // the last row: no wrap-around
        {"ALPHA", true, true, "alpha one"},   // matching case finds nothing above
        {"Beta", true, true, "Beta two"},
        {"beta", false, false, "Beta two"}, // only above
        {"alpha", true, true, "alpha three"},
        {"FND1G", false, true, "gamma four"}, // across the seam
    };
    for (const TStep& step : steps) {
        text->clear();
        Type(text, QString::fromLatin1(step.Text));
        if (matchCase->isChecked() != step.MatchCase)
            QTest::mouseClick(matchCase, Qt::LeftButton, {}, QPoint(5, matchCase->height() / 2));
        QTest::mouseClick(step.Up ? up : down, Qt::LeftButton, {}, QPoint(5, up->height() / 2));
        QTest::mouseClick(findNext, Qt::LeftButton);
        EXPECT_EQ(QString::fromLatin1(step.SelectedAfter), Selected())
            << step.Text << (step.Up ? " up" : " down");
    }
    EXPECT_EQ(QStringLiteral("gamma four"),
              Main().findChild<QTextEdit*>(QStringLiteral("RichEditText"))->toPlainText());
}

} // namespace
