#include "Faults.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<EFault, const char*>, 7> FaultNames{{
    {EFault::BadRequest, "400"},
    {EFault::ServerError, "500"},
    {EFault::BadJson, "badjson"},
    {EFault::Hang, "hang"},
    {EFault::Slow, "slow"},
    {EFault::Huge, "huge"},
    {EFault::Trickle, "trickle"},
}};

} // namespace

TFaults::TFaults(int ratePercent, quint32 seed) : RatePercent(ratePercent), Random(seed) {}

std::optional<EFault> TFaults::FromName(const QString& name) {
    for (const auto& [fault, text] : FaultNames) {
        if (name == QLatin1String(text))
            return fault;
    }
    return std::nullopt;
}

QString TFaults::Name(EFault fault) {
    for (const auto& [known, text] : FaultNames) {
        if (known == fault)
            return QString::fromLatin1(text);
    }
    return QStringLiteral("none");
}

void TFaults::Queue(EFault fault, int count, int slowSeconds) {
    std::lock_guard lock(Mutex);
    for (int i = 0; i < count; ++i)
        Queued.push_back({fault, slowSeconds > 0 ? slowSeconds : DefaultSlowSeconds});
}

void TFaults::Clear() {
    std::lock_guard lock(Mutex);
    Queued.clear();
}

TFaults::TTaken TFaults::Take() {
    std::lock_guard lock(Mutex);
    if (!Queued.empty()) {
        const TTaken taken = Queued.front();
        Queued.pop_front();
        return taken;
    }
    if (RatePercent <= 0 || std::uniform_int_distribution<int>(0, 99)(Random) >= RatePercent)
        return {};
    auto pick = std::uniform_int_distribution<std::size_t>(0, FaultNames.size() - 1);
    return {FaultNames[pick(Random)].first, DefaultSlowSeconds};
}
