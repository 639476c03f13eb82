#pragma once

#include <QByteArray>

#include "Worker.h"

// Marks one status as a favourite.
class TTwitterFavorite final : public TWorkerOf<TTwitterFavorite> {
public:
    explicit TTwitterFavorite(TRequestSettings prefs) : TWorkerOf(std::move(prefs)) {}

    QByteArray StatusRid;

protected:
    void Execute() override;
};
