#pragma once

#include <QtGlobal>

#include "Worker.h"

// Deletes one of the user's statuses through the Twitter-style endpoint.
class TTwitterDestroy final : public TWorkerOf<TTwitterDestroy> {
public:
    explicit TTwitterDestroy(TRequestSettings prefs) : TWorkerOf(std::move(prefs)) {}

    // Also read back by the result handler.
    qint32 StatusID = 0;

protected:
    void Execute() override;
};
