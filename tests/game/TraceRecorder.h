// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records what a player sees through a bout, a line per visible change, from the bout view
// only and with the calls in the window's own words: the traces compared with committed files.

#include "common/CallTexts.h"
#include "common/MenuRules.h"
#include "game/Game.h"
#include "game/GameProbe.h"
#include "game/bout/BoutRules.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace trace {

using namespace pistework;
using game::Side;
using platform::headless::HeadlessPlatform;

inline constexpr std::int64_t kStart = 1'700'000'000'000;
inline constexpr std::int64_t kHour = 3'600'000;

// One line per visible change: the virtual time since the start, then what changed.
class Recorder {
public:
    // Every step the game shows while the recorder runs it is noted, as a player sees each.
    Recorder(HeadlessPlatform& form, game::Game& game)
        : form(form), game(game), start(form.scheduler.Now()) {
        game.SetOnView([this](const game::BoutView&) {
            if (running) Snapshot();
        });
    }

    void Note(const std::string& event) { lines.push_back(Stamp() + " # " + event); }

    void Snapshot() {
        const game::BoutView& v = game.View();
        Field("call", CallText(v.call), call);
        Field("score",
              std::to_string(v.scores[Side::Left]) + ":" + std::to_string(v.scores[Side::Right]),
              score);
        Field("clock", (v.clock.shown ? "" : "hidden ") + game::ClockCaption(v.clock.secondsLeft),
              clock);
        Field("cards", Cards(v.cards[Side::Left]) + " " + Cards(v.cards[Side::Right]), cards);
        Field("lamps", Lamp(v, Side::Left) + " " + Lamp(v, Side::Right), lamps);
        Field("start", v.startPrompt ? "shown" : "hidden", prompt);
        Field("A", Fencer(v.fencers[Side::Left]), fencerA);
        Field("B", Fencer(v.fencers[Side::Right]), fencerB);
    }

    // Runs the game tick by tick, noting every change, until `done` or the limit.
    bool RunUntil(const std::function<bool()>& done, std::int64_t limit) {
        const std::int64_t until = form.scheduler.Now() + limit;
        Snapshot();
        while (!done()) {
            if (form.scheduler.Now() > until) return false;
            running = true;
            const bool ran = form.scheduler.RunNext();
            running = false;
            if (!ran) return false;
            Snapshot();
        }
        return true;
    }

    std::vector<std::string> lines;

private:
    std::string Stamp() const { return std::to_string(form.scheduler.Now() - start); }

    void Field(const char* name, const std::string& now, std::string& last) {
        if (now == last) return;
        last = now;
        std::string shown = now;
        for (char& ch : shown)
            if (ch == '\n') ch = '|';
        lines.push_back(Stamp() + " " + name + " " + shown);
    }

    static std::string Fencer(const game::FencerView& f) {
        return f.pose + "@" + std::to_string(f.x);
    }

    static std::string Lamp(const game::BoutView& v, Side side) {
        using enum game::Lamp;
        const auto lamp = v.lamps[side];
        return game::ResourceName(lamp == Off  ? game::picture::kLampOff
                                  : lamp == On ? game::picture::kLampOn
                                               : game::picture::kLampOffTarget,
                                  side);
    }

    // Yellow, red and the red count: each shown or "-".
    static std::string Cards(const game::CardsView& c) {
        return std::string(c.yellow ? "Y" : "-") + (c.reds > 0 ? "R" : "-") +
               (c.reds > 1 ? std::to_string(c.reds) : "-");
    }

    HeadlessPlatform& form;
    const game::Game& game;
    std::int64_t start;
    bool running = false;
    std::string call, score, clock, cards, lamps, prompt, fencerA, fencerB;
};

inline bool GameOver(const game::Game& game) {
    return game.View().call.call == game::Call::GameOver;
}

// The menu items the traces click, by the names their notes give them, as the menu's rules
// have them.
inline void Click(game::Game& game, std::string_view item) {
    for (const layout::MenuEntry& entry : layout::kMenu)
        if (entry.name == item) game.Choose(*layout::Rule(entry.command).choice);
}

// The lines of a committed trace, or with PISTEWORK_WRITE_TRACE set, `lines` written there and
// the test skipped, for a deliberate change to be reviewed as a diff.
inline void CompareWithFile(const std::string& path, const std::vector<std::string>& lines) {
    if (std::getenv("PISTEWORK_WRITE_TRACE")) {
        std::ofstream out(path);
        for (const auto& line : lines)
            out << line << '\n';
        GTEST_SKIP() << "trace written to " << path;
    }
    std::ifstream in(path);
    ASSERT_TRUE(in) << "no trace at " << path;
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);)
        expected.push_back(line);
    for (std::size_t i = 0; i < std::min(lines.size(), expected.size()); ++i)
        ASSERT_EQ(lines[i], expected[i]) << "first difference at line " << i + 1 << " of " << path;
    EXPECT_EQ(lines.size(), expected.size()) << path;
}

} // namespace trace
