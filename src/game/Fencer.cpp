#include "game/Fencer.h"

namespace pistework::game {

using enum Action;

Fencer::Fencer(Side side, int left, platform::Image& picture, platform::Image& copy)
    : side(side), left(left), picture(picture), copy(copy) {}

// The Qt shell paints only between handlers, so hiding, moving and reloading the picture
// inside one call never shows on screen: the copy picture need not stand in for the fencer
// and stays hidden throughout.
void Fencer::ShowFrame() {
    const int move = FrameMove(state.action, state.frameIndex, side);
    if (state.action == RecoverForward || state.action == RecoverForwardBent) {
        picture.SetVisible(false);
        PlaceAt(left + move);
    } else if (move != 0) {
        picture.SetVisible(false);
        picture.LoadFromResourceName(ResourceName(
            state.action == RetreatExtended ? retreatExtendedFrames[0] : retreatFrames[0], side));
        PlaceAt(left + move);
    }

    picture.SetTransparent(false);
    const std::string_view base =
        FrameBaseName(state.action, state.frameIndex, state.inLunge, state.armBent);
    // The attacker, and a parry in the frames where it catches, are drawn over the other.
    if (IsDrawnInFront(state.action, state.frameIndex)) {
        picture.BringToFront();
        copy.BringToFront();
    }
    picture.LoadFromResourceName(ResourceName(base, side));
    picture.SetVisible(true);
    picture.SetTransparent(true);
    copy.SetVisible(false);
    ++state.frameIndex;
}

bool Fencer::EndSequence() {
    if (state.frameIndex < state.frameCount) return false;
    state.frameIndex = 0;

    switch (state.action) {
    case Action::Advance:
    case AdvanceParried:
    case AdvanceExtended:
        picture.SetVisible(false);
        picture.LoadFromResourceName(ResourceName(
            state.action == AdvanceExtended ? advanceExtendedFrames[0] : advanceFrames[0], side));
        PlaceAt(left + kStep * Forward(side));
        break;
    case Action::Fleche:
    case FlecheParried:
    case FlecheRun:
    case FlecheRunParried:
        picture.SetVisible(false);
        picture.LoadFromResourceName(ResourceName(picture::kFlecheLanded, side));
        PlaceAt(left + kFlecheJump * Forward(side));
        break;
    default:
        break;
    }
    picture.SetVisible(true);
    copy.SetVisible(false);

    if (const auto posture = EndPosture(state.action)) SetPosture(*posture);
    return true;
}

void Fencer::UpdatePoints() {
    // The tick measures before it draws; the points must describe the frame it then shows,
    // so count the move that frame makes. Otherwise a retreating target would stand 10 px
    // forward of its picture for one tick, and a forward recovery 10 px behind it.
    const int shown = left + FrameMove(state.action, state.frameIndex, side);
    const EngardePoints& engarde = side == Side::Left ? kEngardeA : kEngardeB;
    const int unit = kPointUnit * Forward(side);
    const PointOffset o = PointOffsets(state.action, state.frameIndex, state.inLunge);
    state.tipX = shown + engarde.tip + o.tip * unit;
    state.guardX = shown + engarde.guard + o.guard * unit;
    state.bodyX = shown + engarde.body + o.body * unit;
}

void Fencer::SetPosture(const Posture& posture) {
    state.inLunge = posture.inLunge;
    state.armBent = posture.armBent;
    state.inFleche = posture.inFleche;
    state.armExtended = posture.armExtended;
}

void Fencer::StandOnGuard() {
    state.action = Stand;
    state.requestedAction = Stand;
    SetPosture({});
    state.frameIndex = 0;
    state.frameCount = 1;
}

void Fencer::PlaceAt(int newLeft) {
    left = newLeft;
    picture.SetLeft(left);
}

void Fencer::ShowPicture(std::string_view baseName) {
    picture.LoadFromResourceName(ResourceName(baseName, side));
}

// Early in a step the fencer turns round at once; later the turn waits for the step's end.
void Fencer::Advance() {
    if ((state.action == Action::Retreat || state.action == RetreatExtended) &&
        state.frameIndex < 3)
        state.action = ArmVariant(Action::Advance, state.armExtended);
    else
        state.requestedAction = ArmVariant(Action::Advance, state.armExtended);
}

void Fencer::Retreat() {
    if ((state.action == Action::Advance || state.action == AdvanceExtended) &&
        state.frameIndex < 3)
        state.action = ArmVariant(Action::Retreat, state.armExtended);
    else
        state.requestedAction = ArmVariant(Action::Retreat, state.armExtended);
}

void Fencer::Extend() {
    if (state.inLunge)
        state.requestedAction = state.armBent ? ExtendInLunge : BendInLunge;
    else
        state.armExtended = !state.armExtended;
}

void Fencer::Lunge() {
    if (state.inLunge)
        state.requestedAction = state.armBent ? RecoverBent : Recover;
    else
        state.requestedAction = state.armExtended ? Action::Lunge : BentLunge;
}

void Fencer::Parry() {
    if (state.action == Action::Parry && state.frameIndex < 3) {
        state.action = DoubleParry;
        state.frameCount = SequenceLength(DoubleParry);
    } else if (state.armBent) {
        state.requestedAction = BentLungeParry;
    } else if (state.inLunge) {
        state.requestedAction = LungeParry;
    } else {
        state.requestedAction = Action::Parry;
    }
}

void Fencer::Fleche() {
    if (state.inLunge)
        state.requestedAction = state.armBent ? RecoverForwardBent : RecoverForward;
    else
        state.requestedAction = Action::Fleche;
}

void Fencer::TakeUpRequest() {
    state.action = Stand;
    if (state.inFleche && !state.inLunge) {
        state.action = state.armExtended ? FlecheRun : FlecheRunParried;
        return;
    }

    Action r = state.requestedAction;
    switch (r) {
    case Action::Lunge:
        if (!state.armExtended || state.inFleche) r = Stand;
        if (state.inLunge) r = Recover;
        break;
    case Recover:
    case RecoverBent:
    case ExtendInLunge:
    case BendInLunge:
    case RecoverForward:
    case RecoverForwardBent:
    case LungeParry:
    case BentLungeParry:
        if (!state.inLunge) r = Stand;
        break;
    case Action::Fleche:
        if (!state.armExtended || state.inLunge) r = Stand;
        break;
    default:
        if (state.inLunge) r = Stand;
        break;
    }

    state.action = r;
    if (r == ExtendInLunge) state.armExtended = true;
    state.requestedAction = state.armExtended ? StandExtended : Stand;
    if (RoomBehind() < kRetreatRoom && state.action == Action::Retreat) state.action = Stand;
}

} // namespace pistework::game
