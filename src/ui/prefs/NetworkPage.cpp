#include "NetworkPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

TNetworkPage::TNetworkPage(TCheckBoxes& checks)
    : EditProxy(MakeEdit(QStringLiteral("EditProxy"))),
      EditPort(MakeEdit(QStringLiteral("EditPort"))),
      EditUser(MakeEdit(QStringLiteral("EditUser"))),
      EditPass(MakeEdit(QStringLiteral("EditPass"), true)) {
    auto* group = new QGroupBox(QStringLiteral("PROXY"));
    auto* form = new QFormLayout(group);
    form->addRow(MakeCheck(checks, QStringLiteral("CheckBoxUseProxy")));
    form->addRow(QStringLiteral("PROXYサーバ："), EditProxy);
    form->addRow(QStringLiteral("ポート："), EditPort);
    form->addRow(QStringLiteral("ユーザ名："), EditUser);
    form->addRow(QStringLiteral("パスワード："), EditPass);
    LayOutPage(this, QStringLiteral("TabSheetNetwork"), {group});
}
