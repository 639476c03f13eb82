#include "BehaviourPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TBehaviourPage::TBehaviourPage(TCheckBoxes& checks)
    : ComboBoxDubbleClick(MakeCombo(QStringLiteral("ComboBoxDubbleClick"),
                                    {QStringLiteral("返信"), QStringLiteral("ダイレクトメッセージ"),
                                     QStringLiteral("友達のホーム")})) {
    auto* group = new QGroupBox(QStringLiteral("動作"));
    auto* layout = new QVBoxLayout(group);
    for (const char* name :
         {"CheckBoxMinimize", "CheckBoxClose", "CheckBoxTopMost", "CheckBoxMinimizeOnCreate"})
        layout->addWidget(MakeCheck(checks, QString::fromLatin1(name)));
    layout->addWidget(new QLabel(QStringLiteral("リストをダブルクリックしたときの動作：")));
    layout->addLayout(Row({ComboBoxDubbleClick}));
    layout->addWidget(MakeCheck(checks, QStringLiteral("CheckBoxAskAddFavorite")));
    layout->addWidget(MakeCheck(checks, QStringLiteral("CheckBoxEnableP3Key")));

    // Carried through the dialog, never shown.
    auto* update = new QGroupBox(QStringLiteral("更新"));
    update->setObjectName(QStringLiteral("GroupBoxQuorbelUpdate"));
    auto* updateLayout = new QVBoxLayout(update);
    updateLayout->addWidget(MakeCheck(checks, QStringLiteral("CheckBoxEnableUpdateCheck")));
    update->hide();
    LayOutPage(this, QStringLiteral("TabSheetDo"), {group, update});
}
