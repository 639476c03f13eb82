#pragma once

#include <QString>

#include "TimeUtil.h"

// A status time as the detail pane and the property box show it: the locale's
// short date, a blank and its long time (with the seconds); the time is left
// out at exactly midnight.
// Empty when the value is no valid date.
QString LocaleDateTimeText(TDateTime value);
