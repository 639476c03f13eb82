#include "AccountPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

TAccountPage::TAccountPage(TCheckBoxes& checks)
    : EditUsername(MakeEdit(QStringLiteral("EditUsername"))),
      EditPassword(MakeEdit(QStringLiteral("EditPassword"), true)), LabelTwitterURL(new QLabel) {
    auto* account = new QGroupBox(QStringLiteral("アカウント"));
    auto* form = new QFormLayout(account);
    form->addRow(QStringLiteral("ユーザ名："), EditUsername);
    form->addRow(QStringLiteral("パスワード："), EditPassword);
    form->addRow(MakeCheck(checks, QStringLiteral("CheckBoxShowUsername")));

    QLabel* labelNotice = MakeNote(
        QStringList{QStringLiteral("QuorbelはマイクロブログサービスWassr用クライアントです。"),
                    QStringLiteral("Quorbelを使うためにはWassrのアカウントが必要です。"),
                    QStringLiteral("以下のURLをダブルクリックして、アカウントを取得してください。")}
            .join(QLatin1Char('\n')));
    labelNotice->setObjectName(QStringLiteral("LabelNotice"));
    // Three sentences on three lines: wrapping would strand their last characters.
    labelNotice->setWordWrap(false);
    LabelTwitterURL->setObjectName(QStringLiteral("LabelTwitterURL"));
    QFont linkFont = LabelTwitterURL->font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    LabelTwitterURL->setFont(linkFont);
    QPalette linkPalette = LabelTwitterURL->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    LabelTwitterURL->setPalette(linkPalette);
    LabelTwitterURL->setCursor(Qt::PointingHandCursor);
    LayOutPage(this, QStringLiteral("TabSheetTwitter"), {account, labelNotice, LabelTwitterURL});
}
