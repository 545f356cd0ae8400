// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The referee (the President): one call a second from "Engarde" to "Fence", then, once a tick
// has found a hit or a pass, "Halt", the call, the ruling and either the next "Engarde" or
// "Game Over". It keeps the outcome of the phrase being fenced and returns the fencers to
// their lines.

#include "game/BoutView.h"
#include "game/bout/BoutClock.h"
#include "game/bout/Opponent.h"
#include "game/bout/Scoreboard.h"
#include "game/piste/Fencer.h"
#include "game/piste/Hits.h"
#include "game/player/Options.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace pistework::game {

enum class Phase {
    Engarde,     // "Engarde": the fencers return to their lines
    Ready,       // "Are you ready?"
    Fence,       // "Fence": the clock starts
    LetGo,       // the caption clears and the fencers move
    Halt,        // a tick found a hit or a pass: "Halt", the clock stops
    Announce,    // the call of the phrase
    Rule,        // the ruling: scores and cards
    TimeOutHalt, // the clock ran out: "Halt", then the end
    GameOver,    // "Game Over" and the end of the bout
};

// How the phrase being fenced has ended so far.
struct PhraseOutcome {
    std::optional<Side> hitBy;
    bool offTarget = false; // stays until the next hit test: it decides the return to engarde
    bool passed = false;
    PerSide<bool> counter{false, false}; // an out-of-time counter-attack
    PerSide<bool> offence{false, false}; // ran past the other too soon after its last pass
};

// What the referee notes of a phrase while it is fenced, to say afterwards why he ruled so.
struct PhraseNotes {
    PerSide<std::optional<std::int64_t>> attackBegan; // the last lunge or flèche, on the clock
    PerSide<std::optional<int>> gapAtAttack;
    PerSide<std::optional<std::int64_t>> counterArrived; // the side's point into the other's lunge
    PerSide<bool> parried{false, false}; // the side's parry caught the other's blade
    std::int64_t halted = 0;             // the hit or the pass
    int pointPast = 0;
    bool fleche = false; // the hit was a flèche's
    int secondsSincePass = 0;
    int secondsAllowed = 0;
};

struct RefereeTimers {
    platform::Timer& president;
    platform::Timer& clock;
    platform::Timer& light;
    PerSide<platform::Timer*> fencers;
};

class Referee {
public:
    Referee(BoutView& view, const EventStream& events, RefereeTimers timers,
            PerSide<Fencer>& fencers, Opponent& opponent, Scoreboard& scores, Lamps& lamps,
            BoutClock& clock, const BoutOptions& options, const platform::Clock& time);

    // Called after "Game Over".
    void SetOnGameOver(std::function<void()> handler) { onGameOver = std::move(handler); }

    Phase CurrentPhase() const { return phase; }
    const PhraseOutcome& Outcome() const { return outcome; }
    // What the referee will call after "Halt".
    const RefereeCall& PendingCall() const { return pendingCall; }

    // A new bout: the referee starts at "Engarde" when the salute ends.
    void StartBout();
    // One call a second.
    void Tick();
    void FlashLamps();
    // From the fencer ticks: what a point did, a hit, the fencers running past each other.
    void NoteArrival(Side attacker, const Arrival& arrival);
    // A lunge or flèche begins with `gap` between the blade tips; a parry catches the blade.
    void NoteAttack(Side attacker, std::optional<int> gap);
    void NoteParry(Side parrier);
    void CallHit(Side hitter);
    // `window` is the fresh draw of seconds within which a second pass is an offence.
    void CallPass(int window);
    // From the clock: a timed bout's time has run out.
    void TimeOut();
    void ReturnToEngarde();

private:
    void Say(RefereeCall call);
    void Rule(RulingKind kind, Side side, Decider decider) {
        events.Emit(Ruling{kind, side, Reason(decider, side)});
    }
    RulingReason Reason(Decider decider, Side side) const;
    void GiveRuling();
    void GiveCard(Side offender);
    void StopFencers();

    BoutView& view;
    const EventStream& events;
    RefereeTimers timers;
    PerSide<Fencer>& fencers;
    Opponent& opponent;
    Scoreboard& scores;
    Lamps& lamps;
    BoutClock& clock;
    const BoutOptions& options;
    const platform::Clock& time;
    std::function<void()> onGameOver;

    Phase phase = Phase::Engarde;
    RefereeCall pendingCall;
    PhraseOutcome outcome;
    PhraseNotes notes;
    // The time fenced at each fencer's last pass; a bout starts as if both had just passed.
    PerSide<int> lastPass{0, 0};
};

} // namespace pistework::game
