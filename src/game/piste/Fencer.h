// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One fencer: its record, where it stands, the picture it shows, the frames it plays and the
// player's commands. A plain value, copied with the bout.

#include "game/piste/FencerState.h"
#include "game/piste/FencerView.h"
#include "game/piste/Fields.h"
#include "game/piste/Geometry.h"
#include "game/piste/Motion.h"
#include "game/piste/Side.h"

#include <string>
#include <string_view>

namespace pistework::game {

// What a player can tell a fencer, in the order of each side's keys.
// A network guest sends its commands as these numbers.
enum class FencerCommand { Advance = 0, Extend = 1, Lunge = 2, Retreat = 3, Parry = 4, Fleche = 5 };

class Fencer {
public:
    Fencer(Side side, int left) : side(side), left(left) {}

    Side OwnSide() const { return side; }
    const FencerState& State() const { return state; }
    Action CurrentAction() const { return state.action; }
    // The left edge of the fencer's picture.
    int Left() const { return left; }
    // How far the fencer could still retreat before the end of the piste.
    int RoomBehind() const { return side == Side::Left ? left : kPisteRightEnd - left; }
    // What the piste shows of the fencer.
    FencerView Picture() const { return {pose, left}; }

    // --- Frame stepping: one frame per tick, then the sequence ends and leaves a posture.
    // True when the frame shown is drawn over the other fencer.
    bool ShowFrame();
    // True when the running sequence has played all its frames; then it has ended.
    bool EndSequence();
    // Measures the reference points of the frame the next ShowFrame draws.
    void UpdatePoints();

    // --- What the tick, the opponent and the referee decide for the fencer.
    // Replaces the running action; the frame count stays, so it ends when the old one would.
    void SetAction(Action action) { state.action = action; }
    // Gives the running action its own number of frames.
    void CountFrames() { state.frameCount = SequenceLength(state.action); }
    void SetArmExtended(bool extended) { state.armExtended = extended; }
    void SetPosture(const Posture& posture);
    // Standing engarde with nothing requested, as after the referee's "Engarde".
    void StandOnGuard();
    void PlaceAt(int newLeft);
    // Shows a picture outside the sequences (salute, victory, defeat) by its base name.
    void ShowPicture(std::string_view baseName);

    // --- The player's commands leave a request that the next sequence end takes up.
    void Advance();
    void Retreat();
    void Extend();
    void Lunge();
    void Parry();
    void Fleche();
    void Obey(FencerCommand command);
    // At a sequence end: the request the player left, where the posture allows it.
    void TakeUpRequest();

    bool operator==(const Fencer&) const = default;
    template <typename Self, typename Visit> static void Fields(Self& self, Visit& v) {
        auto& s = self.state;
        v.Add(self.side, s.action, s.requestedAction, s.inLunge, s.armBent, s.inFleche,
              s.armExtended, In(s.frameIndex, 0, kMostFrames), In(s.frameCount, 0, kMostFrames),
              In(s.bodyX, -kFarX, kFarX), In(s.guardX, -kFarX, kFarX), In(s.tipX, -kFarX, kFarX),
              In(self.left, -kFarX, kFarX), self.pose);
    }

private:
    Side side;
    FencerState state;
    int left;
    std::string pose;
};

} // namespace pistework::game
