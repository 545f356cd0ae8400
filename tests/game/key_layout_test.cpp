// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard layout's rules, and keys chosen in its dialog commanding the fencers.

#include "PisteFixture.h"
#include "game/player/KeyLayout.h"
#include "game/player/Utf8.h"

#include <gtest/gtest.h>

#include <string>

using namespace pistework;
using namespace pistework::testing;
using namespace pistework::game;
using enum Action;

namespace {
using Boxes = std::array<std::u32string, kKeysPerSide>;
constexpr std::optional<std::size_t> kCustom = std::nullopt;
} // namespace

TEST(KeyLayout, StoredKeysSelectTheirPresetIgnoringCaseAndFillOneBoxPerCharacter) {
    struct Case {
        std::u32string keys;
        std::optional<std::size_t> left, right;
        Boxes boxes;
    };
    const Case cases[] = {
        {U"wsxqaz", 0, kCustom, {U"w", U"s", U"x", U"q", U"a", U"z"}},
        {U"WSXQAZ", 0, kCustom, {U"W", U"S", U"X", U"Q", U"A", U"Z"}},
        {U"AsDzXc", 1, kCustom, {U"A", U"s", U"D", U"z", U"X", U"c"}},
        {U"MKO,LP", kCustom, 0, {U"M", U"K", U"O", U",", U"L", U"P"}},
        {U"kl;m,.", kCustom, 1, {U"k", U"l", U";", U"m", U",", U"."}},
        // The captions' shifted signs are not the keys.
        {U"KL:M<>", kCustom, kCustom, {U"K", U"L", U":", U"M", U"<", U">"}},
        {U"wsxqa", kCustom, kCustom, {U"w", U"s", U"x", U"q", U"a", U""}},
        {U"wsxqazz", kCustom, kCustom, {U"w", U"s", U"x", U"q", U"a", U"z"}},
        {U"", kCustom, kCustom, {}},
        // Each letter is one key however many bytes it takes in UTF-8.
        {U"жéx🗡az", kCustom, kCustom, {U"ж", U"é", U"x", U"🗡", U"a", U"z"}},
        {U"ЖSXQAZ", kCustom, kCustom, {U"Ж", U"S", U"X", U"Q", U"A", U"Z"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.keys));
        EXPECT_EQ(PresetIndex(kLeftPresets, c.keys), c.left);
        EXPECT_EQ(PresetIndex(kRightPresets, c.keys), c.right);
        EXPECT_EQ(SplitKeys(c.keys), c.boxes);
    }
    EXPECT_EQ(kLeftPresets[1].caption, "ASDZXC");
    EXPECT_EQ(kRightPresets[1].caption, "KL:M<>");
}

TEST(KeyLayout, JoiningDropsEmptyBoxesSoLaterKeysMoveUp) {
    struct Case {
        Boxes boxes;
        std::u32string keys;
    };
    const Case cases[] = {
        {{U"w", U"s", U"x", U"q", U"a", U"z"}, U"wsxqaz"},
        {{U"w", U"", U"x", U"q", U"a", U"z"}, U"wxqaz"},
        {{U"", U"", U"", U"", U"", U"p"}, U"p"},
        {{}, U""},
        {{U"ж", U"é", U"", U"Q", U"a", U"z"}, U"жéQaz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.keys));
        EXPECT_EQ(JoinKeys(c.boxes), c.keys);
        EXPECT_EQ(JoinKeys(SplitKeys(c.keys)), c.keys) << "a short string survives the boxes";
    }
}

TEST(KeyLayout, KeysChosenInTheDialogCommandAtOnceAndCancelKeepsTheOldOnes) {
    Piste p;
    p.game.Choose({Verb::SetControl, ControlMode::Keyboard});
    p.OnGuard();
    p.Fence();
    const FencerState& b = p.B().State();

    // The dialog as the window runs it: with play held, offered the keys in use; an answer
    // replaces them, a cancel leaves them.
    Keys offered;
    bool heldWhileOpen = false;
    auto choose = [&](const std::optional<Keys>& answer) {
        p.game.WhileHeld([&] {
            offered = p.game.CurrentKeys();
            heldWhileOpen = p.Halted();
            if (answer) p.game.SetKeys(*answer);
        });
    };
    choose(Keys{U"wsxqaz", U"жé,xyz"});
    EXPECT_EQ(offered.left, U"wsxqaz");
    EXPECT_EQ(offered.right, U"mko,lp");
    EXPECT_TRUE(heldWhileOpen) << "play is held while the keys are chosen";
    EXPECT_FALSE(p.Halted()) << "and goes on afterwards";
    EXPECT_EQ(p.game.Options().keysRight, U"жé,xyz");

    TypeKey(p.game, U'm');
    EXPECT_EQ(b.requestedAction, Stand) << "the old advance key is gone";
    TypeKey(p.game, U'ж');
    EXPECT_EQ(b.requestedAction, Advance);
    TypeKey(p.game, U'é');
    EXPECT_TRUE(b.armExtended);

    choose(std::nullopt);
    EXPECT_EQ(offered.right, U"жé,xyz");
    EXPECT_EQ(p.game.Options().keysRight, U"жé,xyz") << "Cancel keeps the keys";
    EXPECT_EQ(p.game.Options().keysLeft, U"wsxqaz");
    p.OnGuard();
    TypeKey(p.game, U'ж');
    EXPECT_EQ(b.requestedAction, Advance);

    // Chosen under mouse control, the keys wait for keyboard control.
    p.game.Choose({Verb::SetControl, ControlMode::Mouse});
    choose(Keys{U"wsxqaz", U"qé,xyz"});
    p.OnGuard();
    TypeKey(p.game, U'q');
    EXPECT_EQ(b.requestedAction, Stand);
    p.game.Choose({Verb::SetControl, ControlMode::Keyboard});
    TypeKey(p.game, U'q');
    EXPECT_EQ(b.requestedAction, Advance);
}
