#pragma once
// A headless window with both fencers on guard, as the referee's "Engarde" leaves them,
// for tests that fence a phrase without the referee.

#include "game/Game.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessForm.h"

#include <cstdint>
#include <functional>

namespace pistework::testing {

using game::FencerState;
using game::kLeft;
using game::kRight;

struct Piste {
    platform::headless::HeadlessForm form;
    game::Game game;

    explicit Piste(std::int64_t startMilliseconds = 1'700'000'000'000)
        : form(startMilliseconds), game(form.Controls()) {
        game.FormCreate();
        form.TimerAutoPlay.SetEnabled(false);
        game.beepSoundPath = "beep.wav";
        game.startSoundPath = "start.wav";
        form.MediaPlayer.existingFiles = {"beep.wav", "start.wav"};
    }

    FencerState& A() { return game.fencer[kLeft]; }
    FencerState& B() { return game.fencer[kRight]; }

    void OnGuard(int leftA = 106, int leftB = 244) {
        form.imgFencerA.SetLeft(leftA);
        form.imgFencerB.SetLeft(leftB);
        for (int side : {kLeft, kRight}) {
            FencerState& f = game.fencer[side];
            f = FencerState{};
            f.frameCount = 1;
            game.keepAdvancing[side] = false;
            game.attackPrepared[side] = false;
            game.preparedCount[side] = 0;
        }
        for (int side : {kLeft, kRight}) game.ShowFrame(side);
        for (int side : {kLeft, kRight}) game.UpdatePoints(side);
    }

    // Starts the phrase as the referee does: right timer first.
    void Fence() {
        form.TimerRight.SetEnabled(true);
        form.TimerLeft.SetEnabled(true);
    }
    bool Halted() const { return !form.TimerLeft.Enabled() && !form.TimerRight.Enabled(); }

    void TwoPlayers() { form.Menu("mnu2Player").Click(); }
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
