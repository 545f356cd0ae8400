// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A headless game with both fencers on guard, as the referee's "Engarde" leaves them, for
// tests that fence a phrase without the referee.

#include "game/Game.h"
#include "game/GameProbe.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdint>
#include <functional>
#include <string>

using pistework::game::Verb;

namespace pistework::testing {

using game::Action;
using game::FencerState;
using game::Side;

struct Piste {
    platform::headless::HeadlessPlatform form;
    game::Game game;
    game::GameProbe probe{game};
    game::GameProbe::TimerHandle timerLeft = probe.Timer("TimerLeft");
    game::GameProbe::TimerHandle timerRight = probe.Timer("TimerRight");

    explicit Piste(std::int64_t startMilliseconds = 1'700'000'000'000)
        : form(startMilliseconds), game(form.Services()) {
        game.Start();
        probe.Timer("TimerAutoPlay").SetEnabled(false);
        game::BoutOptions options = game.Options();
        options.hitSound = "beep.wav";
        options.parrySound = "start.wav";
        probe.SetOptions(options);
        form.sound.existingFiles = {"beep.wav", "start.wav"};
    }

    game::Fencer& A() { return probe.FencerOn(Side::Left); }
    game::Fencer& B() { return probe.FencerOn(Side::Right); }
    game::Fencer& F(Side side) { return probe.FencerOn(side); }
    game::Opponent& Computer() { return probe.Computer(); }
    std::string Pose(Side side) { return F(side).Picture().pose; }
    // A command button: the buttons command the player's fencer on the right.
    void Click(game::FencerCommand command) {
        game.Command(game::CommandSource::Buttons, Side::Right, command);
    }

    // Both fencers standing engarde with their pictures at these Lefts.
    void OnGuard(int leftA = 106, int leftB = 244) {
        A().PlaceAt(leftA);
        B().PlaceAt(leftB);
        for (Side side : game::kSides)
            F(side).StandOnGuard();
        Computer().ForgetPlans();
        for (Side side : game::kSides)
            F(side).ShowFrame();
        for (Side side : game::kSides)
            F(side).UpdatePoints();
        probe.Show();
    }

    // A fencer `frameIndex` frames into `action`, in `posture`, with nothing requested. Its
    // reference points stay where they were until UpdatePoints; a retreat has stepped back.
    void Playing(Side side, Action action, int frameIndex, const game::Posture& posture = {}) {
        game::Fencer& f = F(side);
        f.StandOnGuard();
        f.SetPosture(posture);
        f.SetAction(action);
        f.CountFrames();
        for (int k = 0; k < frameIndex; ++k)
            f.ShowFrame();
        probe.Show();
    }

    // Runs the clock of an untimed bout alone until `seconds` have been fenced since the bout
    // began, which counts as both fencers' last pass.
    void FenceSeconds(int seconds) {
        game::BoutOptions options = game.Options();
        options.timed = false;
        probe.SetOptions(options);
        auto clock = probe.Timer("TimerClock");
        clock.SetEnabled(true);
        form.scheduler.RunUntilTrue([&] { return probe.Clock().SecondsFenced() >= seconds; },
                                    std::int64_t{seconds} * 1000 + 1000);
        clock.SetEnabled(false);
    }

    game::PhraseOutcome Outcome() { return probe.President().Outcome(); }
    game::RefereeCall PendingCall() { return probe.President().PendingCall(); }

    // Starts the phrase as the referee does: right timer first.
    void Fence() {
        timerRight.SetEnabled(true);
        timerLeft.SetEnabled(true);
    }
    // A hit or a pass stops both fencers until the referee lets them go again.
    bool Halted() const { return !timerLeft.Enabled() && !timerRight.Enabled(); }

    void TwoPlayers() { game.Choose(Verb::ChooseTwoPlayers); }
    void SetStrength(int range, int speed = 100) { Computer().SetStrength({range, speed}); }
};

// The first whole second at or after `from` whose fresh draws satisfy `wanted`; the opponent
// reseeds from whole seconds, so a test can pick the draws it needs by picking the time.
inline std::int64_t SecondWhere(const std::function<bool(platform::LcgRandom&)>& wanted,
                                std::int64_t from = 1'700'000'000) {
    for (std::int64_t s = from;; ++s) {
        platform::LcgRandom r;
        r.Seed(static_cast<std::uint32_t>(s));
        if (wanted(r)) return s;
    }
}

} // namespace pistework::testing
