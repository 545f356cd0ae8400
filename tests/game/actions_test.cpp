#include "game/Actions.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace pistework::game;
using enum Action;

namespace {
Action A(int code) {
    return static_cast<Action>(code);
}
} // namespace

TEST(Actions, SequenceLengthsByCode) {
    const int expected[kActionCount] = {1, 5,  5, 1, 5, 5, 5, 2, 5, 5, 5, 5, 5, 3,
                                        6, 10, 5, 3, 6, 5, 3, 3, 5, 5, 5, 5, 3, 5};
    for (int code = 0; code < kActionCount; ++code)
        EXPECT_EQ(SequenceLength(A(code)), expected[code]) << "code " << code;
}

TEST(Actions, ArmVariantKeepsStandsAndStepsInStepWithTheArm) {
    EXPECT_EQ(ArmVariant(A(0), true), A(3));
    EXPECT_EQ(ArmVariant(A(1), true), A(4));
    EXPECT_EQ(ArmVariant(A(2), true), A(5));
    EXPECT_EQ(ArmVariant(A(3), false), A(0));
    EXPECT_EQ(ArmVariant(A(4), false), A(1));
    EXPECT_EQ(ArmVariant(A(5), false), A(2));
    for (int code = 0; code <= 5; ++code) {
        EXPECT_EQ(ArmVariant(ArmVariant(A(code), true), true), ArmVariant(A(code), true));
        EXPECT_EQ(ArmVariant(ArmVariant(A(code), false), false), ArmVariant(A(code), false));
    }
    for (int code = 6; code < kActionCount; ++code) {
        EXPECT_EQ(ArmVariant(A(code), true), A(code));
        EXPECT_EQ(ArmVariant(A(code), false), A(code));
    }
}

TEST(Actions, ParriedVariantOnlyForActionsThatHaveOne) {
    const std::pair<int, int> parried[] = {{0, 7},   {3, 7},   {1, 8},   {4, 8},
                                           {2, 9},   {5, 9},   {6, 10},  {18, 10},
                                           {12, 16}, {13, 17}, {20, 26}, {21, 27}};
    for (auto [code, form] : parried)
        EXPECT_EQ(ParriedVariant(A(code)), A(form)) << "code " << code;
    // A parry, a recovery or an action made from the lunge cannot be parried.
    for (int code : {7, 8, 9, 10, 11, 14, 15, 16, 17, 19, 22, 23, 24, 25, 26, 27})
        EXPECT_EQ(ParriedVariant(A(code)), A(code)) << "code " << code;
}

TEST(Actions, ParryWindowFrames) {
    for (int code = 0; code < kActionCount; ++code) {
        for (int k = 0; k < 12; ++k) {
            bool expected = false;
            if (code == 14 || code == 24 || code == 25) expected = k == 2 || k == 3;
            if (code == 15) expected = k == 2 || k == 7;
            EXPECT_EQ(ParryWindow(A(code), k), expected) << "code " << code << " frame " << k;
        }
    }
}

TEST(Actions, SequenceTablesHoldTheirNinetyNineNames) {
    const std::size_t sizes[] = {
        advanceFrames.size(),         retreatFrames.size(),        advanceExtendedFrames.size(),
        retreatExtendedFrames.size(), advanceParriedFrames.size(), retreatParriedFrames.size(),
        standParriedFrames.size(),    lungeFrames.size(),          lungeParryFrames.size(),
        recoverFrames.size(),         parryFrames.size(),          doubleParryFrames.size(),
        flecheFrames.size(),          flecheRunFrames.size(),      bentLungeFrames.size(),
        bentLungeParryFrames.size(),  recoverBentFrames.size(),    bendInLungeFrames.size(),
        extendInLungeFrames.size()};
    EXPECT_EQ(std::accumulate(std::begin(sizes), std::end(sizes), std::size_t{0}), 99u);
    EXPECT_EQ(lungeFrames[3], "LUNGE3");
    EXPECT_EQ(doubleParryFrames[7], "PARRY3");
    EXPECT_EQ(recoverBentFrames[3], "STEP1");
    EXPECT_EQ(flecheRunFrames[3], "");
    EXPECT_EQ(retreatParriedFrames[4], "ENGARDEP");
}

TEST(Actions, FrameNamesFollowTheActionAndThePosture) {
    // Standing in a lunge shows the held lunge, bent or extended.
    EXPECT_EQ(FrameBaseName(Stand, 0, false, false), "ENGARDE");
    EXPECT_EQ(FrameBaseName(StandExtended, 0, false, false), "ENGARDEX");
    EXPECT_EQ(FrameBaseName(Stand, 0, true, false), "LUNGE4");
    EXPECT_EQ(FrameBaseName(StandExtended, 0, true, true), "CRAMP4");
    EXPECT_EQ(FrameBaseName(StandParried, 0, false, false), "ENGARDEP");
    EXPECT_EQ(FrameBaseName(StandParried, 1, false, false), "ENGARDEP");
    EXPECT_EQ(FrameBaseName(Lunge, 3, false, false), "LUNGE3");
    EXPECT_EQ(FrameBaseName(RecoverForwardBent, 3, true, true), "STEP1");
    EXPECT_EQ(FrameBaseName(BendInLungeParried, 0, true, false), "CRAMP4");
    // Every frame a sequence plays has a picture: no empty last entries are ever reached.
    for (int code = 0; code < kActionCount; ++code)
        for (int k = 0; k < SequenceLength(A(code)); ++k)
            for (bool lunge : {false, true})
                EXPECT_FALSE(FrameBaseName(A(code), k, lunge, lunge).empty())
                    << "code " << code << " frame " << k;
    EXPECT_EQ(ResourceName(lungeFrames[3], Side::Right), "LUNGE3B");
    EXPECT_EQ(ResourceName("ENGARDE", Side::Left), "ENGARDEA");
}
