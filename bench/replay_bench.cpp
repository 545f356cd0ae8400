// SPDX-License-Identifier: GPL-3.0-or-later
// What a long replay costs its watcher: opening it (reading the file and indexing its
// pictures), seeking to its end, and the file's bytes per minute with and without the
// referee's reasons. The bout: a demonstration to 15, some ten minutes long.

#include "game/Game.h"
#include "game/replay/Replay.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pistework;

const std::vector<std::uint8_t>& LongBout() {
    static const std::vector<std::uint8_t> file = [] {
        platform::headless::HeadlessPlatform form(1'700'000'000'000);
        game::Game game(form.Services());
        game.Start();
        game.Choose({game::Verb::SetTarget, 15});
        // A demonstration bout ends within minutes; an hour bounds one that never would.
        form.scheduler.RunUntilTrue([&] { return !game.LastReplay().empty(); }, 3'600'000);
        return std::vector<std::uint8_t>(game.LastReplay().begin(), game.LastReplay().end());
    }();
    return file;
}

void OpenLongReplay(benchmark::State& state) {
    platform::headless::HeadlessPlatform form;
    for (auto _ : state) {
        game::Replay replay;
        benchmark::DoNotOptimize(game::DecodeReplay(LongBout(), replay));
        game::ReplayPlayer player(replay, form, form.clock);
        benchmark::DoNotOptimize(player.Length());
    }
}
BENCHMARK(OpenLongReplay)->Unit(benchmark::kMillisecond);

void SeekToTheEnd(benchmark::State& state) {
    platform::headless::HeadlessPlatform form;
    game::Replay replay;
    game::DecodeReplay(LongBout(), replay);
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
BENCHMARK(SeekToTheEnd)->Unit(benchmark::kMicrosecond);

// Not timed: the sizes, as counters.
void BytesPerMinute(benchmark::State& state) {
    game::Replay replay;
    game::DecodeReplay(LongBout(), replay);
    game::Replay plain = replay;
    for (auto& entry : plain.entries)
        if (auto* event = std::get_if<game::BoutEvent>(&entry.what))
            if (auto* ruling = std::get_if<game::Ruling>(event)) ruling->why.reset();
    const std::size_t without = game::EncodeReplay(plain).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(without);
    const double minutes = replay.entries.back().ms / 60'000.0;
    state.counters["with_reasons"] = static_cast<double>(LongBout().size()) / minutes;
    state.counters["without_reasons"] = static_cast<double>(without) / minutes;
}
BENCHMARK(BytesPerMinute)->Iterations(1);

} // namespace
