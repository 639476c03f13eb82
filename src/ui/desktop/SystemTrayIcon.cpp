#include "SystemTrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include "BalloonMarkup.h"

TSystemTrayIcon::TSystemTrayIcon(QList<QIcon> images, QObject* parent)
    : TTrayIcon(parent), Images(std::move(images)) {}

TSystemTrayIcon::~TSystemTrayIcon() = default;

void TSystemTrayIcon::CreateIcon() {
    Menu = std::make_unique<QMenu>();
    Menu->setObjectName(QStringLiteral("PopupMenuTasktray"));
    QAction* exit = Menu->addAction(QStringLiteral("終了(&X)"));
    exit->setObjectName(QStringLiteral("PopupMenuExit"));
    connect(exit, &QAction::triggered, this, &TTrayIcon::ExitRequested);
    Icon = std::make_unique<QSystemTrayIcon>();
    BalloonMarkup = BalloonReadsMarkup();
    Icon->setObjectName(QStringLiteral("TrayIconMain"));
    Icon->setContextMenu(Menu.get());
    Icon->setIcon(Images.value(ImageIndex));
    Icon->setToolTip(ToolTip);
    connect(Icon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    emit Activated();
            });
}

bool TSystemTrayIcon::IsAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TSystemTrayIcon::SetVisible(bool visible) {
    if (!Icon && visible)
        CreateIcon();
    if (Icon)
        Icon->setVisible(visible);
}

void TSystemTrayIcon::SetToolTip(const QString& tip) {
    if (ToolTip == tip)
        return;
    ToolTip = tip;
    if (Icon)
        Icon->setToolTip(tip);
}

void TSystemTrayIcon::SetImage(int index) {
    if (index == ImageIndex || index < 0 || index >= Images.size())
        return;
    ImageIndex = index;
    if (Icon)
        Icon->setIcon(Images.at(index));
}

void TSystemTrayIcon::ShowBalloon(const QString& title, const QString& text, int msecs) {
    // Status texts are the server's: "<3" or a tag in one is text, not markup.
    if (Icon)
        Icon->showMessage(title, BalloonMarkup ? text.toHtmlEscaped() : text,
                          QSystemTrayIcon::Information, msecs);
}
