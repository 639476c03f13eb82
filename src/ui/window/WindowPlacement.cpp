#include "WindowPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void ApplyPlacement(QWidget& window, const TFormPlacement& placement) {
    if (placement.Width > 0 && placement.Height > 0)
        window.resize(placement.Width, placement.Height);
    if (placement.Top && placement.Left) {
        // A position on a screen that is no longer there would hide the window.
        const QRect frame(QPoint(*placement.Left, *placement.Top), window.size());
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (std::any_of(screens.begin(), screens.end(), [&frame](const QScreen* screen) {
                return screen->availableGeometry().intersects(frame);
            }))
            window.move(frame.topLeft());
    }
}

TFormPlacement CurrentPlacement(const QWidget& window) {
    TFormPlacement placement;
    const Qt::WindowStates state = window.windowState();
    placement.WinState = state & Qt::WindowMinimized   ? TFormPlacement::Minimized
                         : state & Qt::WindowMaximized ? TFormPlacement::Maximized
                                                       : TFormPlacement::Normal;
    const QRect normal =
        window.normalGeometry().translated(window.pos() - window.geometry().topLeft());
    placement.Top = normal.y();
    placement.Left = normal.x();
    placement.Width = normal.width();
    placement.Height = normal.height();
    return placement;
}
