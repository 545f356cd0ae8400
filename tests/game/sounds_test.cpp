// SPDX-License-Identifier: GPL-3.0-or-later
// The two sound cues: which file each event chooses, and when it is heard.

#include "PisteFixture.h"
#include "game/player/Sounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pistework;
using namespace pistework::testing;

TEST(SoundFiles, TheParrySoundIsStartWavInTheHitSoundsFolder) {
    struct Case {
        std::string hit, parry;
    };
    for (const Case& k : std::vector<Case>{
             {"/usr/share/sounds/ding.wav", "/usr/share/sounds/start.wav"},
             {"ding.wav", "start.wav"},
             {"", "start.wav"},
             {"/home/a b/My Sounds/big ding.wav", "/home/a b/My Sounds/start.wav"},
             {":/sounds/ding.wav", ":/sounds/start.wav"},
             {"/ding.wav", "/start.wav"},
             {"../sounds/ding.wav", "../sounds/start.wav"},
             {"/usr/share/sounds/", "/usr/share/sounds/start.wav"},
             {"/a/b.d/c", "/a/b.d/start.wav"},
             // Only "/" separates folders here: a backslash belongs to the name.
             {"C:\\WINNT\\Media\\ding.wav", "start.wav"},
         }) {
        EXPECT_EQ(game::ParrySoundBeside(k.hit), k.parry) << "hit sound \"" << k.hit << '"';
    }
    EXPECT_EQ(game::ParrySoundBeside(game::kDefaultHitSound), game::kDefaultParrySound)
        << "the shipped sounds follow the same rule as a player's own";
}

namespace {

enum class Event { Hit, CaughtParry, Pass };

// Fences the event in a two-player phrase; returns whether the game saw it as it should.
bool Fence(Piste& p, Event event) {
    switch (event) {
    case Event::Hit:
    case Event::CaughtParry:
        // The left fencer lunges with the arm out: with the right fencer at 144 the point
        // lands on its body; at 169 its parrying hand meets the blade.
        p.OnGuard(106, event == Event::Hit ? 144 : 169);
        p.Fence();
        p.A().Extend();
        p.A().Lunge();
        for (int tick = 0; tick < 5; ++tick)
            p.probe.FencerTick(Side::Left);
        if (event == Event::CaughtParry) {
            p.Playing(Side::Right, Action::Parry, 2);
            p.B().UpdatePoints();
        }
        p.probe.FencerTick(Side::Left);
        // A caught lunge ends with the blade aside, and lands nothing.
        return event == Event::Hit ? p.Outcome().hitBy == Side::Left
                                   : !p.A().State().armExtended && !p.Outcome().hitBy;
    case Event::Pass:
        p.OnGuard(319, 244); // the body points already more than 10 px past each other
        p.Fence();
        p.probe.FencerTick(Side::Left);
        return p.Outcome().passed;
    }
    return false;
}

} // namespace

TEST(SoundCues, AHitDingsAndACaughtParryClashesOnlyWithSoundOn) {
    struct Case {
        const char* name;
        Event event;
        bool soundOn;
        bool filesExist;
        std::vector<std::string> heard;
        std::string chosen; // the media player's file name afterwards
    };
    const std::vector<Case> cases{
        {"hit", Event::Hit, true, true, {"beep.wav"}, "beep.wav"},
        {"caught parry", Event::CaughtParry, true, true, {"start.wav"}, "start.wav"},
        {"pass", Event::Pass, true, true, {}, ""},
        {"hit, sound off", Event::Hit, false, true, {}, "beep.wav"},
        {"caught parry, sound off", Event::CaughtParry, false, true, {}, "start.wav"},
        {"pass, sound off", Event::Pass, false, true, {}, ""},
        {"hit, file missing", Event::Hit, true, false, {}, "beep.wav"},
        {"caught parry, file missing", Event::CaughtParry, true, false, {}, "start.wav"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Piste p;
        p.TwoPlayers();
        if (k.soundOn) p.game.Choose(Verb::ToggleSound);
        if (!k.filesExist) p.form.sound.existingFiles.clear();

        ASSERT_TRUE(Fence(p, k.event)) << "a silent cue must not change the fencing";
        EXPECT_EQ(p.form.sound.Played(), k.heard);
        EXPECT_EQ(p.form.sound.FileName(), k.chosen);

        // The referee's halt, call, ruling and the return to engarde make no sound of their
        // own, and nothing replays the cue.
        p.form.scheduler.RunFor(6000);
        EXPECT_EQ(p.form.sound.Played(), k.heard);
    }
}
