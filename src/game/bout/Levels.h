// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six graded levels of the computer opponent: their strengths, numbers (which key the best
// results) and the texts the best results show.

#include "game/bout/Opponent.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pistework::game {

struct Level {
    int number;
    Strength strength;
    std::string_view text;
};

inline constexpr std::array<Level, 6> kLevels{{
    {1, {12, 120}, "Novice Level"},
    {2, {11, 100}, "Intermediate Level"},
    {3, {10, 100}, "Advanced Level"},
    {4, {9, 90}, "Quarter-Finalist Level"},
    {5, {9, 80}, "Semi-Finalist Level"},
    {6, {8, 80}, "Champion Level"},
}};

inline constexpr const Level& kNovice = kLevels.front();
// Demonstrations always show the strongest level.
inline constexpr const Level& kChampion = kLevels.back();

// The graded level fenced at exactly this strength; none for a custom one.
constexpr std::optional<Level> LevelWithStrength(const Strength& strength) {
    for (const Level& level : kLevels)
        if (level.strength == strength) return level;
    return std::nullopt;
}

// The level of a number 1 to 6.
constexpr std::optional<Level> LevelNumbered(int number) {
    for (const Level& level : kLevels)
        if (level.number == number) return level;
    return std::nullopt;
}

// The custom level's two bars, 0 to 4, both moving right towards a stronger opponent: Speed
// takes 10 ms per position off 120 ms, Reaction Time takes 1 per position off a range of 12.
struct CustomPositions {
    int speed = 0;
    int reaction = 0;
    friend bool operator==(const CustomPositions&, const CustomPositions&) = default;
};

inline constexpr int kLastCustomPosition = 4;

// Where the bars open for the strength in play. The division drops the remainder, so a
// hand-edited 115 ms opens at 0, and a value past either end is held there as a bar would.
// The sums are wide: a hand-edited value may lie at either end of int.
constexpr CustomPositions PositionsFor(const Strength& strength) {
    constexpr std::int64_t kLast = kLastCustomPosition;
    return {static_cast<int>(std::clamp((120 - std::int64_t{strength.tickMs}) / 10, {}, kLast)),
            static_cast<int>(std::clamp(12 - std::int64_t{strength.range}, {}, kLast))};
}

// The strength the bars stand for.
constexpr Strength StrengthAt(const CustomPositions& positions) {
    return {12 - positions.reaction, 120 - 10 * positions.speed};
}

} // namespace pistework::game
