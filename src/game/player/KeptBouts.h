// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the list of kept bouts shows of one bout, kept beside its replay file: when it ended,
// whom it was against, the score, its length and how it ended.

#include "game/piste/Side.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pistework::game {

// Who fenced it, and so which fencer was the player's: the right one against the computer and
// as the host, the left one as the guest, neither for two players at one keyboard or a watcher.
enum class BoutKind : std::uint8_t { Computer, TwoPlayers, NetworkHost, NetworkGuest, Watched };
enum class BoutEnd : std::uint8_t { Finished, Left };

struct KeptBout {
    std::int64_t endedAt = 0; // wall clock, milliseconds since 1970
    BoutKind kind = BoutKind::Computer;
    std::optional<int> level; // 1 to 6 against a graded level; none for a custom one
    std::string opponent;     // the other machine's address in a network bout
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

// A kept bout's file: a small header that says what the list shows of it, then its replay, so
// the list reads without fencing the bout again. Empty for a replay too large to keep.
std::vector<std::uint8_t> KeptBoutFile(const KeptBout& about, std::span<const std::uint8_t> replay);
// What a kept file says of its bout, and its replay within `file`; none for a file that is
// damaged, of a newer game, or none of ours. Every field is bounded.
struct KeptBoutRead {
    KeptBout about;
    std::span<const std::uint8_t> replay;
};
std::optional<KeptBoutRead> ReadKeptBout(std::span<const std::uint8_t> file);

// What the player did against one graded level: bouts won and lost (a drawn timed bout is
// neither) and hits given and taken, in the bouts of the player's own against it.
struct LevelRecord {
    int wins = 0, losses = 0, given = 0, taken = 0;
    bool operator==(const LevelRecord&) const = default;
};
// Indexed by the level's number; [0] stands for no level and stays empty.
using LevelRecords = std::array<LevelRecord, 7>;
LevelRecords RecordByLevel(std::span<const KeptBout> bouts);

// The share of bouts the player has won against `level` so far, in percent, after each of
// those bouts in the order they ended.
struct RecordPoint {
    std::int64_t endedAt;
    int winPercent;
    bool operator==(const RecordPoint&) const = default;
};
std::vector<RecordPoint> RecordOverTime(std::span<const KeptBout> bouts, int level);

} // namespace pistework::game
