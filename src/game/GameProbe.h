// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Set-up and readings that no player can make, for the tests, the balance simulator, the
// fuzzer and the benchmarks: fencing a phrase without the referee, choosing the strengths of
// a demonstration, reading the parts of the bout and its timers. The window never includes
// this.

#include "game/Game.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace pistework::game {

class GameProbe {
public:
    explicit GameProbe(Game& game) : game(game) {}

    // One of the bout's timers, by its name in the tick log, read and set as a platform timer.
    class TimerHandle {
    public:
        TimerHandle(Game& game, Tick tick) : game(&game), tick(tick) {}
        // Nothing runs while play is held; the release starts again what is asked for.
        bool Enabled() const { return Timers().Running(tick) && game->holdCount == 0; }
        void SetEnabled(bool on) {
            game->CatchUp();
            game->bout.piste.timers.SetRunning(tick, on);
            game->ArmFrame();
        }
        int Interval() const { return Timers().Interval(tick); }
        void SetInterval(int milliseconds) {
            game->CatchUp();
            game->bout.piste.timers.SetInterval(tick, milliseconds);
            game->ArmFrame();
        }
        std::optional<std::int64_t> Due() const { return Timers().Due(tick); }
        int Starts() const { return Timers().Starts(tick); }

    private:
        const Schedule& Timers() const { return game->bout.piste.timers; }
        Game* game;
        Tick tick;
    };
    TimerHandle Timer(std::string_view name) {
        return {game, kTicks[static_cast<std::size_t>(IndexOf(name))]};
    }

    // The referee, driven as the fencers' ticks drive it; the piste shows each step.
    class RefereeHandle {
    public:
        explicit RefereeHandle(Game& game) : game(&game) {}
        Phase CurrentPhase() const { return Self().CurrentPhase(); }
        const PhraseOutcome& Outcome() const { return Self().Outcome(); }
        const RefereeCall& PendingCall() const { return Self().PendingCall(); }
        void NoteArrival(Side attacker, const Arrival& arrival) {
            Act([&](Referee& r, BoutParts& p) { r.NoteArrival(attacker, arrival, p.Now()); });
        }
        void CallHit(Side hitter) {
            Act([&](Referee& r, BoutParts& p) { r.CallHit(p, hitter); });
        }
        void CallPass(int window) {
            Act([&](Referee& r, BoutParts& p) { r.CallPass(p, window); });
        }
        void ReturnToEngarde() {
            Act([](Referee& r, BoutParts& p) { r.ReturnToEngarde(p); });
        }
        void TimeOut() {
            Act([](Referee& r, BoutParts& p) { r.TimeOut(p); });
        }
        // One call, as the referee's timer gives it.
        void Tick() {
            Act([this](Referee&, BoutParts&) { game->bout.RunTick(Tick::President); });
        }

    private:
        const Referee& Self() const { return game->bout.referee; }
        template <typename F> void Act(F act) {
            game->CatchUp();
            act(game->bout.referee, game->bout.piste);
            game->Handle(game->bout.TakeNews());
            game->Publish();
        }
        Game* game;
    };
    RefereeHandle President() { return RefereeHandle(game); }

    Fencer& FencerOn(Side side) { return game.bout.piste.fencers[side]; }
    // The computer, its draws reseeding from the clock as it reads now.
    Opponent& Computer() {
        game.CatchUp();
        game.bout.piste.opponent.SetTime(game.bout.Now());
        return game.bout.piste.opponent;
    }
    const Scoreboard& Scores() const { return game.bout.piste.scores; }
    const BoutClock& Clock() const { return game.bout.piste.clock; }
    bool Demonstrating() const { return game.bout.demoMode; }
    // The file of the last bout that ended, a demonstration's too, which the game never keeps.
    std::span<const std::uint8_t> LastFenced() const { return game.replays.Last(); }
    bool Paused() const { return game.gamePaused; }
    // The bout as a value, to save, compare or fence on from.
    const Bout& Engine() const { return game.bout; }

    void SetOptions(const BoutOptions& options) {
        game.SetOptions(options);
        game.Publish();
    }
    void SetDemonstrating(bool on) { game.bout.demoMode = on; }
    // One tick of the bout's timer of that name, as a nudge of the timer would give it.
    void RunTimer(std::string_view name) {
        const Tick t = kTicks[static_cast<std::size_t>(IndexOf(name))];
        game.CatchUp();
        game.bout.RunTick(t);
        game.Handle(game.bout.TakeNews());
        game.Publish();
    }
    // One tick of a fencer, as its timer gives it.
    void FencerTick(Side side) {
        game.CatchUp();
        game.bout.RunTick(side == Side::Left ? Tick::Left : Tick::Right);
        game.Handle(game.bout.TakeNews());
        game.Publish();
    }
    void BringToFront(Side side) {
        game.bout.piste.inFront = side;
        game.Publish();
    }
    // The piste shows what the parts changed by hand hold.
    void Show() { game.Publish(); }
    // What the computer fences each side of a demonstration at.
    void SetDemonstrationStrengths(const PerSide<Strength>& strengths) {
        game.bout.demoStrengths = strengths;
    }
    // The computer's plan in progress for a side, read or set as a phrase would leave it.
    bool AttackPrepared(Side side) const { return Plans()[side].attackPrepared; }
    bool KeepsAdvancing(Side side) const { return Plans()[side].keepAdvancing; }
    void PrepareAttack(Side side, int decisionsSince) {
        Plans()[side].attackPrepared = true;
        Plans()[side].preparedCount = decisionsSince;
    }
    void KeepAdvancing(Side side) { Plans()[side].keepAdvancing = true; }

private:
    static std::ptrdiff_t IndexOf(std::string_view name) {
        const auto found = std::find(kTickNames.begin(), kTickNames.end(), name);
        if (found == kTickNames.end())
            throw std::out_of_range("no timer of the bout named " + std::string(name));
        return found - kTickNames.begin();
    }
    PerSide<Opponent::Plan>& Plans() { return game.bout.piste.opponent.plans; }
    const PerSide<Opponent::Plan>& Plans() const { return game.bout.piste.opponent.plans; }
    Game& game;
};

} // namespace pistework::game
