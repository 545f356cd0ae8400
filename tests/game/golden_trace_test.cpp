// SPDX-License-Identifier: GPL-3.0-or-later
// What a player sees through whole bouts, recorded from the bout view only, with the calls in
// the window's own words, and compared line by line with a committed trace: any change of
// behaviour shows as a diff.
// To accept a deliberate change, run with PISTEWORK_WRITE_TRACE=1 and review the diff.

#include "common/CallTexts.h"
#include "common/MenuRules.h"
#include "game/Game.h"
#include "game/bout/BoutRules.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace pistework;
using game::Side;
using platform::headless::HeadlessPlatform;

namespace {

constexpr std::int64_t kStart = 1'700'000'000'000;
constexpr std::int64_t kHour = 3'600'000;

// One line per visible change: the virtual time since the start, then what changed.
class Recorder {
public:
    Recorder(HeadlessPlatform& form, const game::Game& game)
        : form(form), game(game), start(form.scheduler.Now()) {}

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
            if (form.scheduler.Now() > until || !form.scheduler.RunNext()) return false;
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
    std::string call, score, clock, cards, lamps, prompt, fencerA, fencerB;
};

bool GameOver(const game::Game& game) {
    return game.View().call.call == game::Call::GameOver;
}

// The menu items the traces click, by the names their notes give them, as the menu's rules
// have them.
void Click(game::Game& game, std::string_view item) {
    for (const layout::MenuEntry& entry : layout::kMenu)
        if (entry.name == item) game.Choose(*layout::Rule(entry.command).choice);
}

// Idle from start-up until the demonstration starts, then one whole bout to "Game Over".
std::vector<std::string> DemonstrationTrace(std::int64_t start,
                                            const std::vector<const char*>& menuClicks) {
    HeadlessPlatform form(start);
    game::Game game(form.Services());
    game.Start();
    Recorder r(form, game);
    for (const char* item : menuClicks) {
        r.Note(std::string("click ") + item);
        Click(game, item);
    }
    const bool ended = r.RunUntil([&] { return GameOver(game); }, kHour);
    EXPECT_TRUE(ended) << "the demonstration never ended";
    // The result stays on show until the next salute begins.
    r.RunUntil([&] { return game.View().startPrompt && form.Timer("TimerPresident").Enabled(); },
               20'000);
    return r.lines;
}

// Two players on one keyboard: each key is typed at a fixed time after "Fence".
std::vector<std::string> TwoPlayerPhraseTrace() {
    HeadlessPlatform form(kStart + 777'000);
    game::Game game(form.Services());
    game.Start();
    Recorder r(form, game);
    for (const char* item : {"Firstto5", "mnu2Player", "mnuFileNewGame"}) {
        r.Note(std::string("click ") + item);
        Click(game, item);
    }
    auto& timerLeft = form.Timer("TimerLeft");
    auto& timerPresident = form.Timer("TimerPresident");
    EXPECT_TRUE(r.RunUntil([&] { return timerLeft.Enabled(); }, 60'000));
    struct Press {
        std::int64_t after;
        char32_t key;
    };
    // Left: advance, advance, extend, flèche. Right: extend, advance, lunge, parry, recover.
    const std::vector<Press> script{{0, U'w'},    {150, U'k'},  {450, U'w'},  {700, U'm'},
                                    {900, U's'},  {1300, U'o'}, {1500, U'l'}, {1900, U'z'},
                                    {2400, U'o'}, {3000, U'm'}, {3300, U'x'}};
    const std::int64_t fence = form.scheduler.Now();
    for (const Press& p : script) {
        r.RunUntil([&] { return form.scheduler.Now() >= fence + p.after; }, 10'000);
        r.Note(std::string("key ") + static_cast<char>(p.key));
        TypeKey(game, p.key);
    }
    // The phrase to its ruling and the next "Fence".
    r.RunUntil([&] { return timerPresident.Enabled(); }, 30'000);
    r.RunUntil([&] { return timerLeft.Enabled(); }, 30'000);
    return r.lines;
}

std::string TracePath() {
    return std::string(PISTEWORK_TRACE_DIR) + "/golden_trace.txt";
}

} // namespace

TEST(GoldenTrace, BoutsLookExactlyAsRecorded) {
    std::vector<std::string> all;
    auto section = [&all](const std::string& title, const std::vector<std::string>& lines) {
        all.push_back("== " + title);
        all.insert(all.end(), lines.begin(), lines.end());
    };
    section("demonstration, first to 5", DemonstrationTrace(kStart, {"Firstto5"}));
    section("demonstration, first to 10, timed",
            DemonstrationTrace(kStart + 3'141'000, {"Firstto10", "TimedBout"}));
    section("demonstration, first to 15", DemonstrationTrace(kStart + 86'400'000, {}));
    section("two players, one phrase", TwoPlayerPhraseTrace());

    if (std::getenv("PISTEWORK_WRITE_TRACE")) {
        std::ofstream out(TracePath());
        for (const auto& line : all)
            out << line << '\n';
        GTEST_SKIP() << "trace written to " << TracePath();
    }
    std::ifstream in(TracePath());
    ASSERT_TRUE(in) << "no trace at " << TracePath();
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);)
        expected.push_back(line);
    for (std::size_t i = 0; i < std::min(all.size(), expected.size()); ++i)
        ASSERT_EQ(all[i], expected[i]) << "first difference at line " << i + 1;
    EXPECT_EQ(all.size(), expected.size());
}
