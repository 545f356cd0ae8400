#include "game/Actions.h"

#include <algorithm>

namespace pistework::game {

int sequenceLength(int action) {
    switch (action) {
    case Stand:
    case StandExtended: return 1;
    case StandParried: return 2;
    case FlecheRun:
    case FlecheRunParried:
    case ExtendInLunge:
    case BendInLunge:
    case ExtendInLungeParried: return 3;
    case Parry:
    case BentLunge: return 6;
    case DoubleParry: return 10;
    default: return 5;
    }
}

int armVariant(int action, bool armExtended) {
    if (armExtended) {
        if (action >= Stand && action <= Retreat) return action + 3;
    } else {
        if (action >= StandExtended && action <= RetreatExtended) return action - 3;
    }
    return action;
}

int parriedVariant(int action) {
    switch (action) {
    case Stand:
    case StandExtended: return StandParried;
    case Advance:
    case AdvanceExtended: return AdvanceParried;
    case Retreat:
    case RetreatExtended: return RetreatParried;
    case Lunge:
    case BentLunge: return LungeParried;
    case Fleche: return FlecheParried;
    case FlecheRun: return FlecheRunParried;
    case ExtendInLunge: return ExtendInLungeParried;
    case BendInLunge: return BendInLungeParried;
    default: return action;
    }
}

bool parryWindow(int action, int frameIndex) {
    switch (action) {
    case Parry:
    case LungeParry:
    case BentLungeParry: return frameIndex == 2 || frameIndex == 3;
    case DoubleParry: return frameIndex == 2 || frameIndex == 7;
    default: return false;
    }
}

std::span<const std::string_view> sequenceTable(int action) {
    switch (action) {
    case Advance: return advanceFrames;
    case Retreat: return retreatFrames;
    case AdvanceExtended: return advanceExtendedFrames;
    case RetreatExtended: return retreatExtendedFrames;
    case Lunge:
    case LungeParried: return lungeFrames;
    case StandParried: return standParriedFrames;
    case AdvanceParried: return advanceParriedFrames;
    case RetreatParried: return retreatParriedFrames;
    case Recover:
    case RecoverForward: return recoverFrames;
    case Fleche:
    case FlecheParried: return flecheFrames;
    case FlecheRun:
    case FlecheRunParried: return flecheRunFrames;
    case Parry: return parryFrames;
    case DoubleParry: return doubleParryFrames;
    case BentLunge: return bentLungeFrames;
    case RecoverBent:
    case RecoverForwardBent:
    case BendInLungeParried: return recoverBentFrames;
    case ExtendInLunge:
    case ExtendInLungeParried: return extendInLungeFrames;
    case BendInLunge: return bendInLungeFrames;
    case LungeParry: return lungeParryFrames;
    case BentLungeParry: return bentLungeParryFrames;
    default: return {};
    }
}

std::string_view frameBaseName(int action, int frameIndex, bool inLunge, bool armBent) {
    if (action == Stand || action == StandExtended) {
        if (inLunge) return armBent ? bentLungeFrames[5] : lungeFrames[4];
        return action == Stand ? "ENGARDE" : "ENGARDEX";
    }
    if (action == StandParried) return standParriedFrames[0];
    const auto table = sequenceTable(action);
    // A sequence never reads past its own length; clamp so a stray index cannot either.
    if (table.empty() || frameIndex < 0) return table.empty() ? "ENGARDE" : table[0];
    const auto last = static_cast<std::size_t>(sequenceLength(action) - 1);
    return table[std::min(static_cast<std::size_t>(frameIndex), last)];
}

std::string resourceName(std::string_view baseName, int side) {
    std::string name(baseName);
    name += side == 0 ? 'A' : 'B';
    return name;
}

} // namespace pistework::game
