#pragma once

#include <QObject>
#include <QString>

// The notification-area icon as the program uses it: an image out of
// ImageListIcon, a tip, balloons, and a menu with the single entry "終了(&X)".
// The window talks to this interface; tests record what it is told.
class TTrayIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // False where the desktop has no notification area: the window must then
    // stay reachable without it.
    virtual bool IsAvailable() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetToolTip(const QString& tip) = 0;
    // Image 0 is the program icon, 1 the icon that signals news.
    virtual void SetImage(int index) = 0;
    // An information balloon shown for about msecs milliseconds.
    virtual void ShowBalloon(const QString& title, const QString& text, int msecs) = 0;

signals:
    // A click or a double-click on the icon.
    void Activated();
    // The menu entry "終了(&X)".
    void ExitRequested();
};
