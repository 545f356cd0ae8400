#include "game/BestResults.h"

namespace pistework::game {

std::string ValueName(std::string_view prefix, int level) {
    return std::string(prefix) + std::to_string(level);
}

std::array<BestResult, kLevelCount + 1> ReadBestResults(platform::Registry& registry) {
    std::array<BestResult, kLevelCount + 1> results{};
    registry.SetRootKey(platform::Registry::Root::LocalMachine);
    registry.OpenKey(kGameKey, true);
    for (int n = 1; n <= kLevelCount; ++n) {
        BestResult& r = results[static_cast<std::size_t>(n)];
        if (auto a = registry.ReadInteger(ValueName("HitA", n))) r.hitsA = *a;
        if (auto b = registry.ReadInteger(ValueName("HitB", n))) r.hitsB = *b;
        if (auto w = registry.ReadString(ValueName("Winner", n))) r.winner = *w;
    }
    registry.CloseKey();
    return results;
}

bool IsBetterWin(const BestResult& stored, int hitsA, int hitsB) {
    if (stored.hitsB != hitsB) return stored.hitsB < hitsB;
    return !(stored.hitsB - stored.hitsA > hitsB - hitsA);
}

bool WriteBestResult(platform::Registry& registry, int level, int hitsA, int hitsB,
                     const std::string& winner) {
    registry.SetRootKey(platform::Registry::Root::LocalMachine);
    registry.OpenKey(kGameKey, true);
    const bool written = registry.WriteInteger(ValueName("HitA", level), hitsA) &&
                         registry.WriteInteger(ValueName("HitB", level), hitsB) &&
                         registry.WriteString(ValueName("Winner", level), winner);
    const bool stored = registry.CloseKey();
    return written && stored;
}

std::string ResultCaption(const BestResult& result) {
    return std::to_string(result.hitsA) + " - " + std::to_string(result.hitsB) + "  " +
           result.winner;
}

} // namespace pistework::game
