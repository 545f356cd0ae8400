// SPDX-License-Identifier: GPL-3.0-or-later
// The six commands from buttons and keys, and the control modes that route them.

#include "PisteFixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace pistework;
using namespace pistework::testing;
using namespace pistework::game;
using enum Action;

TEST(Commands, StepsTurnRoundOnlyEarlyAndParriesDoubleOnlyEarly) {
    Piste p;
    p.OnGuard();
    const FencerState& b = p.B().State();
    for (int frame = 0; frame < 5; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        p.Playing(Side::Right, Retreat, frame);
        p.Click(FencerCommand::Advance);
        EXPECT_EQ(b.action, frame < 3 ? Advance : Retreat);
        EXPECT_EQ(b.requestedAction, frame < 3 ? Stand : Advance);
        EXPECT_EQ(b.frameIndex, frame);

        p.Playing(Side::Right, AdvanceExtended, frame, {false, false, false, true});
        p.Click(FencerCommand::Retreat);
        EXPECT_EQ(b.action, frame < 3 ? RetreatExtended : AdvanceExtended);

        p.Playing(Side::Right, Parry, frame);
        p.Click(FencerCommand::Parry);
        EXPECT_EQ(b.action, frame < 3 ? DoubleParry : Parry);
        EXPECT_EQ(b.frameCount, frame < 3 ? 10 : 6);
        EXPECT_EQ(b.requestedAction, frame < 3 ? Stand : Parry);
    }
}

TEST(Commands, ArmAndLungeCommandsDependOnTheLunge) {
    Piste p;
    p.OnGuard();
    const FencerState& b = p.B().State();

    // Outside a lunge the arm toggles at once and nothing is requested.
    p.Click(FencerCommand::Extend);
    EXPECT_TRUE(b.armExtended);
    p.Click(FencerCommand::Extend);
    EXPECT_FALSE(b.armExtended);
    EXPECT_EQ(b.requestedAction, Stand);
    p.Click(FencerCommand::Lunge);
    EXPECT_EQ(b.requestedAction, BentLunge);
    p.Click(FencerCommand::Fleche);
    EXPECT_EQ(b.requestedAction, Fleche) << "each request replaces the last";

    // In a lunge they ask for the lunge's own moves and leave the arm alone.
    p.B().SetPosture({true, false, false, true});
    p.Click(FencerCommand::Extend);
    EXPECT_EQ(b.requestedAction, BendInLunge);
    EXPECT_TRUE(b.armExtended);
    p.Click(FencerCommand::Lunge);
    EXPECT_EQ(b.requestedAction, Recover);
    p.Click(FencerCommand::Fleche);
    EXPECT_EQ(b.requestedAction, RecoverForward);
    p.B().SetPosture({true, true, false, true});
    p.Click(FencerCommand::Parry);
    EXPECT_EQ(b.requestedAction, BentLungeParry);
}

TEST(Commands, TheArmShowsAtOnceOnlyForTheRightFencer) {
    Piste p;
    p.TwoPlayers();
    p.OnGuard();
    for (Side side : kSides) {
        p.Playing(side, Advance, 1);
        p.F(side).Extend();
        p.probe.FencerTick(side);
    }
    EXPECT_EQ(p.A().CurrentAction(), Advance) << "a two-player left fencer keeps its running step";
    EXPECT_EQ(p.B().CurrentAction(), AdvanceExtended);
    EXPECT_EQ(p.Pose(Side::Right), "STEP1XB");
}

TEST(Keyboard, KeysCommandTheirFencersOnlyInKeyboardControl) {
    Piste p;
    p.OnGuard();
    const FencerState& a = p.A().State();
    const FencerState& b = p.B().State();

    // Mouse control: keys do nothing, buttons show.
    TypeKey(p.game, U'm');
    EXPECT_EQ(b.requestedAction, Stand);
    EXPECT_TRUE(p.game.View().commandButtons);

    p.game.Choose({Verb::SetControl, ControlMode::Keyboard});
    EXPECT_FALSE(p.game.View().commandButtons);
    TypeKey(p.game, U'M');
    EXPECT_EQ(b.requestedAction, Stand) << "keys are case-sensitive";
    TypeKey(p.game, U'w');
    EXPECT_EQ(a.requestedAction, Stand) << "the left keys need two players";
    TypeKey(p.game, U'm');
    EXPECT_EQ(b.requestedAction, Advance);
    TypeKey(p.game, U'k');
    EXPECT_TRUE(b.armExtended);
    for (const auto& [key, action] : std::initializer_list<std::pair<char32_t, Action>>{
             {U'o', Lunge}, {U',', RetreatExtended}, {U'l', Parry}, {U'p', Fleche}}) {
        TypeKey(p.game, key);
        EXPECT_EQ(b.requestedAction, action) << static_cast<char>(key);
    }

    // Two players; a key in both strings commands both fencers.
    p.TwoPlayers();
    p.OnGuard();
    TypeKey(p.game, U'w');
    EXPECT_EQ(a.requestedAction, Advance);
    EXPECT_EQ(b.requestedAction, Stand);
    BoutOptions options = p.game.Options();
    options.keysLeft = U"qwertp";
    p.probe.SetOptions(options);
    TypeKey(p.game, U'p');
    EXPECT_EQ(a.requestedAction, Fleche);
    EXPECT_EQ(b.requestedAction, Fleche);

    // Keys are characters, not bytes; only the first six positions count.
    options.keysRight = U"éßko,lm";
    p.probe.SetOptions(options);
    p.OnGuard();
    TypeKey(p.game, U'é');
    EXPECT_EQ(b.requestedAction, Advance);
    TypeKey(p.game, U'ß');
    EXPECT_TRUE(b.armExtended);
    p.B().StandOnGuard(); // nothing requested, the arm still out
    p.B().SetArmExtended(true);
    TypeKey(p.game, U'm');
    EXPECT_EQ(b.requestedAction, Stand);

    // Mouse again while two players stay checked: keys are ignored.
    p.game.Choose({Verb::SetControl, ControlMode::Mouse});
    EXPECT_TRUE(p.game.View().commandButtons);
    TypeKey(p.game, U'é');
    EXPECT_EQ(b.requestedAction, Stand);
    // A demonstration bout ignores keys, but the buttons still reach the right fencer.
    p.game.Choose({Verb::SetControl, ControlMode::Keyboard});
    p.probe.SetDemonstrating(true);
    TypeKey(p.game, U'é');
    EXPECT_EQ(b.requestedAction, Stand);
    p.Click(FencerCommand::Lunge);
    EXPECT_EQ(b.requestedAction, Lunge);
}

TEST(ControlModes, TwoPlayersStopsTheBoutAndKeepsTheChosenLevel) {
    Piste p;
    p.game.Choose({Verb::ChooseLevel, kChampion.number});
    p.OnGuard();
    p.Fence();
    p.probe.Timer("TimerPresident").SetEnabled(true);
    p.TwoPlayers();
    for (const char* t :
         {"TimerLeft", "TimerRight", "TimerPresident", "TimerLight", "TimerClock", "TimerSalute"})
        EXPECT_FALSE(p.probe.Timer(t).Enabled()) << t;
    EXPECT_EQ(p.Pose(Side::Left), "DEFEATA");
    EXPECT_EQ(p.Pose(Side::Right), "DEFEATB");
    EXPECT_EQ(p.game.View().menu.control, ControlMode::Keyboard);
    EXPECT_FALSE(p.game.View().menu.level);
    EXPECT_FALSE(p.game.View().commandButtons);
    EXPECT_EQ(p.game.Options().chosen, kChampion.strength);
}
