// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A headless game, and the hand-overs a fencer tick makes when it finds
// a hit or a pass, so the referee can be driven through exact phrases.

#include "game/Game.h"
#include "game/GameProbe.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using pistework::game::Verb;

namespace pistework::table {

using game::Side;

struct BoutTable {
    explicit BoutTable(std::int64_t start = 0) : form(start), game(form.Services()) {
        game.SetOnEvent([this](const game::BoutEvent& event) {
            if (const auto* made = std::get_if<game::CallMade>(&event)) calls.push_back(made->call);
        });
        game.Start();
    }

    std::int64_t Now() const { return form.scheduler.Now(); }
    const game::BoutView& View() const { return game.View(); }
    game::Call Call() const { return game.View().call.call; }
    const std::string& Pose(Side side) const { return game.View().fencers[side].pose; }
    game::GameProbe::TimerHandle Timer(std::string_view name) { return probe.Timer(name); }
    game::GameProbe::RefereeHandle Referee() { return probe.President(); }
    int Hits(Side side) const { return game.View().scores[side]; }
    // Both sides at once, left first, as the board and the piste show them.
    std::pair<int, int> Score() const { return {Hits(Side::Left), Hits(Side::Right)}; }
    std::string Poses() const { return Pose(Side::Left) + " " + Pose(Side::Right); }
    std::pair<int, int> Lefts() const {
        return {View().fencers[Side::Left].x, View().fencers[Side::Right].x};
    }

    // Runs until the referee lets the fencers go, which is the moment right after its
    // empty call; the fencers have not ticked yet.
    bool RunToFencing(std::int64_t limit = 60'000) {
        return form.scheduler.RunUntilTrue([this] { return timerLeft.Enabled(); }, limit);
    }

    // New Game, then the salute and the referee's restart up to the fencers moving.
    void StartPlayersBout() {
        game.Choose(Verb::NewGame);
        RunToFencing();
    }

    // What the tick of `side` leaves when its lunge lands.
    void Hit(Side side, bool offTarget = false, bool otherCountered = false) {
        Referee().NoteArrival(game::Opposite(side), {false, false, otherCountered});
        Referee().NoteArrival(side, {true, offTarget, false});
        Referee().CallHit(side);
    }

    // What the passing check leaves; `offence` is the fencer who ran past too soon.
    void Pass(std::optional<Side> offence = std::nullopt) {
        if (offence) probe.FencerOn(*offence).SetPosture({false, false, true, true});
        // Any pass within a minute of the last is too soon.
        Referee().CallPass(offence ? 60 : 0);
        if (offence) probe.FencerOn(*offence).SetPosture({});
    }

    // The fencers stand still while the bout clock runs on.
    void Stand(std::int64_t milliseconds) {
        timerLeft.SetEnabled(false);
        Timer("TimerRight").SetEnabled(false);
        form.scheduler.RunFor(milliseconds);
    }

    // Hits ruled by the referee's own calls, without waiting a second for each.
    void Score(Side side, int hits = 1) {
        for (int i = 0; i < hits; ++i) {
            Hit(side);
            for (int call = 0; call < 3; ++call)
                Referee().Tick(); // Halt, the call, the ruling
        }
    }

    // Ends the bout at once at the score on the board, as a time-out does.
    void EndBout() {
        Referee().TimeOut();
        Referee().Tick(); // Halt
        Referee().Tick(); // Game Over
    }

    platform::headless::HeadlessPlatform form;
    game::Game game;
    game::GameProbe probe{game};
    game::GameProbe::TimerHandle timerLeft = probe.Timer("TimerLeft");
    // Every call the referee has made, in order.
    std::vector<game::RefereeCall> calls;
};

} // namespace pistework::table
