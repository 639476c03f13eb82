#pragma once

#include <QList>
#include <QStringList>

#include "TrayIcon.h"

// A tray icon that records what the window tells it.
class TRecordingTray final : public TTrayIcon {
    Q_OBJECT
public:
    struct TBalloon {
        QString Title;
        QString Text;
        int Msecs = 0;
    };

    explicit TRecordingTray(bool available = true) : Available(available) {}

    bool IsAvailable() const override { return Available; }
    void SetVisible(bool visible) override { Visible = visible; }
    void SetToolTip(const QString& tip) override { ToolTip = tip; }
    void SetImage(int index) override { Images.append(index); }
    void ShowBalloon(const QString& title, const QString& text, int msecs) override {
        Balloons.append({title, text, msecs});
    }

    // The user's clicks.
    void Click() { emit Activated(); }
    void ChooseExit() { emit ExitRequested(); }

    bool Available;
    bool Visible = false;
    QString ToolTip;
    QList<int> Images;
    QList<TBalloon> Balloons;
};
