// SPDX-License-Identifier: GPL-3.0-or-later
// What one fencer tick and one whole computer-against-computer phrase cost, in virtual time.

#include "game/Game.h"
#include "game/GameProbe.h"
#include "game/network/SharedBout.h"
#include "game/piste/Geometry.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pistework;

// A demonstration phrase: the computer fences both sides at Champion strength.
struct Demonstration {
    platform::headless::HeadlessPlatform form{1'700'000'000'000};
    game::Game game{form.Services()};
    game::GameProbe probe{game};
    game::GameProbe::TimerHandle left = probe.Timer("TimerLeft");
    game::GameProbe::TimerHandle right = probe.Timer("TimerRight");

    Demonstration() {
        game.Start();
        probe.Timer("TimerAutoPlay").SetEnabled(false);
        probe.SetDemonstrating(true);
        probe.Computer().SetStrength(game::kChampion.strength);
        left.SetInterval(game::kChampion.strength.tickMs);
    }

    // The referee's "Engarde" and "Fence", without its three seconds of calls.
    void StartPhrase() {
        probe.Timer("TimerPresident").SetEnabled(false);
        probe.President().ReturnToEngarde();
        // Always from the centre lines, however the last phrase ended.
        probe.FencerOn(game::Side::Left).PlaceAt(game::kEngardeLeftA);
        probe.FencerOn(game::Side::Right).PlaceAt(game::kEngardeLeftB);
        for (game::Side side : game::kSides)
            probe.FencerOn(side).UpdatePoints();
        right.SetEnabled(true);
        left.SetEnabled(true);
    }

    bool Halted() const { return !left.Enabled() && !right.Enabled(); }
};

void FencerTick(benchmark::State& state) {
    Demonstration d;
    d.StartPhrase();
    for (auto _ : state) {
        d.form.scheduler.RunNext();
        if (d.Halted()) {
            state.PauseTiming();
            d.StartPhrase();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(FencerTick);

void ComputerPhrase(benchmark::State& state) {
    Demonstration d;
    std::uint64_t ticks = 0;
    std::int64_t phrases = 0;
    for (auto _ : state) {
        d.StartPhrase();
        const std::uint64_t before = d.form.scheduler.TicksRun();
        const bool ended = d.form.scheduler.RunUntilTrue([&] { return d.Halted(); }, 600'000);
        benchmark::DoNotOptimize(ended);
        ticks += d.form.scheduler.TicksRun() - before;
        ++phrases;
    }
    state.counters["ticks/phrase"] =
        benchmark::Counter(static_cast<double>(ticks) / static_cast<double>(phrases));
}
BENCHMARK(ComputerPhrase);

// A whole demonstration bout to five, from the idle window to "Game Over", in virtual time;
// each bout starts at another time of day, so the computer draws differently.
void DemonstrationBout(benchmark::State& state) {
    std::int64_t start = 1'700'000'000'000;
    std::uint64_t ticks = 0;
    for (auto _ : state) {
        platform::headless::HeadlessPlatform form(start);
        start += 7'919'311;
        game::Game game(form.Services());
        game.Start();
        const bool ended = form.scheduler.RunUntilTrue(
            [&] { return game.View().call.call == game::Call::GameOver; }, 3'600'000);
        if (!ended) state.SkipWithError("a bout did not end within an hour");
        ticks += form.scheduler.TicksRun();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["ticks/bout"] =
        benchmark::Counter(static_cast<double>(ticks) / static_cast<double>(state.iterations()));
}
BENCHMARK(DemonstrationBout)->Unit(benchmark::kMillisecond);

// A network bout `minutes` in, both players pressing a key every 200 to 800 ms.
struct BusyBout {
    explicit BusyBout(std::int64_t minutes) : now(minutes * 60'000) {
        for (std::int64_t ms = 0; ms < now; ms += 200 + Next(600))
            bout.Add({ms, Next(2) ? game::Side::Left : game::Side::Right,
                      static_cast<game::Input>(Next(6))});
        bout.AdvanceTo(now);
    }
    std::uint32_t Next(std::uint32_t below) {
        draw = draw * 1103515245u + 12345u;
        return (draw >> 16) % below;
    }
    // A millisecond on, then the other player's input `lateMs` late.
    void LateInput(std::int64_t lateMs) {
        now += 1;
        bout.AdvanceTo(now);
        bout.Add({now - lateMs, game::Side::Left, static_cast<game::Input>(Next(6))});
    }

    game::SharedBout bout{{.target = 15, .timed = false, .start = 1'700'000'000'000}};
    std::uint32_t draw = 12345;
    std::int64_t now;
};

// What fencing the bout again costs when the other player's input comes 75 ms late: the same
// at minute ten as at minute three.
void RollbackAtMinute(benchmark::State& state) {
    BusyBout b(state.range(0));
    for (auto _ : state)
        b.LateInput(75);
    state.counters["longest_ms"] = static_cast<double>(b.bout.LongestRollbackNs()) / 1e6;
}
BENCHMARK(RollbackAtMinute)->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond);

// A peer sending inputs as late as the window lets them, as fast as the flood gate lets
// them through: one iteration is a second of such a bout, so its time over a second is the
// share of a core the victim spends.
void FloodAtMinute(benchmark::State& state) {
    BusyBout b(state.range(0));
    constexpr int kGateRate = 80; // frames a second a player's gate lets through
    for (auto _ : state) {
        for (int i = 0; i < kGateRate; ++i) {
            b.now += 1000 / kGateRate - 1;
            b.LateInput(200);
        }
    }
}
BENCHMARK(FloodAtMinute)->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond);

// Saving a demonstration's bout three minutes in (a copy) and restoring it (assigning the copy
// over a bout that has gone on).
void SaveAndRestoreTheBout(benchmark::State& state) {
    platform::headless::HeadlessPlatform form(1'700'000'000'000);
    game::Game game(form.Services());
    game.Start();
    form.scheduler.RunFor(15'000 + 180'000);
    const game::Bout saved = game::GameProbe(game).Engine();
    form.scheduler.RunFor(1'000);
    game::Bout live = game::GameProbe(game).Engine();
    for (auto _ : state) {
        if (state.range(0) == 0) {
            game::Bout copy = live;
            benchmark::DoNotOptimize(copy);
        } else {
            live = saved;
            benchmark::DoNotOptimize(live);
        }
    }
}
BENCHMARK(SaveAndRestoreTheBout)->ArgName("restore")->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
