#pragma once

#include "FormPlacement.h"

class QWidget;

// Sizes and places the window as stored; a position on no screen now
// attached is left to the window system.
void ApplyPlacement(QWidget& window, const TFormPlacement& placement);

// What to store of the window: its state, and the bounds it comes back to
// whatever its state, so a move made before minimising or maximising is kept.
// The position is the frame's.
TFormPlacement CurrentPlacement(const QWidget& window);
