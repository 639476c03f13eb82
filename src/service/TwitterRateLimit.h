#pragma once

#include <QByteArray>

#include "Worker.h"

// Reads the account's hourly request allowance.
class TTwitterRateLimit final : public TWorkerOf<TTwitterRateLimit> {
public:
    explicit TTwitterRateLimit(TRequestSettings prefs) : TWorkerOf(std::move(prefs)) {}

    int StartDelay = 0; // seconds
    int HourlyLimit = 0;
    int RemainingHits = 0;
    int ResetTimeInSeconds = 0;

    // Reads the three values from the children of the root element, in
    // document order; the first value that is not a decimal integer ends the
    // walk, keeping what was read before it. True when the whole document was
    // read. A text that is not well-formed XML yields nothing.
    bool ParseRateLimit(const QByteArray& text);
    static bool IsWellFormedXml(const QByteArray& text);

protected:
    void Execute() override;
};
