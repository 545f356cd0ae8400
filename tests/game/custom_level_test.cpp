// SPDX-License-Identifier: GPL-3.0-or-later
// The custom level's bars: where they open for a strength and what strength they give back.

#include "game/bout/Levels.h"

#include <gtest/gtest.h>

using namespace pistework::game;

TEST(CustomLevel, BarsOpenAtTheStrengthInPlayHeldAtTheNearerEnd) {
    const struct {
        Strength inPlay; // {range, tickMs}
        CustomPositions opened;
    } cases[] = {
        {kLevels[0].strength, {0, 0}},
        {kLevels[1].strength, {2, 1}}, // Novice, Intermediate
        {kLevels[2].strength, {2, 2}},
        {kLevels[3].strength, {3, 3}}, // Advanced, Quarter
        {kLevels[4].strength, {4, 3}},
        {kLevels[5].strength, {4, 4}}, // Semi, Champion
        // Hand-edited stores: past either end, or between steps with the remainder dropped.
        {{12, 200}, {0, 0}},
        {{12, 30}, {4, 0}},
        {{20, 120}, {0, 0}},
        {{3, 120}, {0, 4}},
        {{12, 115}, {0, 0}},
        {{12, 121}, {0, 0}},
        {{12, 85}, {3, 0}},
        {{-5, -1000}, {4, 4}},
        // Either end of int, which a sum in int would overflow.
        {{-2147483647 - 1, 2147483647}, {0, 4}},
        {{2147483647, -2147483647 - 1}, {4, 0}},
    };
    for (const auto& c : cases) {
        const CustomPositions opened = PositionsFor(c.inPlay);
        EXPECT_EQ(opened, c.opened) << "speed " << c.inPlay.tickMs << ", range " << c.inPlay.range
                                    << " opened at " << opened.speed << "/" << opened.reaction;
    }
}

TEST(CustomLevel, EveryPairOfPositionsGivesAStrengthInBoundsThatOpensThereAgain) {
    for (int speed = 0; speed <= kLastCustomPosition; ++speed) {
        for (int reaction = 0; reaction <= kLastCustomPosition; ++reaction) {
            const Strength strength = StrengthAt({speed, reaction});
            SCOPED_TRACE(::testing::Message() << "positions " << speed << "/" << reaction);
            EXPECT_TRUE(strength.tickMs >= 80 && strength.tickMs <= 120) << strength.tickMs;
            EXPECT_TRUE(strength.range >= 8 && strength.range <= 12) << strength.range;
            EXPECT_EQ(PositionsFor(strength), (CustomPositions{speed, reaction}));
        }
    }
    // Confirming unchanged bars keeps a graded level's strength, and the far right is Champion.
    for (const Level& level : kLevels)
        EXPECT_EQ(StrengthAt(PositionsFor(level.strength)), level.strength) << level.text;
    EXPECT_EQ(StrengthAt({4, 4}), kChampion.strength);
}
