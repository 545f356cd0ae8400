// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the list of kept bouts shows of one bout, kept beside its replay file: when it ended,
// whom it was against, the score, its length and how it ended.

#include "game/piste/Side.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pistework::game {

// Who fenced it, and so which fencer was the player's: the right one against the computer and
// as the host, the left one as the guest, neither for two players at one keyboard or a watcher.
enum class BoutKind : std::uint8_t { Computer, TwoPlayers, NetworkHost, NetworkGuest, Watched };
enum class BoutEnd : std::uint8_t { Finished, Left };

struct KeptBout {
    std::int64_t endedAt = 0;  // wall clock, milliseconds since 1970
    BoutKind kind = BoutKind::Computer;
    std::optional<int> level;  // 1 to 6 against a graded level; none for a custom one
    std::string opponent;      // the other machine's address in a network bout
    PerSide<int> score;
    std::int64_t lengthMs = 0; // bout time fenced, pauses not counted
    BoutEnd end = BoutEnd::Finished;
    bool operator==(const KeptBout&) const = default;
};

// The player's fencer in a bout of `kind`, if one was theirs.
constexpr std::optional<Side> PlayersSide(BoutKind kind) {
    switch (kind) {
    case BoutKind::Computer:
    case BoutKind::NetworkHost:
        return Side::Right;
    case BoutKind::NetworkGuest:
        return Side::Left;
    default:
        return std::nullopt;
    }
}

} // namespace pistework::game
