#pragma once

#include <array>
#include <optional>

#include <QString>

#include "Names.h"

// What a merge asks the window to show besides the rows it added.
struct TMergeResult {
    QString StatusText; // status-bar panel 0
    int Added = 0;
    int Replies = 0;
    bool FirstLoad = false;
    // Tabs with news, by position in TabSheetNames.
    std::array<bool, TabCount> TabNews{};
    // The balloon: shown when ShowBalloon.
    bool ShowBalloon = false;
    QString BalloonTitle;
    QString BalloonText;
    // The tray picture to show (0 normal, 1 news); none = leave it.
    std::optional<int> TrayImage;
    // The sound to play (a TSoundKind); none = silence.
    std::optional<int> Sound;
};
