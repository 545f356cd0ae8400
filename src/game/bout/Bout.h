// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bout's life: the salute, the referee's phrases, the fencers' ticks, the end, and the
// demonstrations that fill the time between bouts. It owns the parts of the bout (the two
// fencers, the computer opponent, the scoreboard, the lamps, the clock and the referee), shows
// them in the bout view and reports what happens as events.

#include "game/BoutView.h"
#include "game/bout/BoutClock.h"
#include "game/bout/HeldTimer.h"
#include "game/bout/Opponent.h"
#include "game/bout/Referee.h"
#include "game/bout/Scoreboard.h"
#include "game/piste/Fencer.h"
#include "game/player/Options.h"

#include <array>
#include <functional>
#include <memory>

namespace pistework::game {

// Every timer of play, each of which a pause or a dialog can hold. Each is named for the tick
// log.
struct BoutTimers {
    explicit BoutTimers(platform::TimerSource& source);
    BoutTimers(const BoutTimers&) = delete;
    std::array<HeldTimer*, 7> All() {
        return {&left, &right, &president, &clock, &light, &salute, &autoPlay};
    }

    HeldTimer left, right, president, clock, light, salute, autoPlay;
};

// A cue's sound on `sound`, if the options have the sound on.
void PlayCue(platform::MediaPlayer& sound, const BoutOptions& options, SoundCue cue);

class Bout {
public:
    Bout(BoutTimers& timers, BoutView& view, const EventStream& events, const BoutOptions& options,
         const platform::Services& services);
    Bout(const Bout&) = delete;
    Bout& operator=(const Bout&) = delete;

    // Called after every tick of play has run, and at the end of each bout.
    void SetOnStep(std::function<void()> handler) { onStep = std::move(handler); }
    void SetOnOver(std::function<void(const BoutOver&)> handler) { onOver = std::move(handler); }
    // Called as each bout, a player's or a demonstration, starts.
    void SetOnStart(std::function<void()> handler) { onStart = std::move(handler); }

    // A player's bout (or a demonstration, with the computer on both sides) from the salute.
    void StartNew(bool demonstration);
    // Stops play and shows both fencers beaten until the next bout.
    void Stop();
    bool Demonstrating() const { return demoMode; }
    // "Press F2 to Start" shows from a demonstration's start until it is stopped or a
    // player's bout starts.
    bool DemonstrationOnShow() const { return demoOnShow; }
    // A demonstration hides the command buttons until a player's bout starts or the player
    // chooses a control.
    bool ButtonsHidden() const { return buttonsHidden; }
    void ShowButtonsAgain() { buttonsHidden = false; }
    // From a bout's salute to its end or stop; false between bouts.
    bool Running() const { return running; }
    // The fencers back on their lines, as the window opens.
    void PlaceOnLines();
    // The clock is set for the new length at once, but shows it only from the next bout.
    void SetClock(int seconds) { clock.SetTimeLeft(seconds); }

    // A command for one side's fencer, from a key or a button.
    void Command(Side side, FencerCommand command);

    Opponent& Computer() { return opponent; }
    const Opponent& Computer() const { return opponent; }

    // A player's fencer ticks every 100 ms.
    static constexpr int kPlayerSpeed = 100;

private:
    friend class GameProbe;

    void SaluteStep();
    void ClockTick();
    void End();
    void FencerTick(Side side);
    void PlaySound(SoundCue cue);
    platform::Timer& FencerTimer(Side side);
    bool ComputerFences(Side side) const;

    BoutTimers& timers;
    BoutView& view;
    const EventStream& events;
    const BoutOptions& options;
    platform::MediaPlayer& sound;
    PerSide<Fencer> fencers;
    Opponent opponent;
    Scoreboard scores;
    Lamps lamps;
    BoutClock clock;
    Referee referee;

    std::function<void()> onStep;
    std::function<void(const BoutOver&)> onOver;
    std::function<void()> onStart;
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
