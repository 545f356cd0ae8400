#pragma once
// A headless window with both fencers on guard, as the referee's "Engarde" leaves them,
// for tests that fence a phrase without the referee.

#include "game/Game.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessForm.h"

#include <cstdint>
#include <functional>
#include <string>

namespace pistework::testing {

using game::Action;
using game::FencerState;
using game::Side;

struct Piste {
    platform::headless::HeadlessForm form;
    game::Game game;

    explicit Piste(std::int64_t startMilliseconds = 1'700'000'000'000)
        : form(startMilliseconds), game(form.Controls()) {
        game.FormCreate();
        form.TimerAutoPlay.SetEnabled(false);
        game::BoutOptions options = game.Options();
        options.hitSound = "beep.wav";
        options.parrySound = "start.wav";
        game.SetOptions(options);
        form.MediaPlayer.existingFiles = {"beep.wav", "start.wav"};
    }

    game::Fencer& A() { return game.FencerOn(Side::Left); }
    game::Fencer& B() { return game.FencerOn(Side::Right); }
    game::Fencer& F(Side side) { return game.FencerOn(side); }
    game::Opponent& Computer() { return game.Computer(); }

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
    }

    // Runs the clock of an untimed bout alone until `seconds` have been fenced since the bout
    // began, which counts as both fencers' last pass.
    void FenceSeconds(int seconds) {
        game::BoutOptions options = game.Options();
        options.timed = false;
        game.SetOptions(options);
        form.TimerClock.SetEnabled(true);
        form.scheduler.RunUntilTrue([&] { return game.Clock().SecondsFenced() >= seconds; },
                                    std::int64_t{seconds} * 1000 + 1000);
        form.TimerClock.SetEnabled(false);
    }

    const game::PhraseOutcome& Outcome() { return game.President().Outcome(); }
    const std::string& PendingCall() { return game.President().PendingCall(); }

    // Starts the phrase as the referee does: right timer first.
    void Fence() {
        form.TimerRight.SetEnabled(true);
        form.TimerLeft.SetEnabled(true);
    }
    bool Halted() const { return !form.TimerLeft.Enabled() && !form.TimerRight.Enabled(); }

    void TwoPlayers() { form.Menu("mnu2Player").Click(); }
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
