#include "NotifyPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "NotifySound.h"

TNotifyPage::TNotifyPage(TCheckBoxes& checks, const QStringList& soundFolders)
    : ComboBoxSoundSet(MakeCombo(QStringLiteral("ComboBoxSoundSet"), SoundSetNames(soundFolders))) {
    auto* balloon = new QGroupBox(QStringLiteral("バルーン"));
    auto* balloonLayout = new QVBoxLayout(balloon);
    balloonLayout->addWidget(MakeCheck(checks, QStringLiteral("CheckBoxBalloon")));
    for (const char* name :
         {"CheckBoxPopupOnlyReplyToMe", "CheckBoxPopupOnlyFavID", "CheckBoxPopupOnlyPickup"}) {
        QCheckBox* only = MakeCheck(checks, QString::fromLatin1(name));
        // Indented under the check box that enables them.
        only->setContentsMargins(16, 0, 0, 0);
        balloonLayout->addWidget(only);
    }

    auto* sound = new QGroupBox(QStringLiteral("サウンド"));
    auto* soundLayout = new QVBoxLayout(sound);
    for (const char* name : {"CheckBoxSndStatus", "CheckBoxSndReply", "CheckBoxSndMessage"})
        soundLayout->addWidget(MakeCheck(checks, QString::fromLatin1(name)));
    soundLayout->addLayout(Row({new QLabel(QStringLiteral("サウンドセット：")), ComboBoxSoundSet}));

    auto* tray = new QGroupBox(QStringLiteral("タスクトレイ"));
    auto* trayLayout = new QVBoxLayout(tray);
    trayLayout->addWidget(MakeCheck(checks, QStringLiteral("CheckBoxTaskIconNotify")));
    LayOutPage(this, QStringLiteral("TabSheetBalloon"), {balloon, sound, tray});
}
