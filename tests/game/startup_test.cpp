// SPDX-License-Identifier: GPL-3.0-or-later
#include "PisteFixture.h"
#include "game/piste/Piste.h"

#include <gtest/gtest.h>

using namespace pistework;
using game::Lamp;
using game::Side;
using platform::headless::HeadlessPlatform;

TEST(StartUp, StartLeavesTheWindowIdleWithOnlyAutoPlayRunning) {
    HeadlessPlatform form;
    game::Game game(form.Services());
    game::GameProbe probe(game);
    game.Start();

    const game::BoutView& v = game.View();
    EXPECT_EQ(v.call, game::RefereeCall{});
    for (Side side : game::kSides) {
        EXPECT_EQ(v.fencers[side].pose, game::ResourceName(game::picture::kDefeat, side));
        EXPECT_EQ(v.lamps[side], Lamp::Off);
    }
    EXPECT_EQ(v.fencers[Side::Left].x, 106);
    EXPECT_EQ(v.fencers[Side::Right].x, 244);
    EXPECT_FALSE(v.startPrompt) << "shown only through demonstrations";
    EXPECT_FALSE(v.clock.shown);
    for (const char* t :
         {"TimerLeft", "TimerRight", "TimerPresident", "TimerLight", "TimerClock", "TimerSalute"})
        EXPECT_FALSE(probe.Timer(t).Enabled()) << t;
    EXPECT_TRUE(probe.Timer("TimerAutoPlay").Enabled());
    EXPECT_TRUE(v.commandButtons);

    // The defaults of a first start.
    const game::BoutOptions& options = game.Options();
    EXPECT_EQ(options.keysLeft, U"wsxqaz");
    EXPECT_EQ(options.keysRight, U"mko,lp");
    EXPECT_EQ(options.chosen, game::kNovice.strength);
    EXPECT_EQ(v.menu, (game::MenuView{.target = 15,
                                      .timed = true,
                                      .control = game::ControlMode::Mouse,
                                      .level = game::kNovice.number,
                                      .custom = false,
                                      .twoPlayers = false,
                                      .sound = false,
                                      .paused = false,
                                      .pauseWhenInactive = false}));

    // Keys and pads between bouts move nobody and show no prompt either.
    game.Choose({Verb::SetControl, game::ControlMode::Keyboard});
    TypeKey(game, options.keysRight.front());
    game.Command(game::CommandSource::Pad, Side::Right, game::FencerCommand::Advance);
    EXPECT_FALSE(v.startPrompt);
}

TEST(StartUp, OpponentChoicesExcludeEachOtherAndALevelBringsTheComputerBack) {
    pistework::testing::Piste p;
    const game::MenuView& menu = p.game.View().menu;
    p.game.Choose({Verb::ChooseLevel, game::kChampion.number});
    EXPECT_EQ(menu.level, game::kChampion.number);
    EXPECT_EQ(p.game.Options().chosen, game::kChampion.strength);
    EXPECT_EQ(menu.control, game::ControlMode::Mouse) << "other submenus keep their own marks";
    // "2 Player" shares the opponent group and picks keyboard control.
    p.TwoPlayers();
    EXPECT_TRUE(menu.twoPlayers);
    EXPECT_FALSE(menu.level || menu.custom);
    EXPECT_EQ(menu.control, game::ControlMode::Keyboard);
    EXPECT_FALSE(p.game.View().commandButtons);
    EXPECT_EQ(p.game.Options().chosen, game::kChampion.strength)
        << "2 Player keeps the level that was chosen";
    // A level after "2 Player" puts the computer back on the left, at the level's pace.
    for (const game::Level& level : game::kLevels) {
        p.TwoPlayers();
        p.game.Choose({Verb::ChooseLevel, level.number});
        p.game.Choose(Verb::NewGame);
        EXPECT_FALSE(menu.twoPlayers || menu.custom) << level.text;
        EXPECT_EQ(menu.level, level.number);
        EXPECT_EQ(p.timerLeft.Interval(), level.strength.tickMs) << level.text;
    }
}

TEST(StartUp, AutoPlayFiresFifteenSecondsAfterStartUp) {
    HeadlessPlatform form(0);
    game::Game game(form.Services());
    game.Start();
    form.scheduler.RunUntil(14'999);
    EXPECT_EQ(game::GameProbe(game).Timer("TimerAutoPlay").Starts(), 1);
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
