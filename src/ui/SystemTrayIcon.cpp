#include "SystemTrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

TSystemTrayIcon::TSystemTrayIcon(QList<QIcon> images, QObject* parent)
    : TTrayIcon(parent), Images(std::move(images)), Menu(std::make_unique<QMenu>()),
      Icon(std::make_unique<QSystemTrayIcon>()) {
    Icon->setObjectName(QStringLiteral("TrayIconMain"));
    Menu->setObjectName(QStringLiteral("PopupMenuTasktray"));
    QAction* exit = Menu->addAction(QStringLiteral("終了(&X)"));
    exit->setObjectName(QStringLiteral("PopupMenuExit"));
    connect(exit, &QAction::triggered, this, &TTrayIcon::ExitRequested);
    Icon->setContextMenu(Menu.get());
    connect(Icon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    emit Activated();
            });
    SetImage(0);
}

TSystemTrayIcon::~TSystemTrayIcon() = default;

bool TSystemTrayIcon::IsAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TSystemTrayIcon::SetVisible(bool visible) {
    Icon->setVisible(visible);
}

void TSystemTrayIcon::SetToolTip(const QString& tip) {
    if (Icon->toolTip() != tip)
        Icon->setToolTip(tip);
}

void TSystemTrayIcon::SetImage(int index) {
    if (index == ImageIndex || index < 0 || index >= Images.size())
        return;
    ImageIndex = index;
    Icon->setIcon(Images.at(index));
}

void TSystemTrayIcon::ShowBalloon(const QString& title, const QString& text, int msecs) {
    Icon->showMessage(title, text, QSystemTrayIcon::Information, msecs);
}
