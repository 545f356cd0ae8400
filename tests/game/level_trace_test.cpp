// SPDX-License-Identifier: GPL-3.0-or-later
// The computer at every graded level and at a custom strength, fenced for a few minutes of
// virtual time against the Champion and against a scripted player, compared with committed
// traces: a change to any level's play shows as the first second that differs.
// To accept a deliberate change, run with PISTEWORK_WRITE_TRACE=1 and review the diff.

#include "TraceRecorder.h"
#include "game/GameProbe.h"
#include "game/bout/Levels.h"

#include <algorithm>
#include <cstdio>
#include <random>

using namespace trace;
using game::Strength;

namespace {

constexpr std::int64_t kTraced = 3 * 60'000;

// Seconds of a trace, each a digest of every change in it, with the calls and rulings said in
// full: small enough to commit for every level, and a difference still reads as a moment.
std::vector<std::string> BySecond(const std::vector<std::string>& lines) {
    std::vector<std::string> seconds;
    std::int64_t second = -1;
    std::uint32_t digest = 0;
    std::string said;
    auto flush = [&] {
        if (second < 0) return;
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", digest);
        seconds.push_back(std::to_string(second) + " " + hex + said);
    };
    for (const std::string& line : lines) {
        const std::size_t space = line.find(' ');
        const std::int64_t at = std::stoll(line.substr(0, space)) / 1000;
        if (at != second) {
            flush();
            second = at;
            digest = 2166136261u;
            said.clear();
        }
        for (const char ch : line)
            digest = (digest ^ static_cast<unsigned char>(ch)) * 16777619u;
        const std::string what = line.substr(space + 1);
        if ((what.starts_with("call ") && what.size() > 5) || what.starts_with("# "))
            said += " | " + what.substr(what.find(' ') + 1);
    }
    flush();
    return seconds;
}

// Every ruling the referee gives, noted in the trace as it happens.
void NoteRulings(game::Game& game, Recorder& r) {
    game.SetOnEvent([&r](const game::BoutEvent& event) {
        const auto* ruling = std::get_if<game::Ruling>(&event);
        if (!ruling) return;
        std::string line = "ruling " + std::to_string(static_cast<int>(ruling->kind)) +
                           (ruling->side == Side::Left ? " L" : " R");
        if (ruling->why) line += " by " + std::to_string(static_cast<int>(ruling->why->decider));
        r.Note(line);
    });
}

// The computer at `strength` on the left, the Champion on the right, as a demonstration pairs
// them.
std::vector<std::string> AgainstTheChampion(const Strength& strength, std::int64_t start) {
    HeadlessPlatform form(start);
    game::Game game(form.Services());
    game::GameProbe(game).SetDemonstrationStrengths({strength, game::kChampion.strength});
    game.Start();
    Recorder r(form, game);
    NoteRulings(game, r);
    r.RunUntil([] { return false; }, kTraced);
    return BySecond(r.lines);
}

// The player on the right presses one of its keys every 200 to 800 ms, drawn from a fixed
// seed, and starts the next bout as each ends; the computer fences the left at `strength`.
std::vector<std::string> AgainstAScriptedPlayer(const Strength& strength, std::optional<int> level,
                                                std::int64_t start) {
    HeadlessPlatform form(start);
    game::Game game(form.Services());
    game.Start();
    Recorder r(form, game);
    NoteRulings(game, r);
    if (level)
        game.Choose({game::Verb::ChooseLevel, *level});
    else
        game.ChooseCustom(strength);
    game.Choose({game::Verb::NewGame});
    EXPECT_EQ(game.StrengthInPlay(), strength);
    const std::u32string keys = game.CurrentKeys().right;
    std::minstd_rand draw(static_cast<std::uint32_t>(start % 1000 + 1));
    const std::int64_t until = form.scheduler.Now() + kTraced;
    while (form.scheduler.Now() < until) {
        if (GameOver(game)) game.Choose({game::Verb::NewGame});
        const std::int64_t next = form.scheduler.Now() + 200 + draw() % 601;
        // Fails rather than waits for ever when play has stopped.
        if (!r.RunUntil([&] { return form.scheduler.Now() >= next; }, 1000)) {
            ADD_FAILURE() << "play stood still at " << form.scheduler.Now();
            break;
        }
        TypeKey(game, keys[draw() % keys.size()]);
    }
    return BySecond(r.lines);
}

} // namespace

TEST(LevelTrace, EveryLevelFencesExactlyAsRecorded) {
    struct Traced {
        std::string name;
        Strength strength;
        std::optional<int> level;
    };
    std::vector<Traced> traced;
    for (const game::Level& level : game::kLevels)
        traced.push_back({"level " + std::to_string(level.number), level.strength, level.number});
    // Between the graded levels' strengths, so it is fenced as a custom one.
    const Strength custom = game::StrengthAt({1, 3});
    ASSERT_FALSE(game::LevelWithStrength(custom));
    traced.push_back({"custom", custom, std::nullopt});

    for (const Traced& t : traced) {
        SCOPED_TRACE(t.name);
        // Each from its own start, so the seconds the draws reseed from differ.
        const std::int64_t start = kStart + 7'919 * t.strength.range + 104'729 * t.strength.tickMs;
        std::vector<std::string> all{"== " + t.name + " against the Champion"};
        const auto champion = AgainstTheChampion(t.strength, start);
        all.insert(all.end(), champion.begin(), champion.end());
        all.push_back("== " + t.name + " against a scripted player");
        const auto player = AgainstAScriptedPlayer(t.strength, t.level, start);
        all.insert(all.end(), player.begin(), player.end());
        std::string file = t.name;
        std::replace(file.begin(), file.end(), ' ', '_');
        CompareWithFile(std::string(PISTEWORK_TRACE_DIR) + "/traces/" + file + ".txt", all);
    }
}
