#include "game/Game.h"
#include "game/Piste.h"
#include "platform/headless/HeadlessForm.h"

#include <gtest/gtest.h>

using namespace pistework;
using platform::headless::HeadlessForm;

TEST(StartUp, FormCreateLeavesTheWindowIdleWithOnlyAutoPlayRunning) {
    HeadlessForm form;
    game::Game game(form.Controls());
    game.FormCreate();

    EXPECT_EQ(form.lblEngarde.Caption(), "");
    EXPECT_EQ(form.imgFencerA.PictureName(), "DEFEATA");
    EXPECT_EQ(form.imgFencerB.PictureName(), "DEFEATB");
    EXPECT_EQ(form.imgFencerA.Left(), 106);
    EXPECT_EQ(form.imgFencerB.Left(), 244);
    EXPECT_EQ(form.imgLightA.PictureName(), "LIGHTOFFA");
    EXPECT_EQ(form.imgLightB.PictureName(), "LIGHTOFFB");
    EXPECT_FALSE(form.lblStart.Visible());
    EXPECT_FALSE(form.lblTime.Visible());
    for (auto* t : {&form.TimerLeft, &form.TimerRight, &form.TimerPresident, &form.TimerLight,
                    &form.TimerClock, &form.TimerSalute})
        EXPECT_FALSE(t->Enabled()) << t->Name();
    EXPECT_TRUE(form.TimerAutoPlay.Enabled());
    for (auto* b : {&form.cmdAdvance, &form.cmdExtend, &form.cmdLunge, &form.cmdRetreat,
                    &form.cmdParry, &form.cmdFleche})
        EXPECT_TRUE(b->Visible());

    // The defaults of a first start.
    const game::BoutOptions& options = game.Options();
    EXPECT_EQ(options.maxHits, 15);
    EXPECT_EQ(options.keysLeft, U"wsxqaz");
    EXPECT_EQ(options.keysRight, U"mko,lp");
    EXPECT_EQ(options.chosen, (game::Strength{12, 120}));
    EXPECT_TRUE(form.Menu("Firstto15").Checked());
    EXPECT_TRUE(form.Menu("TimedBout").Checked());
    EXPECT_TRUE(form.Menu("mnuMouse").Checked());
    EXPECT_FALSE(form.Menu("mnuKeyboard").Checked());
    EXPECT_TRUE(form.Menu("Novice").Checked());
    EXPECT_FALSE(form.Menu("Custom1").Checked());
    EXPECT_FALSE(form.Menu("SoundOn").Checked());
}

TEST(StartUp, RadioItemsOfOneSubmenuExcludeEachOther) {
    HeadlessForm form;
    game::Game game(form.Controls());
    game.FormCreate();
    form.Menu("Champion").Click();
    EXPECT_TRUE(form.Menu("Champion").Checked());
    EXPECT_FALSE(form.Menu("Novice").Checked());
    EXPECT_EQ(game.Options().chosen, (game::Strength{8, 80}));
    // Other submenus keep their own marks; clearing one checks nothing.
    EXPECT_TRUE(form.Menu("mnuMouse").Checked());
    form.Menu("Champion").SetChecked(false);
    EXPECT_FALSE(form.Menu("Novice").Checked());
    // "2 Player" shares the opponent group and picks keyboard control.
    form.Menu("mnu2Player").Click();
    EXPECT_TRUE(form.Menu("mnu2Player").Checked());
    EXPECT_TRUE(form.Menu("mnuKeyboard").Checked());
    EXPECT_FALSE(form.Menu("mnuMouse").Checked());
    EXPECT_FALSE(form.cmdLunge.Visible());
    EXPECT_EQ(game.Options().chosen, (game::Strength{8, 80}))
        << "2 Player keeps the level that was chosen";
}

TEST(StartUp, AutoPlayFiresFifteenSecondsAfterStartUp) {
    HeadlessForm form(0);
    game::Game game(form.Controls());
    game.FormCreate();
    form.scheduler.RunUntil(14'999);
    EXPECT_EQ(form.TimerAutoPlay.Starts(), 1);
    EXPECT_EQ(form.scheduler.TicksRun(), 0u);
    form.scheduler.RunUntil(15'000);
    EXPECT_EQ(form.scheduler.TicksRun(), 1u);
}

TEST(Piste, StripOutlineAndCrossLines) {
    const auto px = game::PistePixels();
    auto at = [&](int x, int y) { return px[y * game::kPisteWidth + x]; };
    using game::PisteColour;
    // The top edge of the strip spans 9..448, the bottom edge 1..441; outside is white.
    int top = 0;
    while (at(top, 2) == PisteColour::White)
        ++top;
    EXPECT_EQ(top, 9);
    EXPECT_EQ(at(448, 2), PisteColour::Yellow);
    EXPECT_EQ(at(449, 2), PisteColour::White);
    EXPECT_EQ(at(1, 18), PisteColour::Yellow);
    EXPECT_EQ(at(0, 18), PisteColour::White);
    EXPECT_EQ(at(441, 18), PisteColour::Yellow);
    EXPECT_EQ(at(442, 18), PisteColour::White);
    // Two yellow rows at top and bottom, green inside.
    EXPECT_EQ(at(100, 3), PisteColour::Yellow);
    EXPECT_EQ(at(100, 4), PisteColour::Green);
    EXPECT_EQ(at(100, 17), PisteColour::Yellow);
    // Cross lines, two pixels wide, cross the top edge at their x and lean left going down.
    for (int line : game::kPisteCrossLines) {
        EXPECT_EQ(at(line - 1, 4), PisteColour::Yellow) << line;
        EXPECT_EQ(at(line, 4), PisteColour::Yellow) << line;
        EXPECT_EQ(at(line + 1, 4), PisteColour::Green) << line;
        EXPECT_EQ(at(line - 7, 16), PisteColour::Yellow) << line;
        EXPECT_EQ(at(line + 1, 16), PisteColour::Green) << line;
    }
    // Rows around the strip are blank.
    for (int x = 0; x < game::kPisteWidth; ++x)
        EXPECT_EQ(at(x, 0), PisteColour::White);
}
