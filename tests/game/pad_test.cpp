// SPDX-License-Identifier: GPL-3.0-or-later
// A game pad's commands: steps toward and away from the opponent, one face button for each
// other command, each once per press; and which fencer each pad drives.

#include "game/piste/Pad.h"

#include <gtest/gtest.h>

#include <set>

using namespace pistework::game;
using Commands = std::vector<FencerCommand>;

TEST(Pad, StickAndDpadStepTowardOrAwayFromTheOpponentOncePerPush) {
    for (const Side side : kSides) {
        for (const int way : {-1, 1}) {
            const Commands step{way == Forward(side) ? FencerCommand::Advance
                                                     : FencerCommand::Retreat};
            PadState stick, dpad, weak, steep;
            stick.stickX = way * 32767;
            (way > 0 ? dpad.dpadRight : dpad.dpadLeft) = true;
            weak.stickX = way * kStickDeadZone;
            steep = {.stickX = way * 20000, .stickY = 30000};
            for (const PadState& push : {stick, dpad}) {
                EXPECT_EQ(PadCommands({}, push, side), step) << way;
                EXPECT_EQ(PadCommands(push, push, side), Commands{}) << "held";
                EXPECT_EQ(PadCommands(push, {}, side), Commands{}) << "let go";
            }
            EXPECT_EQ(PadCommands({}, weak, side), Commands{}) << "in the dead zone";
            EXPECT_EQ(PadCommands({}, steep, side), Commands{}) << "more upright than across";
        }
    }
}

TEST(Pad, EachButtonGivesItsOwnCommandOnItsPressOnly) {
    std::set<FencerCommand> onPad{FencerCommand::Advance, FencerCommand::Retreat};
    for (const auto& [button, command] : kPadButtons) {
        PadState pressed;
        pressed.buttons[static_cast<std::size_t>(button)] = true;
        for (const Side side : kSides) {
            EXPECT_EQ(PadCommands({}, pressed, side), Commands{command});
            EXPECT_EQ(PadCommands(pressed, pressed, side), Commands{});
            EXPECT_EQ(PadCommands(pressed, {}, side), Commands{});
        }
        onPad.insert(command);
    }
    // Every command of a fencer is on the pad, and no two buttons share one.
    EXPECT_EQ(onPad.size(), static_cast<std::size_t>(FencerCommand::Fleche) + 1);
}

TEST(Pad, FirstPadDrivesTheRightPlayerTheSecondTheLeftInATwoPlayerBout) {
    for (const bool two : {false, true}) {
        EXPECT_EQ(PadDrives(0, two), Side::Right);
        EXPECT_EQ(PadDrives(1, two), two ? std::optional(Side::Left) : std::nullopt);
        EXPECT_EQ(PadDrives(2, two), std::nullopt);
    }
}
