#pragma once

#include <optional>

// The stored state of a window and its bounds in the normal state, which it
// takes before it is minimised or maximised again. Top and Left stay empty
// when the window system should choose the position.
struct TFormPlacement {
    enum State : int { Normal = 0, Minimized = 1, Maximized = 2 };

    std::optional<int> Top;
    std::optional<int> Left;
    int Width = 370;
    int Height = 460;
    int WinState = Normal;

    bool operator==(const TFormPlacement&) const = default;
};
