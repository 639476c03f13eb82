#include "UpdatePage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

TUpdatePage::TUpdatePage(TCheckBoxes& checks)
    : SpinEditInterval(MakeSpin(QStringLiteral("SpinEditInterval"), 30, 86400)),
      SpinEditDMInterval(MakeSpin(QStringLiteral("SpinEditDMInterval"), 30, 86400)),
      EditQuorbelMark(MakeEdit(QStringLiteral("EditQuorbelMark"))) {
    auto* group = new QGroupBox(QStringLiteral("更新"));
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(Row({new QLabel(QStringLiteral("更新頻度：")), SpinEditInterval,
                           new QLabel(QStringLiteral("秒"))}));
    auto* dmLabel = new QLabel(QStringLiteral("DM更新頻度："));
    dmLabel->setObjectName(QStringLiteral("LabelDMInterval"));
    auto* dmUnit = new QLabel(QStringLiteral("秒"));
    dmUnit->setObjectName(QStringLiteral("LabelDMIntervalUnit"));
    for (QWidget* hidden :
         {static_cast<QWidget*>(dmLabel), static_cast<QWidget*>(SpinEditDMInterval),
          static_cast<QWidget*>(dmUnit)})
        hidden->hide();
    layout->addLayout(Row({dmLabel, SpinEditDMInterval, dmUnit}));

    layout->addWidget(MakeCheck(checks, QStringLiteral("CheckBoxEnableAutoUpdate")));
    layout->addWidget(MakeCheck(checks, QStringLiteral("CheckBoxVisibleIcon")));
    layout->addWidget(MakeCheck(checks, QStringLiteral("CheckBoxJapanize")));
    checks.value(QStringLiteral("CheckBoxJapanize"))->hide();
    layout->addLayout(
        Row({MakeCheck(checks, QStringLiteral("CheckBoxQuorbelSign")), EditQuorbelMark}));
    for (const char* name :
         {"CheckBoxEnableStatusBlock", "CheckBoxUnread", "CheckBoxEnableUpdateReload",
          "CheckBoxUsePOSTMethod", "CheckBoxFavMessage", "CheckBoxEnableConvertTinyURL",
          "CheckBoxReverseSort", "CheckBoxEnableDisplayIcon", "CheckBoxUpdateWithCTRL",
          "CheckBoxEnableHeart"})
        layout->addWidget(MakeCheck(checks, QString::fromLatin1(name)));
    checks.value(QStringLiteral("CheckBoxUsePOSTMethod"))->hide();
    LayOutPage(this, QStringLiteral("TabSheetUpdate"), {group});
}
