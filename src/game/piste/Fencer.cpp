// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/piste/Fencer.h"

namespace pistework::game {

using enum Action;

bool Fencer::ShowFrame() {
    PlaceAt(left + FrameMove(state.action, state.frameIndex, side));
    // The attacker, and a parry in the frames where it catches, are drawn over the other.
    const bool front = IsDrawnInFront(state.action, state.frameIndex);
    ShowPicture(FrameBaseName(state.action, state.frameIndex, state.inLunge, state.armBent));
    ++state.frameIndex;
    return front;
}

bool Fencer::EndSequence() {
    if (state.frameIndex < state.frameCount) return false;
    state.frameIndex = 0;

    switch (state.action) {
    case Action::Advance:
    case AdvanceParried:
    case AdvanceExtended:
        ShowPicture(state.action == AdvanceExtended ? kAdvanceExtendedFrames[0]
                                                    : kAdvanceFrames[0]);
        PlaceAt(left + kStep * Forward(side));
        break;
    case Action::Fleche:
    case FlecheParried:
    case FlecheRun:
    case FlecheRunParried:
        ShowPicture(picture::kFlecheLanded);
        PlaceAt(left + kFlecheJump * Forward(side));
        break;
    default:
        break;
    }

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
}

void Fencer::ShowPicture(std::string_view baseName) {
    pose = ResourceName(baseName, side);
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

void Fencer::Obey(FencerCommand command) {
    switch (command) {
    case FencerCommand::Advance:
        return Advance();
    case FencerCommand::Extend:
        return Extend();
    case FencerCommand::Lunge:
        return Lunge();
    case FencerCommand::Retreat:
        return Retreat();
    case FencerCommand::Parry:
        return Parry();
    case FencerCommand::Fleche:
        return Fleche();
    }
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
