#pragma once

#include <memory>

#include <QIcon>
#include <QList>

#include "TrayIcon.h"

class QMenu;
class QSystemTrayIcon;

// The tray icon of the desktop, through QSystemTrayIcon, made when first shown:
// reaching the desktop's tray host is not free.
class TSystemTrayIcon final : public TTrayIcon {
    Q_OBJECT
public:
    // images: ImageListIcon.
    explicit TSystemTrayIcon(QList<QIcon> images, QObject* parent = nullptr);
    ~TSystemTrayIcon() override;

    bool IsAvailable() const override;
    void SetVisible(bool visible) override;
    void SetToolTip(const QString& tip) override;
    void SetImage(int index) override;
    void ShowBalloon(const QString& title, const QString& text, int msecs) override;

private:
    void CreateIcon();

    QList<QIcon> Images;
    QString ToolTip;
    std::unique_ptr<QMenu> Menu;
    std::unique_ptr<QSystemTrayIcon> Icon; // after Menu: goes first
    int ImageIndex = 0;
    bool BalloonMarkup = false; // the balloon's text is read as markup
};
