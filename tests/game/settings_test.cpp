// The options kept between runs: what a start reads, what a close stores, and how values
// edited by hand are taken.

#include "game/BoutRules.h"
#include "game/Game.h"
#include "game/Settings.h"
#include "game/Sounds.h"
#include "platform/headless/HeadlessForm.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>

using namespace pistework;
using game::ControlMode;
using game::Strength;
using platform::Registry;
using platform::headless::HeadlessForm;
using platform::headless::MemoryRegistry;

namespace {

using Values = std::map<std::string, MemoryRegistry::Value>;

MemoryRegistry::Key& GameKey(MemoryRegistry& registry) {
    return registry.At(Registry::Root::LocalMachine, game::kGameKey);
}

// A window started on these stored values.
struct Started {
    explicit Started(const Values& stored) {
        GameKey(form.registry).values = stored;
        game.FormCreate();
    }
    bool Marked(const char* item) { return form.Menu(item).Checked(); }
    HeadlessForm form;
    game::Game game{form.Controls()};
};

} // namespace

TEST(Settings, StoredValuesSetTheOptionsAndTheMarks) {
    struct Case {
        const char* what;
        Values stored;
        int maxHits;
        Strength strength;
        const char* markedLevel; // the opponent item checked
        const char* markedTarget;
    };
    const Case cases[] = {
        {"nothing stored", {}, 15, {12, 120}, "Novice", "Firstto15"},
        {"first to 10", {{"MaxHits", 10}}, 10, {12, 120}, "Novice", "Firstto10"},
        // A target the menu does not offer leaves the layout's mark where it was.
        {"first to 7", {{"MaxHits", 7}}, 7, {12, 120}, "Novice", "Firstto15"},
        {"quarter-finalist",
         {{"Range", 9}, {"Speed", 90}},
         15,
         {9, 90},
         "QuarterFinalist",
         "Firstto15"},
        {"semi-finalist", {{"Range", 9}, {"Speed", 80}}, 15, {9, 80}, "SemiFinalist", "Firstto15"},
        {"between two levels", {{"Range", 9}, {"Speed", 85}}, 15, {9, 85}, "Custom1", "Firstto15"},
        {"a custom pair that is a level",
         {{"Range", 11}, {"Speed", 100}},
         15,
         {11, 100},
         "Intermediate",
         "Firstto15"},
        {"beyond the dialog's range",
         {{"Range", 30}, {"Speed", 1000}},
         15,
         {30, 1000},
         "Custom1",
         "Firstto15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Started s(c.stored);
        EXPECT_EQ(s.game.Options().maxHits, c.maxHits);
        EXPECT_EQ(s.game.Options().chosen, c.strength);
        EXPECT_EQ(s.game.Computer().InPlay(), c.strength);
        EXPECT_TRUE(s.Marked(c.markedLevel));
        EXPECT_TRUE(s.Marked(c.markedTarget));
        int levelMarks = 0;
        for (const char* item : {"Novice", "Intermediate", "Advanced", "QuarterFinalist",
                                 "SemiFinalist", "Champion", "Custom1", "mnu2Player"})
            levelMarks += s.Marked(item);
        EXPECT_EQ(levelMarks, 1);
    }

    // First to 7: the timed bout lasts 7 x 3 / 5 = 4 minutes.
    Started seven({{"MaxHits", 7}});
    seven.form.Menu("mnuFileNewGame").Click();
    EXPECT_EQ(seven.form.lblTime.Caption(), "4:00");
}

TEST(Settings, ControlModesAndTimedMarksFollowTheStoredCodes) {
    struct Case {
        int control;
        bool keyboard, mouse, buttons;
    };
    for (const Case& c : {Case{0, true, false, false}, Case{1, false, true, true},
                          Case{2, false, false, false}, Case{-7, false, false, false}}) {
        SCOPED_TRACE(c.control);
        Started s({{"Control", c.control}, {"Timed", c.control}});
        EXPECT_EQ(s.Marked("mnuKeyboard"), c.keyboard);
        EXPECT_EQ(s.Marked("mnuMouse"), c.mouse);
        EXPECT_EQ(s.form.cmdLunge.Visible(), c.buttons);
        EXPECT_EQ(s.form.cmdAdvance.Visible(), c.buttons);
        EXPECT_EQ(s.Marked("TimedBout"), c.control == 1) << "only 1 means timed";
        // Neither mark saves as mouse control.
        ASSERT_TRUE(s.game.FormDestroy());
        EXPECT_EQ(GameKey(s.form.registry).values.at("Control"),
                  MemoryRegistry::Value(c.control == 0 ? 0 : 1));
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
    EXPECT_FALSE(s.Marked("TimedBout"));
    EXPECT_TRUE(s.Marked("mnuKeyboard")) << "the last value still loads";

    for (int bad : {0, -1, -2147483647 - 1}) {
        Started zero({{"MaxHits", bad}, {"Speed", bad}});
        EXPECT_EQ(zero.game.Options().maxHits, 15) << bad;
        EXPECT_EQ(zero.game.Options().chosen.speed, 120) << bad;
    }

    // A huge target plays as stored; its timed bout is as long as the clock can count.
    Started huge({{"MaxHits", 2147483647}});
    EXPECT_EQ(huge.game.Options().maxHits, 2147483647);
    EXPECT_EQ(game::BoutLengthSeconds(2147483647), 2147483647);
    EXPECT_EQ(game::BoutLengthSeconds(15), 540);

    // Keys are whole characters, whatever their script; bytes that are not UTF-8 still read.
    Started keys({{"KeyboardLeft", std::string("ж\xC3\xA9q")},
                  {"KeyboardRight", std::string("\xFF\xFEzz")}});
    EXPECT_EQ(keys.game.Options().keysLeft, U"жéq");
    EXPECT_EQ(keys.game.Options().keysRight, U"\uFFFD\uFFFDzz");
}

TEST(Settings, ClosingStoresTheChosenLevelInItsOrderAndAStartReadsItBack) {
    HeadlessForm form;
    {
        game::Game game(form.Controls());
        game.FormCreate();
        form.Menu("Firstto5").Click();
        form.Menu("TimedBout").Click();
        form.Menu("SemiFinalist").Click();
        // "2 Player" keeps the level chosen before it, and keyboard control.
        form.Menu("mnu2Player").Click();
        // A demonstration plays at the Champion's strength; the choice is what is stored.
        form.scheduler.RunFor(20'000);
        ASSERT_TRUE(game.Demonstrating());
        ASSERT_EQ(game.Computer().InPlay(), game::kChampion.strength);
        ASSERT_TRUE(game.FormDestroy());
    }
    const Values expected{{"MaxHits", 5},
                          {"KeyboardLeft", std::string("wsxqaz")},
                          {"KeyboardRight", std::string("mko,lp")},
                          {"Timed", 0},
                          {"Control", 0},
                          {"Speed", 80},
                          {"Range", 9}};
    EXPECT_EQ(GameKey(form.registry).values, expected);

    HeadlessForm next;
    GameKey(next.registry).values = GameKey(form.registry).values;
    game::Game again(next.Controls());
    again.FormCreate();
    EXPECT_TRUE(next.Menu("Firstto5").Checked());
    EXPECT_FALSE(next.Menu("TimedBout").Checked());
    EXPECT_TRUE(next.Menu("SemiFinalist").Checked());
    EXPECT_TRUE(next.Menu("mnuKeyboard").Checked());
    EXPECT_FALSE(next.Menu("mnu2Player").Checked()) << "two players are not stored";
    EXPECT_FALSE(next.Menu("SoundOn").Checked()) << "every start is silent";

    // A store that takes nothing says so.
    next.registry.readOnly = true;
    EXPECT_FALSE(again.FormDestroy());
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
        HeadlessForm form;
        if (c.beep)
            form.registry.At(Registry::Root::CurrentUser, game::kSoundSchemeKey).values[""] =
                *c.beep;
        game::Game game(form.Controls());
        game.FormCreate();
        EXPECT_EQ(game.Options().hitSound, c.hit);
        EXPECT_EQ(game.Options().parrySound, c.parry);
    }
}
