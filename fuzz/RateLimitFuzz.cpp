// The rate-limit reply as the rate-limit worker reads it.
#include "FuzzSupport.h"
#include "TwitterRateLimit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text = FuzzBytes(data, size);
    TTwitterRateLimit worker{TRequestSettings{}};
    const bool whole = worker.ParseRateLimit(text);
    const bool wellFormed = TTwitterRateLimit::IsWellFormedXml(text);
    FuzzCheck(!whole || wellFormed, "a broken document read as whole");
    if (!wellFormed)
        FuzzCheck(worker.HourlyLimit == 0 && worker.RemainingHits == 0 &&
                      worker.ResetTimeInSeconds == 0,
                  "a broken document gave values");
    return 0;
}
