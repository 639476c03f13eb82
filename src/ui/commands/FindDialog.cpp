#include "FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFindDialog::TFindDialog(QWidget* parent)
    : QDialog(parent), EditFindText(new QLineEdit(this)),
      CheckBoxMatchCase(new QCheckBox(QStringLiteral("大文字と小文字を区別する(&C)"), this)),
      RadioButtonUp(new QRadioButton(QStringLiteral("上へ(&U)"))),
      RadioButtonDown(new QRadioButton(QStringLiteral("下へ(&D)"))),
      ButtonFindNext(new QPushButton(QStringLiteral("次を検索(&F)"), this)) {
    setObjectName(QStringLiteral("FindDialogMain"));
    setWindowTitle(QStringLiteral("検索"));
    setModal(false);
    EditFindText->setObjectName(QStringLiteral("EditFindText"));
    CheckBoxMatchCase->setObjectName(QStringLiteral("CheckBoxMatchCase"));
    RadioButtonUp->setObjectName(QStringLiteral("RadioButtonUp"));
    RadioButtonDown->setObjectName(QStringLiteral("RadioButtonDown"));
    RadioButtonDown->setChecked(true);
    ButtonFindNext->setObjectName(QStringLiteral("ButtonFindNext"));
    ButtonFindNext->setDefault(true);
    ButtonFindNext->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* label = new QLabel(QStringLiteral("検索する文字列(&N):"), this);
    label->setBuddy(EditFindText);
    auto* direction = new QGroupBox(QStringLiteral("方向"), this);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(RadioButtonUp);
    directionLayout->addWidget(RadioButtonDown);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ButtonFindNext);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(EditFindText, 0, 1, 1, 2);
    layout->addWidget(CheckBoxMatchCase, 1, 0, 1, 2, Qt::AlignBottom);
    layout->addWidget(direction, 1, 2);
    layout->addLayout(buttons, 0, 3, 2, 1);

    connect(EditFindText, &QLineEdit::textChanged, this,
            [this](const QString& text) { ButtonFindNext->setEnabled(!text.isEmpty()); });
    connect(ButtonFindNext, &QPushButton::clicked, this, [this] { emit FindNext(Options()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFindOptions TFindDialog::Options() const {
    return {EditFindText->text(), CheckBoxMatchCase->isChecked(), RadioButtonDown->isChecked()};
}
