// SPDX-License-Identifier: GPL-3.0-or-later
// What a player sees through whole bouts, recorded from the bout view only, with the calls in
// the window's own words, and compared line by line with a committed trace: any change of
// behaviour shows as a diff.
// To accept a deliberate change, run with PISTEWORK_WRITE_TRACE=1 and review the diff.

#include "TraceRecorder.h"

using namespace trace;

namespace {

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
    game::GameProbe probe(game);
    r.RunUntil([&] { return game.View().startPrompt && probe.Timer("TimerPresident").Enabled(); },
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
    game::GameProbe probe(game);
    const auto timerLeft = probe.Timer("TimerLeft");
    const auto timerPresident = probe.Timer("TimerPresident");
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

    CompareWithFile(std::string(PISTEWORK_TRACE_DIR) + "/golden_trace.txt", all);
}
