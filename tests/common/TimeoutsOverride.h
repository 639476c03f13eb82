#pragma once

#include "Worker.h"

// While alive, the workers made take these time-outs: a test waits seconds
// for a deadline, not minutes.
class TTimeoutsOverride final {
public:
    explicit TTimeoutsOverride(const TRequestTimeouts& timeouts) { SetRequestTimeouts(timeouts); }
    ~TTimeoutsOverride() { SetRequestTimeouts(Saved); }
    TTimeoutsOverride(const TTimeoutsOverride&) = delete;
    TTimeoutsOverride& operator=(const TTimeoutsOverride&) = delete;

private:
    const TRequestTimeouts Saved = RequestTimeouts();
};
