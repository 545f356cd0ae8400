// SPDX-License-Identifier: GPL-3.0-or-later
// The options kept between runs: what a start reads, what a close stores, and how values
// edited by hand are taken.

#include "game/Game.h"
#include "game/GameProbe.h"
#include "game/bout/BoutRules.h"
#include "game/player/Settings.h"
#include "game/player/Sounds.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>

using pistework::game::Verb;

using namespace pistework;
using game::ControlMode;
using game::Strength;
using platform::headless::HeadlessPlatform;
using platform::headless::MemoryStore;

namespace {

using Values = std::map<std::string, MemoryStore::Value>;

// A game started on these stored values.
struct Started {
    explicit Started(const Values& stored) {
        form.store.values = stored;
        game.Start();
    }
    const game::MenuView& Menu() const { return game.View().menu; }
    HeadlessPlatform form;
    game::Game game{form.Services()};
};

} // namespace

TEST(Settings, StoredValuesSetTheOptionsAndTheMarks) {
    struct Case {
        const char* what;
        Values stored;
        int maxHits;
        Strength strength;
        std::optional<int> level; // the graded level marked; none for "Custom"
    };
    const Case cases[] = {
        {"nothing stored", {}, 15, {12, 120}, 1},
        {"first to 10", {{"MaxHits", 10}}, 10, {12, 120}, 1},
        {"first to 7", {{"MaxHits", 7}}, 7, {12, 120}, 1},
        {"quarter-finalist", {{"Range", 9}, {"Speed", 90}}, 15, {9, 90}, 4},
        {"semi-finalist", {{"Range", 9}, {"Speed", 80}}, 15, {9, 80}, 5},
        {"between two levels", {{"Range", 9}, {"Speed", 85}}, 15, {9, 85}, std::nullopt},
        {"a custom pair that is a level", {{"Range", 11}, {"Speed", 100}}, 15, {11, 100}, 2},
        {"beyond the dialog's range", {{"Range", 30}, {"Speed", 1000}}, 15, {30, 1000}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Started s(c.stored);
        EXPECT_EQ(s.game.Options().chosen, c.strength);
        EXPECT_EQ(s.game.StrengthInPlay(), c.strength);
        EXPECT_EQ(s.Menu().target, c.maxHits);
        EXPECT_EQ(s.Menu().level, c.level);
        EXPECT_EQ(s.Menu().custom, !c.level);
        EXPECT_FALSE(s.Menu().twoPlayers);
    }

    // First to 7: the timed bout lasts 7 x 3 / 5 = 4 minutes.
    Started seven({{"MaxHits", 7}});
    seven.game.Choose(Verb::NewGame);
    EXPECT_EQ(game::ClockCaption(seven.game.View().clock.secondsLeft), "4:00");
}

TEST(Settings, ControlModesAndTimedMarksFollowTheStoredCodes) {
    struct Case {
        int control;
        bool keyboard, mouse, buttons;
    };
    for (const Case& c : {Case{0, true, false, false}, Case{1, false, true, true},
                          Case{2, false, false, false}, Case{-7, false, false, false}}) {
        SCOPED_TRACE(c.control);
        const int v = c.control;
        // Sound and "2 Player" are what an earlier version stored: read never, left alone.
        Started s({{"Control", v},
                   {"Timed", v},
                   {"PauseWhenInactive", v},
                   {"Sound", v},
                   {"TwoPlayer", v}});
        EXPECT_EQ(s.Menu().control == ControlMode::Keyboard, c.keyboard);
        EXPECT_EQ(s.Menu().control == ControlMode::Mouse, c.mouse);
        EXPECT_EQ(s.game.View().commandButtons, c.buttons);
        EXPECT_EQ(s.Menu().timed, c.control == 1) << "only 1 means timed";
        EXPECT_EQ(s.Menu().pauseWhenInactive, c.control == 1) << "and on";
        EXPECT_FALSE(s.Menu().sound || s.Menu().twoPlayers);
        // Left alone, a code is written again only as the game read it: neither mode as 1.
        const Values before = s.form.store.values;
        ASSERT_TRUE(s.game.SaveOptions());
        EXPECT_EQ(s.form.store.values.at("Control"), MemoryStore::Value(c.keyboard ? 0 : 1));
        EXPECT_EQ(s.form.store.values.at("Timed"), MemoryStore::Value(c.control == 1 ? 1 : 0));
        for (const char* old : {"Sound", "TwoPlayer"})
            EXPECT_EQ(s.form.store.values.at(old), before.at(old)) << old;
    }
}

TEST(Settings, ValuesOfTheWrongKindOrThatWouldStopPlayCountAsAbsent) {
    // Each value is read on its own: a bad one does not keep the later ones from loading.
    Started s({{"Range", std::string("lots")},
               {"MaxHits", std::string("ten")},
               {"KeyboardLeft", 42},
               {"KeyboardRight", std::string("ab")},
               {"Timed", 0},
               {"Speed", 0},
               {"Control", 0}});
    const game::BoutOptions& o = s.game.Options();
    EXPECT_EQ(o.chosen, (Strength{12, 120}));
    EXPECT_EQ(o.maxHits, 15);
    EXPECT_EQ(o.keysLeft, U"wsxqaz");
    EXPECT_EQ(o.keysRight, U"ab") << "a short key string plays with what it holds";
    EXPECT_FALSE(s.Menu().timed);
    EXPECT_EQ(s.Menu().control, ControlMode::Keyboard) << "the last value still loads";

    for (int bad : {0, -1, -2147483647 - 1}) {
        Started zero({{"MaxHits", bad}, {"Speed", bad}});
        EXPECT_EQ(zero.game.Options().maxHits, 15) << bad;
        EXPECT_EQ(zero.game.Options().chosen.tickMs, 120) << bad;
    }

    // A huge target plays as stored; its timed bout is as long as the clock can count.
    Started huge({{"MaxHits", 2147483647}});
    EXPECT_EQ(huge.game.Options().maxHits, 2147483647);
    EXPECT_EQ(game::BoutLengthSeconds(2147483647), 2147483647);
    EXPECT_EQ(game::BoutLengthSeconds(15), 540);

    // Keys are whole characters, whatever their script; bytes that are not UTF-8, overlong
    // forms and surrogates still read, each byte as U+FFFD.
    for (const auto& [stored, read] : std::initializer_list<std::pair<std::string, std::u32string>>{
             {"ж\xC3\xA9q", U"жéq"},
             {"\xFF\xFEzz", U"\uFFFD\uFFFDzz"},
             {"\xC0\x80\xC1\x81z", U"\uFFFD\uFFFD\uFFFD\uFFFDz"},
             {"\xED\xA0\x80z", U"\uFFFD\uFFFD\uFFFDz"}}) {
        Started keys({{"KeyboardLeft", stored}});
        EXPECT_EQ(keys.game.Options().keysLeft, read);
    }
}

TEST(Settings, ClosingStoresTheChosenLevelInItsOrderAndAStartReadsItBack) {
    HeadlessPlatform form;
    {
        game::Game game(form.Services());
        game.Start();
        game.Choose({Verb::SetTarget, 5});
        game.Choose(Verb::ToggleTimed);
        game.Choose({Verb::ChooseLevel, game::kLevels[4].number});
        // "2 Player" keeps the level chosen before it, and keyboard control; neither it nor
        // the sound is stored.
        game.Choose(Verb::ChooseTwoPlayers);
        game.Choose(Verb::ToggleSound);
        game.Choose(Verb::TogglePauseWhenInactive);
        // A demonstration plays at the Champion's strength; the choice is what is stored.
        form.scheduler.RunFor(20'000);
        ASSERT_TRUE(game::GameProbe(game).Demonstrating());
        ASSERT_EQ(game.StrengthInPlay(), game::kChampion.strength);
        ASSERT_TRUE(game.SaveOptions());
    }
    // Only what was changed is stored: the keys were left alone.
    const Values expected{{"MaxHits", 5}, {"Timed", 0}, {"Control", 0},
                          {"Speed", 80},  {"Range", 9}, {"PauseWhenInactive", 1}};
    EXPECT_EQ(form.store.values, expected);

    Started next(form.store.values);
    const game::MenuView& menu = next.Menu();
    EXPECT_EQ(menu.target, 5);
    EXPECT_FALSE(menu.timed);
    EXPECT_EQ(next.game.StrengthInPlay(), game::kLevels[4].strength);
    EXPECT_EQ(menu.control, ControlMode::Keyboard);
    EXPECT_EQ(menu.level, game::kLevels[4].number);
    EXPECT_FALSE(menu.twoPlayers || menu.sound);
    EXPECT_TRUE(menu.pauseWhenInactive);

    // Two windows on one store keep each other's changes, whichever closes last.
    game::Game other(next.form.Services());
    other.Start();
    next.game.Choose({Verb::SetTarget, 10});
    other.Choose({Verb::SetControl, ControlMode::Mouse});
    ASSERT_TRUE(next.game.SaveOptions());
    ASSERT_TRUE(other.SaveOptions());
    EXPECT_EQ(next.form.store.values.at("MaxHits"), MemoryStore::Value(10));
    EXPECT_EQ(next.form.store.values.at("Control"), MemoryStore::Value(1));

    // A store that takes nothing says so.
    next.form.store.readOnly = true;
    EXPECT_FALSE(next.game.SaveOptions());
}

TEST(Settings, ThePlayersOwnHitSoundBringsTheParrySoundFromItsFolder) {
    struct Case {
        std::optional<std::string> beep; // none: the player set no sound
        std::string hit, parry;
    };
    const Case cases[] = {
        {std::nullopt, game::kDefaultHitSound, game::kDefaultParrySound},
        {"/usr/share/sounds/ding.wav", "/usr/share/sounds/ding.wav", "/usr/share/sounds/start.wav"},
        {"/home/kim/My Sounds/big ding.wav", "/home/kim/My Sounds/big ding.wav",
         "/home/kim/My Sounds/start.wav"},
        {"ding.wav", "ding.wav", "start.wav"},
        {"", "", "start.wav"},
    };
    for (const Case& c : cases) {
        HeadlessPlatform form;
        if (c.beep) form.store.values[game::kBeepSoundName] = *c.beep;
        game::Game game(form.Services());
        game.Start();
        EXPECT_EQ(game.Options().hitSound, c.hit);
        EXPECT_EQ(game.Options().parrySound, c.parry);
    }
}
