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
        p.form.cmdAdvance.Click();
        EXPECT_EQ(b.action, frame < 3 ? Advance : Retreat);
        EXPECT_EQ(b.requestedAction, frame < 3 ? Stand : Advance);
        EXPECT_EQ(b.frameIndex, frame);

        p.Playing(Side::Right, AdvanceExtended, frame, {false, false, false, true});
        p.form.cmdRetreat.Click();
        EXPECT_EQ(b.action, frame < 3 ? RetreatExtended : AdvanceExtended);

        p.Playing(Side::Right, Parry, frame);
        p.form.cmdParry.Click();
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
    p.form.cmdExtend.Click();
    EXPECT_TRUE(b.armExtended);
    p.form.cmdExtend.Click();
    EXPECT_FALSE(b.armExtended);
    EXPECT_EQ(b.requestedAction, Stand);
    p.form.cmdLunge.Click();
    EXPECT_EQ(b.requestedAction, BentLunge);
    p.form.cmdFleche.Click();
    EXPECT_EQ(b.requestedAction, Fleche) << "each request replaces the last";

    // In a lunge they ask for the lunge's own moves and leave the arm alone.
    p.B().SetPosture({true, false, false, true});
    p.form.cmdExtend.Click();
    EXPECT_EQ(b.requestedAction, BendInLunge);
    EXPECT_TRUE(b.armExtended);
    p.form.cmdLunge.Click();
    EXPECT_EQ(b.requestedAction, Recover);
    p.form.cmdFleche.Click();
    EXPECT_EQ(b.requestedAction, RecoverForward);
    p.B().SetPosture({true, true, false, true});
    p.form.cmdParry.Click();
    EXPECT_EQ(b.requestedAction, BentLungeParry);
}

TEST(Commands, TheArmShowsAtOnceOnlyForTheRightFencer) {
    Piste p;
    p.TwoPlayers();
    p.OnGuard();
    for (Side side : kSides) {
        p.Playing(side, Advance, 1);
        p.F(side).Extend();
        p.game.FencerTick(side);
    }
    EXPECT_EQ(p.A().CurrentAction(), Advance) << "a two-player left fencer keeps its running step";
    EXPECT_EQ(p.B().CurrentAction(), AdvanceExtended);
    EXPECT_EQ(p.form.imgFencerB.PictureName(), "STEP1XB");
}

TEST(Keyboard, KeysCommandTheirFencersOnlyInKeyboardControl) {
    Piste p;
    p.OnGuard();
    auto& keys = p.form.txtKeyboard;
    const FencerState& a = p.A().State();
    const FencerState& b = p.B().State();

    // Mouse control: keys do nothing, buttons show.
    keys.Type(U'm');
    EXPECT_EQ(b.requestedAction, Stand);
    EXPECT_TRUE(p.form.cmdFleche.Visible());

    p.form.Menu("mnuKeyboard").Click();
    EXPECT_FALSE(p.form.cmdFleche.Visible());
    keys.Type(U'M');
    EXPECT_EQ(b.requestedAction, Stand) << "keys are case-sensitive";
    keys.Type(U'w');
    EXPECT_EQ(a.requestedAction, Stand) << "the left keys need two players";
    keys.Type(U'm');
    EXPECT_EQ(b.requestedAction, Advance);
    keys.Type(U'k');
    EXPECT_TRUE(b.armExtended);
    keys.Type(U'o');
    EXPECT_EQ(b.requestedAction, Lunge);
    keys.Type(U',');
    EXPECT_EQ(b.requestedAction, RetreatExtended);
    keys.Type(U'l');
    EXPECT_EQ(b.requestedAction, Parry);
    keys.Type(U'p');
    EXPECT_EQ(b.requestedAction, Fleche);
    EXPECT_EQ(keys.Text(), U"") << "the hidden box is emptied after each key";

    // The tick keeps the focus on the hidden box in keyboard control.
    EXPECT_FALSE(keys.HasFocus());
    p.game.FencerTick(Side::Right);
    EXPECT_TRUE(keys.HasFocus());

    // Two players; a key in both strings commands both fencers.
    p.form.Menu("mnu2Player").Click();
    p.OnGuard();
    keys.Type(U'w');
    EXPECT_EQ(a.requestedAction, Advance);
    EXPECT_EQ(b.requestedAction, Stand);
    BoutOptions options = p.game.Options();
    options.keysLeft = U"qwertp";
    p.game.SetOptions(options);
    keys.Type(U'p');
    EXPECT_EQ(a.requestedAction, Fleche);
    EXPECT_EQ(b.requestedAction, Fleche);

    // Keys are characters, not bytes; only the first six positions count.
    options.keysRight = U"éßko,lm";
    p.game.SetOptions(options);
    p.OnGuard();
    keys.Type(U'é');
    EXPECT_EQ(b.requestedAction, Advance);
    keys.Type(U'ß');
    EXPECT_TRUE(b.armExtended);
    p.B().StandOnGuard(); // nothing requested, the arm still out
    p.B().SetArmExtended(true);
    keys.Type(U'm');
    EXPECT_EQ(b.requestedAction, Stand);

    // Mouse again while two players stay checked: keys are ignored.
    p.form.Menu("mnuMouse").Click();
    EXPECT_TRUE(p.form.cmdAdvance.Visible());
    keys.Type(U'é');
    EXPECT_EQ(b.requestedAction, Stand);
    // A demonstration bout ignores keys, but the buttons still reach the right fencer.
    p.form.Menu("mnuKeyboard").Click();
    p.game.SetDemonstrating(true);
    keys.Type(U'é');
    EXPECT_EQ(b.requestedAction, Stand);
    p.form.cmdLunge.Click();
    EXPECT_EQ(b.requestedAction, Lunge);
}

TEST(ControlModes, TwoPlayersStopsTheBoutAndKeepsTheChosenLevel) {
    Piste p;
    p.form.Menu("Champion").Click();
    p.OnGuard();
    p.Fence();
    p.form.TimerPresident.SetEnabled(true);
    p.form.Menu("mnu2Player").Click();
    for (auto* t : {&p.form.TimerLeft, &p.form.TimerRight, &p.form.TimerPresident,
                    &p.form.TimerLight, &p.form.TimerClock, &p.form.TimerSalute})
        EXPECT_FALSE(t->Enabled()) << t->Name();
    EXPECT_EQ(p.form.imgFencerA.PictureName(), "DEFEATA");
    EXPECT_EQ(p.form.imgFencerB.PictureName(), "DEFEATB");
    EXPECT_TRUE(p.form.Menu("mnuKeyboard").Checked());
    EXPECT_FALSE(p.form.Menu("Champion").Checked());
    EXPECT_FALSE(p.form.cmdParry.Visible());
    EXPECT_EQ(p.game.Options().chosen, (Strength{8, 80}));
}
