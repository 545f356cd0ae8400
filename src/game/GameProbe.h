// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Set-up and readings that no player can make, for the tests, the balance simulator, the
// fuzzer and the benchmarks: fencing a phrase without the referee, choosing the strengths of
// a demonstration, reading the parts of the bout. The window never includes this.

#include "game/Game.h"

namespace pistework::game {

class GameProbe {
public:
    explicit GameProbe(Game& game) : game(game) {}

    Fencer& FencerOn(Side side) { return game.bout.fencers[side]; }
    Opponent& Computer() { return game.bout.opponent; }
    Referee& President() { return game.bout.referee; }
    const Scoreboard& Scores() const { return game.bout.scores; }
    const BoutClock& Clock() const { return game.bout.clock; }
    bool Demonstrating() const { return game.bout.demoMode; }
    bool Paused() const { return game.gamePaused; }

    void SetOptions(const BoutOptions& options) {
        game.SetOptions(options);
        game.Publish();
    }
    void SetDemonstrating(bool on) { game.bout.demoMode = on; }
    // One tick of a fencer, as its timer gives it.
    void FencerTick(Side side) {
        game.bout.FencerTick(side);
        game.Publish();
    }
    // What the computer fences each side of a demonstration at.
    void SetDemonstrationStrengths(const PerSide<Strength>& strengths) {
        game.bout.demoStrengths = strengths;
    }
    // The computer's plan in progress for a side, read or set as a phrase would leave it.
    bool AttackPrepared(Side side) const { return game.bout.opponent.plans[side].attackPrepared; }
    bool KeepsAdvancing(Side side) const { return game.bout.opponent.plans[side].keepAdvancing; }
    void PrepareAttack(Side side, int decisionsSince) {
        game.bout.opponent.plans[side].attackPrepared = true;
        game.bout.opponent.plans[side].preparedCount = decisionsSince;
    }
    void KeepAdvancing(Side side) { game.bout.opponent.plans[side].keepAdvancing = true; }

private:
    Game& game;
};

} // namespace pistework::game
