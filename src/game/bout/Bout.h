// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bout, as one value: the salute, the referee's phrases, the fencers' ticks, the end, and
// the demonstrations that fill the time between bouts, with every part of it and its own
// timers. It steps itself in bout time, owns no platform timer and calls nobody back: whoever
// drives it advances it, gives it stamped commands and takes what happened. Copy it to save
// it, assign a copy to restore it.

#include "game/bout/BoutInput.h"
#include "game/bout/BoutParts.h"
#include "game/bout/Referee.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pistework::game {

class Bout {
public:
    // Idle at `now`: the fencers beaten on their lines, no timer running.
    explicit Bout(std::int64_t now = 0);

    // --- Time. Ticks due at one instant run in the order their timers were armed.
    std::int64_t Now() const { return piste.Now(); }
    // The bout time of the next tick, and of a side's fencer; none while nothing runs.
    std::optional<std::int64_t> NextDue() const;
    std::optional<std::int64_t> NextTickOf(Side side) const;
    // Runs the tick due next, at its time; false when no timer runs.
    bool RunNext();
    // Sets the clock on to `ms` without running what fell due meanwhile, as during a hold.
    void MoveTo(std::int64_t ms) { piste.timers.MoveTo(ms); }
    // What happened since the last call, in order.
    std::vector<Happening> TakeNews();

    // What its driver gives it at bout time `at` (never before the present), as one value a
    // replay keeps.
    void Take(std::int64_t at, const BoutInput& input);
    const BoutSettings& Settings() const { return piste.settings; }

    // --- What its driver sets and asks.
    // A player's bout (or a demonstration, with the computer on both sides) from the salute.
    void StartNew(bool demonstration);
    // Stops play and shows both fencers beaten until the next bout.
    void Stop();
    // The demonstration starts after the idle time unless a bout starts first.
    void AwaitDemonstration() { piste.timers.Start(Tick::AutoPlay); }
    // The fencers back on their lines, as the window opens.
    void PlaceOnLines();
    // A lesson's set start: each fencer `steps` forward of where it stands.
    void StepIn(const PerSide<int>& steps);
    // From here the right fencer is the player's, and the computer fences the left one at the
    // strength it fenced it at: a replay taken over. Nothing comes after the bout's end.
    void HandRightToPlayer();
    const Fencer& FencerOn(Side side) const { return piste.fencers[side]; }
    // The fencers move: from the referee's "Fence" to a hit or a pass.
    bool Fencing() const { return NextTickOf(Side::Right).has_value(); }

    bool Demonstrating() const { return demoMode; }
    // "Press F2 to Start" shows from a demonstration's start until it is stopped or a
    // player's bout starts.
    bool DemonstrationOnShow() const { return demoOnShow; }
    // A demonstration hides the command buttons until a player's bout starts or the player
    // chooses a control.
    bool ButtonsHidden() const { return buttonsHidden; }
    // From a bout's salute to its end or stop; false between bouts.
    bool Running() const { return running; }
    Opponent& Computer() { return piste.opponent; }
    const Opponent& Computer() const { return piste.opponent; }

    // Writes what the piste shows into `view`, leaving the rest of it as it was.
    void Show(BoutView& view) const;
    // The same bouts give the same digest on every machine.
    std::uint32_t Digest() const;
    // Every field of the bout's state, once: what its digest hashes and a replay keeps. What
    // happened but is not yet taken is no part of it.
    template <typename Self, typename Visit> static void Fields(Self& self, Visit& v) {
        auto& piste = self.piste;
        for (Side side : kSides) {
            Fencer::Fields(piste.fencers[side], v);
            v.Add(In(self.demoStrengths[side].range, kByHandLow, kByHand),
                  In(self.demoStrengths[side].tickMs, 1, kByHand));
        }
        v.Add(piste.inFront, piste.call.call, piste.call.side);
        Opponent::Fields(piste.opponent, v);
        Scoreboard::Fields(piste.scores, v);
        Lamps::Fields(piste.lamps, v);
        BoutClock::Fields(piste.clock, v);
        Schedule::Fields(piste.timers, v);
        auto& s = piste.settings;
        v.Add(In(s.target, 1, kByHand), s.timed, s.computerLeft, s.demonstrationAfter,
              In(s.strength.range, kByHandLow, kByHand), In(s.strength.tickMs, 1, kByHand));
        Referee::Fields(self.referee, v);
        v.Add(self.demoMode, self.running, self.demoOnShow, self.buttonsHidden,
              In(self.saluteStep, -10, 6));
    }
    bool operator==(const Bout&) const = default;

    // A player's fencer ticks every 100 ms.
    static constexpr int kPlayerSpeed = 100;

private:
    friend class GameProbe;

    // What Take does with each input.
    // After a hold: every running timer starts afresh at `ms`.
    void Restart(std::int64_t ms) { piste.timers.Restart(ms); }
    void Configure(const BoutSettings& settings) { piste.settings = settings; }
    // The clock is set for the new length at once, but shows it only from the next bout.
    void SetClock(int seconds) { piste.clock.SetTimeLeft(seconds); }
    // A command for one side's fencer, taken up at its next sequence end.
    void Command(Side side, FencerCommand command) { piste.fencers[side].Obey(command); }
    void ShowButtonsAgain() { buttonsHidden = false; }

    void RunTick(Tick tick);
    void SaluteStep();
    void End();
    void FencerTick(Side side);
    bool ComputerFences(Side side) const;

    BoutParts piste;
    Referee referee;
    bool demoMode = false;
    bool running = false;
    bool demoOnShow = false;
    bool buttonsHidden = false;
    // What the computer fences each side of a demonstration at: the Champion, the right side
    // at the pace of a player's fencer. A balance run pairs other strengths this way.
    PerSide<Strength> demoStrengths{kChampion.strength, {kChampion.strength.range, kPlayerSpeed}};
    // From -10 (the pause between demonstrations) to 6, one step every 300 ms.
    int saluteStep = 0;
};

} // namespace pistework::game
