// SPDX-License-Identifier: GPL-3.0-or-later
// What a long replay costs its watcher: opening it (reading the file, fencing the bout again
// and indexing its pictures), seeking to its end, and the file's bytes per minute, beside those
// of the same bout kept as pictures with and without the referee's reasons. The bouts, each some
// ten minutes long: a demonstration to 15 (argument 0), and two players on one keyboard each
// pressing a key every 200 to 800 ms to the end of a timed bout to 15 (argument 1).

#include "game/Game.h"
#include "game/GameProbe.h"
#include "game/replay/Replay.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pistework;

// The file of one bout to its end: the demonstration to 15, or two players pressing keys.
std::vector<std::uint8_t> Recorded(bool players) {
    platform::headless::HeadlessPlatform form(1'700'000'000'000);
    game::Game game(form.Services());
    game.Start();
    if (players) game.Choose({game::Verb::ChooseTwoPlayers, 0});
    game.Choose({game::Verb::SetTarget, 15});
    if (players) game.Choose({game::Verb::NewGame, 0});
    std::uint32_t seed = 1;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(n));
    };
    std::int64_t due[2] = {form.scheduler.Now() + 200, form.scheduler.Now() + 500};
    // Either ends within a quarter of an hour; an hour bounds one that never would.
    for (int keys = 0; game::GameProbe(game).LastFenced().empty() && keys < 20'000; ++keys) {
        const int side = due[0] <= due[1] ? 0 : 1;
        form.scheduler.RunUntilTrue([&] { return !game::GameProbe(game).LastFenced().empty(); },
                                    players ? due[side] - form.scheduler.Now() : 3'600'000);
        if (!players) break;
        const std::u32string& layout =
            side == 0 ? game.Options().keysLeft : game.Options().keysRight;
        game::TypeKey(game, layout[static_cast<std::size_t>(next(6))]);
        due[side] += 200 + next(600);
    }
    return std::vector<std::uint8_t>(game::GameProbe(game).LastFenced().begin(),
                                     game::GameProbe(game).LastFenced().end());
}

const std::vector<std::uint8_t>& Bout(const benchmark::State& state) {
    static const std::vector<std::uint8_t> demonstration = Recorded(false);
    static const std::vector<std::uint8_t> players = Recorded(true);
    return state.range(0) == 0 ? demonstration : players;
}

void OpenLongReplay(benchmark::State& state) {
    platform::headless::HeadlessPlatform form;
    for (auto _ : state) {
        game::Replay replay;
        benchmark::DoNotOptimize(game::DecodeReplay(Bout(state), replay));
        game::ReplayPlayer player(replay, form, form.clock);
        benchmark::DoNotOptimize(player.Length());
    }
}
BENCHMARK(OpenLongReplay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a watcher waits for when opening a replay at its end: reading it and the seek.
void OpenAndSeekToTheEnd(benchmark::State& state) {
    platform::headless::HeadlessPlatform form;
    for (auto _ : state) {
        game::Replay replay;
        benchmark::DoNotOptimize(game::DecodeReplay(Bout(state), replay));
        game::ReplayPlayer player(replay, form, form.clock);
        player.Seek(player.Length());
        benchmark::DoNotOptimize(player.Position());
    }
}
BENCHMARK(OpenAndSeekToTheEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SeekToTheEnd(benchmark::State& state) {
    platform::headless::HeadlessPlatform form;
    game::Replay replay;
    game::DecodeReplay(Bout(state), replay);
    game::ReplayPlayer player(replay, form, form.clock);
    int shown = 0;
    player.SetOnPicture([&shown](const game::ReplayPicture&) { ++shown; });
    for (auto _ : state) {
        player.Seek(0);
        player.Seek(player.Length());
    }
    state.counters["minutes"] = static_cast<double>(player.Length()) / 60'000;
    benchmark::DoNotOptimize(shown);
}
BENCHMARK(SeekToTheEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Not timed: the sizes, as counters.
void BytesPerMinute(benchmark::State& state) {
    game::Replay replay;
    game::DecodeReplay(Bout(state), replay);
    const std::size_t pictures = game::EncodeReplay(replay).size();
    game::Replay plain = replay;
    for (auto& entry : plain.entries)
        if (auto* event = std::get_if<game::BoutEvent>(&entry.what))
            if (auto* ruling = std::get_if<game::Ruling>(event)) ruling->why.reset();
    const std::size_t without = game::EncodeReplay(plain).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(without);
    const double minutes = replay.entries.back().ms / 60'000.0;
    state.counters["minutes"] = minutes;
    state.counters["file"] = static_cast<double>(Bout(state).size()) / minutes;
    state.counters["as_pictures"] = static_cast<double>(pictures) / minutes;
    state.counters["as_pictures_without_reasons"] = static_cast<double>(without) / minutes;
}
BENCHMARK(BytesPerMinute)->Arg(0)->Arg(1)->Iterations(1);

} // namespace
