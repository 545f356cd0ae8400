// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The referee (the President): one call a second from "Engarde" to "Fence", then, once a tick
// has found a hit or a pass, "Halt", the call, the ruling and either the next "Engarde" or
// "Game Over". It keeps the outcome of the phrase being fenced and returns the fencers to
// their lines. It holds only its own state and acts on the piste it is given.

#include "game/bout/BoutParts.h"
#include "game/piste/Hits.h"

#include <cstdint>
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
    bool operator==(const PhraseOutcome&) const = default;
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
    bool operator==(const PhraseNotes&) const = default;
};

class Referee {
public:
    Phase CurrentPhase() const { return phase; }
    const PhraseOutcome& Outcome() const { return outcome; }
    // What the referee will call after "Halt".
    const RefereeCall& PendingCall() const { return pendingCall; }

    // A new bout: the referee starts at "Engarde" when the salute ends.
    void StartBout();
    // One call a second; true after "Game Over".
    bool Tick(BoutParts& piste);
    void FlashLamps(BoutParts& piste) const;
    // From the fencer ticks: what a point did, a hit, the fencers running past each other.
    void NoteArrival(Side attacker, const Arrival& arrival, std::int64_t now);
    // A lunge or flèche begins with `gap` between the blade tips; a parry catches the blade.
    void NoteAttack(Side attacker, std::optional<int> gap, std::int64_t now);
    void NoteParry(Side parrier);
    void CallHit(BoutParts& piste, Side hitter);
    // `window` is the fresh draw of seconds within which a second pass is an offence.
    void CallPass(BoutParts& piste, int window);
    // From the clock: a timed bout's time has run out.
    void TimeOut(BoutParts& piste);
    void ReturnToEngarde(BoutParts& piste);

    bool operator==(const Referee&) const = default;
    template <typename Self, typename Visit> static void Fields(Self& self, Visit& v) {
        auto& outcome = self.outcome;
        auto& notes = self.notes;
        v.Add(self.phase, self.pendingCall.call, self.pendingCall.side, outcome.hitBy,
              outcome.offTarget, outcome.passed, notes.halted, notes.pointPast, notes.fleche,
              notes.secondsSincePass, notes.secondsAllowed);
        for (Side s : kSides)
            v.Add(outcome.counter[s], outcome.offence[s], notes.attackBegan[s],
                  notes.gapAtAttack[s], notes.counterArrived[s], notes.parried[s],
                  self.lastPass[s]);
    }

private:
    void Rule(BoutParts& piste, RulingKind kind, Side side, Decider decider) const {
        piste.Emit(Ruling{kind, side, Reason(decider, side)});
    }
    RulingReason Reason(Decider decider, Side side) const;
    void GiveRuling(BoutParts& piste);
    void GiveCard(BoutParts& piste, Side offender);

    Phase phase = Phase::Engarde;
    RefereeCall pendingCall;
    PhraseOutcome outcome;
    PhraseNotes notes;
    // The time fenced at each fencer's last pass; a bout starts as if both had just passed.
    PerSide<int> lastPass{0, 0};
};

} // namespace pistework::game
