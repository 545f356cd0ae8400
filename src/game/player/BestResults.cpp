// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/player/BestResults.h"

namespace pistework::game {

std::string ValueName(std::string_view prefix, int level) {
    return std::string(prefix) + std::to_string(level);
}

BestResultTable ReadBestResults(const platform::Store& store) {
    BestResultTable results{};
    for (int n = 1; n <= kLevelCount; ++n) {
        BestResult& r = results[static_cast<std::size_t>(n)];
        if (auto a = store.ReadInteger(ValueName("HitA", n))) r.hitsA = *a;
        if (auto b = store.ReadInteger(ValueName("HitB", n))) r.hitsB = *b;
        if (auto w = store.ReadString(ValueName("Winner", n))) r.winner = *w;
    }
    return results;
}

bool IsBetterWin(const BestResult& stored, int hitsA, int hitsB) {
    if (stored.hitsB != hitsB) return stored.hitsB < hitsB;
    return !(stored.hitsB - stored.hitsA > hitsB - hitsA);
}

bool WriteBestResult(platform::Store& store, int level, int hitsA, int hitsB,
                     const std::string& winner) {
    return store.Write({{ValueName("HitA", level), hitsA},
                        {ValueName("HitB", level), hitsB},
                        {ValueName("Winner", level), winner}});
}

std::string ResultCaption(const BestResult& result) {
    return std::to_string(result.hitsA) + " - " + std::to_string(result.hitsB) + "  " +
           result.winner;
}

} // namespace pistework::game
