#include "DisplayPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ColorPickerButton.h"

namespace {

constexpr std::array<const char*, 3> ColorRowCaptions{
    "選択されたユーザの発言：", "選択されたユーザへの返信：", "選択されたユーザの返信元："};

} // namespace

TDisplayPage::TDisplayPage()
    : LabelFont(new QLabel), ButtonFont(new QPushButton(QStringLiteral("参照..."))),
      ButtonDefault(new QPushButton(QStringLiteral("元に戻す"))),
      ComboBoxPanelLayout(MakeCombo(QStringLiteral("ComboBoxPanelLayout"),
                                    {QStringLiteral("レイアウト1(詳細、リスト、入力)"),
                                     QStringLiteral("レイアウト2(リスト、詳細、入力)"),
                                     QStringLiteral("レイアウト3(入力、リスト、詳細)")})),
      SpinEditIDWidth(MakeSpin(QStringLiteral("SpinEditIDWidth"), 5, 600)) {
    auto* font = new QGroupBox(QStringLiteral("フォント"));
    auto* fontLayout = new QVBoxLayout(font);
    LabelFont->setObjectName(QStringLiteral("LabelFont"));
    LabelFont->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    LabelFont->setAlignment(Qt::AlignCenter);
    LabelFont->setMinimumHeight(36);
    ButtonFont->setObjectName(QStringLiteral("ButtonFont"));
    ButtonDefault->setObjectName(QStringLiteral("ButtonDefault"));
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(LabelFont, 1);
    fontRow->addWidget(ButtonFont);
    fontRow->addWidget(ButtonDefault);
    fontLayout->addLayout(fontRow);
    QLabel* warning = MakeNote(QStringLiteral(
        "「行の挿入エラー」が出る時は、「元に戻す」ボタンで設定を初期値に戻してください"));
    QPalette warningPalette = warning->palette();
    warningPalette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    warning->setPalette(warningPalette);
    fontLayout->addWidget(warning);

    auto* colors = new QGroupBox(QStringLiteral("リスト行の色"));
    auto* grid = new QGridLayout(colors);
    grid->addWidget(new QLabel(QStringLiteral("背景色")), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("文字色")), 0, 2, Qt::AlignCenter);
    const TQuorbelPrefs defaults{QString(), QString()};
    for (int k = 0; k < int(ColorBindings.size()); ++k) {
        const TColorBinding& binding = ColorBindings[k];
        auto* picker = new TColorPickerButton;
        picker->setObjectName(QString::fromLatin1(binding.Name));
        picker->setAccessibleName(
            QString::fromUtf8(ColorRowCaptions[k / 2]) +
            (k % 2 == 0 ? QStringLiteral("の背景色") : QStringLiteral("の文字色")));
        // "標準" gives back the colour a fresh installation uses.
        picker->SetDefaultColor(defaults.*binding.Field);
        ColorPickers.insert(picker->objectName(), picker);
        const int row = 1 + k / 2;
        if (k % 2 == 0)
            grid->addWidget(new QLabel(QString::fromUtf8(ColorRowCaptions[k / 2])), row, 0);
        grid->addWidget(picker, row, 1 + k % 2, Qt::AlignCenter);
    }

    auto* layoutGroup = new QGroupBox(QStringLiteral("レイアウト"));
    auto* form = new QFormLayout(layoutGroup);
    form->addRow(QStringLiteral("UIレイアウト："), ComboBoxPanelLayout);
    form->addRow(QStringLiteral("ID表示カラムの幅："), SpinEditIDWidth);
    LayOutPage(this, QStringLiteral("TabSheetDisp"), {font, colors, layoutGroup});
}
