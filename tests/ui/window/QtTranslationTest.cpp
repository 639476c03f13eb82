#include "QtTranslation.h"

#include <memory>

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

// What the user reads on Qt's own controls: the buttons of a question and
// the first entry of an edit's context menu, its shortcut left out.
QStringList QtTexts() {
    QMessageBox question(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
    QStringList texts{question.button(QMessageBox::Yes)->text(),
                      question.button(QMessageBox::No)->text()};
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    texts.append(menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0));
    return texts;
}

class QtTranslationTest : public testing::Test {
protected:
    void TearDown() override {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

TEST_F(QtTranslationTest, QtsOwnTextsSpeakJapanese) {
    // qt6-translations-l10n, which scripts/deps installs.
    ASSERT_TRUE(InstallQtTranslation());
    EXPECT_EQ((QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"),
                           QStringLiteral("元に戻す(&U)")}),
              QtTexts());
}

TEST_F(QtTranslationTest, WithoutTheTranslationTheTextsStayEnglish) {
    const QTemporaryDir empty;
    EXPECT_FALSE(InstallQtTranslation(empty.path()));
    EXPECT_EQ((QStringList{QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("&Undo")}),
              QtTexts());
}

} // namespace
