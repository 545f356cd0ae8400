// The six commands from buttons and keys, and the control modes that route them.

#include "PisteFixture.h"

#include <gtest/gtest.h>

using namespace pistework;
using namespace pistework::testing;
using namespace pistework::game;

TEST(Commands, StepsTurnRoundOnlyEarlyAndParriesDoubleOnlyEarly) {
    Piste p;
    p.OnGuard();
    FencerState& b = p.B();
    for (int frame = 0; frame < 5; ++frame) {
        b = FencerState{Retreat, 0, false, false, false, false, frame, 5, 0, 0, 0};
        p.game.cmdAdvanceClick();
        EXPECT_EQ(b.action, frame < 3 ? Advance : Retreat) << "frame " << frame;
        EXPECT_EQ(b.requestedAction, frame < 3 ? 0 : Advance) << "frame " << frame;
        EXPECT_EQ(b.frameIndex, frame);

        b = FencerState{AdvanceExtended, 0, false, false, false, true, frame, 5, 0, 0, 0};
        p.game.cmdRetreatClick();
        EXPECT_EQ(b.action, frame < 3 ? RetreatExtended : AdvanceExtended) << "frame " << frame;

        b = FencerState{Parry, 0, false, false, false, false, frame, 6, 0, 0, 0};
        p.game.cmdParryClick();
        EXPECT_EQ(b.action, frame < 3 ? DoubleParry : Parry) << "frame " << frame;
        EXPECT_EQ(b.frameCount, frame < 3 ? 10 : 6);
        EXPECT_EQ(b.requestedAction, frame < 3 ? 0 : Parry);
    }
}

TEST(Commands, ArmAndLungeCommandsDependOnTheLunge) {
    Piste p;
    p.OnGuard();
    FencerState& b = p.B();

    // Outside a lunge the arm toggles at once and nothing is requested.
    p.game.cmdExtendClick();
    EXPECT_TRUE(b.armExtended);
    p.game.cmdExtendClick();
    EXPECT_FALSE(b.armExtended);
    EXPECT_EQ(b.requestedAction, 0);
    p.game.cmdLungeClick();
    EXPECT_EQ(b.requestedAction, BentLunge);
    p.game.cmdFlecheClick();
    EXPECT_EQ(b.requestedAction, Fleche) << "each request replaces the last";

    // In a lunge they ask for the lunge's own moves and leave the arm alone.
    b.inLunge = true;
    b.armExtended = true;
    p.game.cmdExtendClick();
    EXPECT_EQ(b.requestedAction, BendInLunge);
    EXPECT_TRUE(b.armExtended);
    p.game.cmdLungeClick();
    EXPECT_EQ(b.requestedAction, Recover);
    p.game.cmdFlecheClick();
    EXPECT_EQ(b.requestedAction, RecoverForward);
    b.armBent = true;
    p.game.cmdParryClick();
    EXPECT_EQ(b.requestedAction, BentLungeParry);
}

TEST(Commands, TheArmShowsAtOnceOnlyForTheRightFencer) {
    Piste p;
    p.TwoPlayers();
    p.OnGuard();
    for (int side : {kLeft, kRight}) p.game.fencer[side] =
        FencerState{Advance, 0, false, false, false, false, 1, 5, 0, 0, 0};
    p.game.ExtendCommand(kLeft);
    p.game.ExtendCommand(kRight);
    p.game.TimerLeftTimer();
    p.game.TimerRightTimer();
    EXPECT_EQ(p.A().action, Advance) << "a two-player left fencer keeps its running step";
    EXPECT_EQ(p.B().action, AdvanceExtended);
    EXPECT_EQ(p.form.imgFencerB.PictureName(), "STEP1XB");
}

TEST(Keyboard, KeysCommandTheirFencersOnlyInKeyboardControl) {
    Piste p;
    p.OnGuard();
    auto& keys = p.form.txtKeyboard;

    // Mouse control: keys do nothing, buttons show.
    keys.Type(U'm');
    EXPECT_EQ(p.B().requestedAction, 0);
    EXPECT_TRUE(p.form.cmdFleche.Visible());

    p.form.Menu("mnuKeyboard").Click();
    EXPECT_FALSE(p.form.cmdFleche.Visible());
    keys.Type(U'M');
    EXPECT_EQ(p.B().requestedAction, 0) << "keys are case-sensitive";
    keys.Type(U'w');
    EXPECT_EQ(p.A().requestedAction, 0) << "the left keys need two players";
    keys.Type(U'm');
    EXPECT_EQ(p.B().requestedAction, Advance);
    keys.Type(U'k');
    EXPECT_TRUE(p.B().armExtended);
    keys.Type(U'o');
    EXPECT_EQ(p.B().requestedAction, Lunge);
    keys.Type(U',');
    EXPECT_EQ(p.B().requestedAction, RetreatExtended);
    keys.Type(U'l');
    EXPECT_EQ(p.B().requestedAction, Parry);
    keys.Type(U'p');
    EXPECT_EQ(p.B().requestedAction, Fleche);
    EXPECT_EQ(keys.Text(), U"") << "the hidden box is emptied after each key";

    // The tick keeps the focus on the hidden box in keyboard control.
    EXPECT_FALSE(keys.HasFocus());
    p.game.TimerRightTimer();
    EXPECT_TRUE(keys.HasFocus());

    // Two players; a key in both strings commands both fencers.
    p.form.Menu("mnu2Player").Click();
    p.OnGuard();
    keys.Type(U'w');
    EXPECT_EQ(p.A().requestedAction, Advance);
    EXPECT_EQ(p.B().requestedAction, 0);
    p.game.keyboardLeft = U"qwertp";
    keys.Type(U'p');
    EXPECT_EQ(p.A().requestedAction, Fleche);
    EXPECT_EQ(p.B().requestedAction, Fleche);

    // Keys are characters, not bytes; only the first six positions count.
    p.game.keyboardRight = U"éßko,lm";
    p.OnGuard();
    keys.Type(U'é');
    EXPECT_EQ(p.B().requestedAction, Advance);
    keys.Type(U'ß');
    EXPECT_TRUE(p.B().armExtended);
    p.B().requestedAction = 0;
    keys.Type(U'm');
    EXPECT_EQ(p.B().requestedAction, 0);

    // Mouse again while two players stay checked: keys are ignored.
    p.form.Menu("mnuMouse").Click();
    EXPECT_TRUE(p.form.cmdAdvance.Visible());
    keys.Type(U'é');
    EXPECT_EQ(p.B().requestedAction, 0);
    // A demonstration bout ignores keys, but the buttons still reach the right fencer.
    p.form.Menu("mnuKeyboard").Click();
    p.game.demoMode = true;
    keys.Type(U'é');
    EXPECT_EQ(p.B().requestedAction, 0);
    p.form.cmdLunge.Click();
    EXPECT_EQ(p.B().requestedAction, Lunge);
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
    EXPECT_EQ(p.game.chosenRange, 8);
    EXPECT_EQ(p.game.chosenSpeed, 80);
}
