// SPDX-License-Identifier: GPL-3.0-or-later
// The rules over actions, checked against the sequence tables they must agree with.

#include "game/piste/Actions.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace pistework::game;
using enum Action;

namespace {

Action A(int code) {
    return static_cast<Action>(code);
}

// Whether `action` shows, frame by frame, the pictures of `like` with `suffix` added.
bool ShowsAs(Action action, Action like, const std::string& suffix) {
    for (int k = 0; k < SequenceLength(like); ++k)
        if (FrameBaseName(action, k, false, false) !=
            std::string(FrameBaseName(like, k, false, false)) + suffix)
            return false;
    return true;
}

} // namespace

TEST(Actions, SequencesPlayWithinTheirTablesAndParriesCatchOnlyInTheirOwnFrames) {
    const std::vector<std::string> names = AllPictureNames();
    const std::set<std::string> known(names.begin(), names.end());
    // A double parry catches at the start of each of its two parries.
    const std::map<Action, std::set<int>> catching{
        {Parry, {2, 3}}, {LungeParry, {2, 3}}, {BentLungeParry, {2, 3}}, {DoubleParry, {2, 7}}};
    for (int code = 0; code < kActionCount; ++code) {
        SCOPED_TRACE("code " + std::to_string(code));
        const int length = SequenceLength(A(code));
        EXPECT_GE(length, 1);
        EXPECT_LE(length, std::max<int>(1, static_cast<int>(SequenceTable(A(code)).size())));
        std::set<int> caught;
        for (int k = 0; k < 12; ++k) {
            if (ParryWindow(A(code), k)) caught.insert(k);
            EXPECT_TRUE(!ParryWindow(A(code), k) || (k < length && IsDrawnInFront(A(code), k)));
            for (bool lunge : {false, true})
                EXPECT_TRUE(
                    k >= length ||
                    known.count(ResourceName(FrameBaseName(A(code), k, lunge, lunge), Side::Left)))
                    << "frame " << k << " shows no picture the game has";
        }
        EXPECT_EQ(caught, catching.count(A(code)) ? catching.at(A(code)) : std::set<int>{});
    }
}

TEST(Actions, ArmVariantSwitchesOnlyStandsAndStepsToTheirExtendedPictures) {
    int switching = 0;
    for (int code = 0; code < kActionCount; ++code) {
        const Action out = ArmVariant(A(code), true), in = ArmVariant(A(code), false);
        EXPECT_TRUE(A(code) == out || A(code) == in) << code;
        EXPECT_EQ(ArmVariant(out, false), in) << code;
        EXPECT_EQ(ArmVariant(in, true), out) << code;
        if (out != in) ++switching;
        EXPECT_TRUE(out == in || ShowsAs(out, in, "X")) << code << ": the arm out shows X pictures";
    }
    for (Action a : {Stand, Advance, Retreat})
        EXPECT_NE(ArmVariant(a, true), a);
    EXPECT_EQ(switching, 6) << "three pairs, each counted from both ends";
}

TEST(Actions, ACaughtActionTakesOneParriedFormWithTheBladeAside) {
    for (int code = 0; code < kActionCount; ++code) {
        const Action parried = ParriedVariant(A(code));
        EXPECT_EQ(ParriedVariant(parried), parried) << code << " is parried twice";
        EXPECT_FALSE(parried != A(code) && (IsLungeArrival(parried) || IsFlecheArrival(parried)));
        for (int k = 0; k < 12; ++k)
            EXPECT_FALSE(parried != A(code) && ParryWindow(A(code), k)) << "a parry is parried";
    }
    // Stands and steps keep their step with the "P" pictures of the blade knocked aside;
    // lunges and flèches play on through their own pictures.
    for (Action a : {Stand, Advance, Retreat})
        for (bool armOut : {false, true})
            EXPECT_TRUE(ShowsAs(ParriedVariant(ArmVariant(a, armOut)), a, "P"));
    for (Action a : {Lunge, Fleche, FlecheRun, ExtendInLunge})
        EXPECT_TRUE(ParriedVariant(a) != a && ShowsAs(ParriedVariant(a), a, ""));
    EXPECT_EQ(ParriedVariant(BentLunge), LungeParried);
    EXPECT_EQ(ParriedVariant(BendInLunge), BendInLungeParried);
    // Nor can a recovery.
    for (Action a : {Recover, RecoverBent, RecoverForward, RecoverForwardBent})
        EXPECT_EQ(ParriedVariant(a), a);
}

TEST(Actions, FrameNamesFollowTheActionAndThePosture) {
    // Standing in a lunge shows the held lunge, bent or extended.
    EXPECT_EQ(FrameBaseName(Stand, 0, false, false), "ENGARDE");
    EXPECT_EQ(FrameBaseName(StandExtended, 0, false, false), "ENGARDEX");
    EXPECT_EQ(FrameBaseName(Stand, 0, true, false), "LUNGE4");
    EXPECT_EQ(FrameBaseName(StandExtended, 0, true, true), "CRAMP4");
    EXPECT_EQ(FrameBaseName(StandParried, 1, false, false), "ENGARDEP");
    EXPECT_EQ(FrameBaseName(Lunge, 3, false, false), "LUNGE3");
    EXPECT_EQ(FrameBaseName(RecoverForwardBent, 3, true, true), "STEP1");
    EXPECT_EQ(FrameBaseName(BendInLungeParried, 0, true, false), "CRAMP4");
    EXPECT_EQ(ResourceName(kLungeFrames[3], Side::Right), "LUNGE3B");
}
