// SPDX-License-Identifier: GPL-3.0-or-later
// A game pad's commands: steps toward and away from the opponent on each side, one face
// button per other command, each fired once when pressed; and which fencer each pad drives.

#include "game/Pad.h"

#include <gtest/gtest.h>

#include <set>

using namespace pistework::game;

TEST(Pad, StickAndDpadStepTowardOrAwayFromTheOpponentOncePerPush) {
    using Commands = std::vector<FencerCommand>;
    const PadState rest;
    for (const Side side : kSides) {
        for (const int way : {-1, 1}) {
            SCOPED_TRACE(testing::Message() << "side " << int(side) << " way " << way);
            const Commands step{way == Forward(side) ? FencerCommand::Advance
                                                     : FencerCommand::Retreat};
            PadState stick, dpad, weak, steep;
            stick.stickX = way * 32767;
            weak.stickX = way * kStickDeadZone;
            steep.stickX = way * 20000;
            steep.stickY = 30000;
            (way > 0 ? dpad.dpadRight : dpad.dpadLeft) = true;
            for (const PadState& push : {stick, dpad}) {
                EXPECT_EQ(PadCommands(rest, push, side), step);
                EXPECT_EQ(PadCommands(push, push, side), Commands{}) << "held";
                EXPECT_EQ(PadCommands(push, rest, side), Commands{}) << "let go";
            }
            EXPECT_EQ(PadCommands(rest, weak, side), Commands{}) << "in the dead zone";
            EXPECT_EQ(PadCommands(rest, steep, side), Commands{}) << "more up or down than across";
            // Turning the stick straight over is a new push the other way.
            PadState back = stick;
            back.stickX = -stick.stickX;
            EXPECT_EQ(PadCommands(stick, back, side), Commands{PadCommands(rest, back, side)});
            EXPECT_NE(PadCommands(rest, back, side), step);
        }
    }
}

TEST(Pad, EachButtonGivesItsOwnCommandOnItsPressOnly) {
    std::set<FencerCommand> given{FencerCommand::Advance, FencerCommand::Retreat};
    for (const auto& [button, command] : kPadButtons) {
        PadState pressed;
        pressed.buttons[static_cast<std::size_t>(button)] = true;
        for (const Side side : kSides) {
            EXPECT_EQ(PadCommands({}, pressed, side), std::vector{command});
            EXPECT_TRUE(PadCommands(pressed, pressed, side).empty());
            EXPECT_TRUE(PadCommands(pressed, {}, side).empty());
        }
        given.insert(command);
    }
    // Every command of a fencer is on the pad, and no two buttons share one.
    EXPECT_EQ(given.size(), static_cast<std::size_t>(FencerCommand::Fleche) + 1);
}

TEST(Pad, FirstPadDrivesTheRightPlayerTheSecondTheLeftInATwoPlayerBout) {
    for (const bool two : {false, true}) {
        EXPECT_EQ(PadDrives(0, two), Side::Right);
        EXPECT_EQ(PadDrives(1, two), two ? std::optional(Side::Left) : std::nullopt);
        EXPECT_EQ(PadDrives(2, two), std::nullopt);
    }
}
