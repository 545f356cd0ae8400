#pragma once
// The six graded levels of the computer opponent: their menu items, strengths, numbers (which
// key the best results) and the texts the best results show.

#include "game/Opponent.h"

#include <array>
#include <optional>
#include <string_view>

namespace pistework::game {

struct Level {
    int number;
    std::string_view menuItem;
    Strength strength;
    std::string_view text;
};

inline constexpr std::array<Level, 6> kLevels{{
    {1, "Novice", {12, 120}, "Novice Level"},
    {2, "Intermediate", {11, 100}, "Intermediate Level"},
    {3, "Advanced", {10, 100}, "Advanced Level"},
    {4, "QuarterFinalist", {9, 90}, "Quarter-Finalist Level"},
    {5, "SemiFinalist", {9, 80}, "Semi-Finalist Level"},
    {6, "Champion", {8, 80}, "Champion Level"},
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

} // namespace pistework::game
