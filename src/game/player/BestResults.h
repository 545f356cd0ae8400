// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The best result at each graded level: the score of the best win against it and the name
// the winner gave, kept in the settings store beside the options.

#include "game/bout/Levels.h"
#include "platform/Platform.h"

#include <array>
#include <string>
#include <string_view>

namespace pistework::game {

inline constexpr int kLevelCount = static_cast<int>(kLevels.size());
inline constexpr const char* kDefaultWinner = "Bracken Fencing";

// A level that has never been won reads as a 4 to 5 loss held by "Bracken Fencing".
struct BestResult {
    int hitsA = 5; // the computer opponent's hits
    int hitsB = 4; // the player's hits
    std::string winner = kDefaultWinner;
};

// Value names carry the level number with no separator: "HitA1", "HitB6", "Winner3".
std::string ValueName(std::string_view prefix, int level);

// All six records, indexed by level number 1 to 6.
using BestResultTable = std::array<BestResult, kLevelCount + 1>;

// Absent or unreadable values keep their defaults.
BestResultTable ReadBestResults(const platform::Store& store);

// More player hits first, then the larger winning margin; a tie goes to the newer bout.
bool IsBetterWin(const BestResult& stored, int hitsA, int hitsB);

// Replaces a level's record as a whole. False when the store would not take it.
bool WriteBestResult(platform::Store& store, int level, int hitsA, int hitsB,
                     const std::string& winner);

// "7 - 15  Bracken Fencing": the opponent's hits first, then the player's, then the name.
std::string ResultCaption(const BestResult& result);

} // namespace pistework::game
