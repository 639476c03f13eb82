#include "TabsPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "TabOrderList.h"

TTabsPage::TTabsPage(TCheckBoxes& checks) : CheckListBoxTabs(new TTabOrderList) {
    auto* shown = new QGroupBox(QStringLiteral("表示"));
    auto* shownLayout = new QVBoxLayout(shown);
    CheckListBoxTabs->setObjectName(QStringLiteral("CheckListBoxTabs"));
    CheckListBoxTabs->setAccessibleName(QStringLiteral("表示するタブと並び順"));
    shownLayout->addWidget(CheckListBoxTabs);
    shownLayout->addWidget(
        MakeNote(QStringLiteral("項目をドラッグ＆ドロップして並べ替えができます")));

    auto* style = new QGroupBox(QStringLiteral("スタイル"));
    auto* styleLayout = new QVBoxLayout(style);
    for (const char* name : {"CheckBoxTabMulti", "CheckBoxTabIcon", "CheckBoxVisibaleTabSign"})
        styleLayout->addWidget(MakeCheck(checks, QString::fromLatin1(name)));
    LayOutPage(this, QStringLiteral("TabSheetTabs"), {shown, style});
}
