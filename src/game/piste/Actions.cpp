// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/piste/Actions.h"

#include <algorithm>
#include <set>

namespace pistework::game {

using enum Action;

int SequenceLength(Action action) {
    switch (action) {
    case Stand:
    case StandExtended:
        return 1;
    case StandParried:
        return 2;
    case FlecheRun:
    case FlecheRunParried:
    case ExtendInLunge:
    case BendInLunge:
    case ExtendInLungeParried:
        return 3;
    case Parry:
    case BentLunge:
        return 6;
    case DoubleParry:
        return 10;
    default:
        return 5;
    }
}

Action ArmVariant(Action action, bool armExtended) {
    switch (action) {
    case Stand:
        return armExtended ? StandExtended : Stand;
    case StandExtended:
        return armExtended ? StandExtended : Stand;
    case Advance:
        return armExtended ? AdvanceExtended : Advance;
    case AdvanceExtended:
        return armExtended ? AdvanceExtended : Advance;
    case Retreat:
        return armExtended ? RetreatExtended : Retreat;
    case RetreatExtended:
        return armExtended ? RetreatExtended : Retreat;
    default:
        return action;
    }
}

Action ParriedVariant(Action action) {
    switch (action) {
    case Stand:
    case StandExtended:
        return StandParried;
    case Advance:
    case AdvanceExtended:
        return AdvanceParried;
    case Retreat:
    case RetreatExtended:
        return RetreatParried;
    case Lunge:
    case BentLunge:
        return LungeParried;
    case Fleche:
        return FlecheParried;
    case FlecheRun:
        return FlecheRunParried;
    case ExtendInLunge:
        return ExtendInLungeParried;
    case BendInLunge:
        return BendInLungeParried;
    default:
        return action;
    }
}

bool ParryWindow(Action action, int frameIndex) {
    switch (action) {
    case Parry:
    case LungeParry:
    case BentLungeParry:
        return frameIndex == 2 || frameIndex == 3;
    case DoubleParry:
        return frameIndex == 2 || frameIndex == 7;
    default:
        return false;
    }
}

bool IsCommitted(Action action) {
    switch (action) {
    case Lunge:
    case StandParried:
    case AdvanceParried:
    case RetreatParried:
    case LungeParried:
    case Recover:
    case Fleche:
    case FlecheRun:
    case FlecheParried:
    case FlecheRunParried:
    case BentLunge:
    case RecoverBent:
    case ExtendInLunge:
    case ExtendInLungeParried:
        return true;
    default:
        return false;
    }
}

bool IsLungeArrival(Action action) {
    return action == Lunge || action == ExtendInLunge;
}

bool IsFlecheArrival(Action action) {
    return action == Fleche || action == FlecheRun;
}

bool StartsAttack(Action action) {
    return action == Lunge || action == BentLunge || action == Fleche || action == ExtendInLunge;
}

bool IsDrawnInFront(Action action, int frameIndex) {
    switch (action) {
    case Lunge:
    case Fleche:
    case FlecheRun:
    case FlecheParried:
    case FlecheRunParried:
    case ExtendInLunge:
        return true;
    case Parry:
    case DoubleParry:
    case LungeParry:
    case BentLungeParry:
        return ParryWindow(action, frameIndex);
    default:
        return false;
    }
}

std::span<const std::string_view> SequenceTable(Action action) {
    switch (action) {
    case Advance:
        return kAdvanceFrames;
    case Retreat:
        return kRetreatFrames;
    case AdvanceExtended:
        return kAdvanceExtendedFrames;
    case RetreatExtended:
        return kRetreatExtendedFrames;
    case Lunge:
    case LungeParried:
        return kLungeFrames;
    case StandParried:
        return kStandParriedFrames;
    case AdvanceParried:
        return kAdvanceParriedFrames;
    case RetreatParried:
        return kRetreatParriedFrames;
    case Recover:
    case RecoverForward:
        return kRecoverFrames;
    case Fleche:
    case FlecheParried:
        return kFlecheFrames;
    case FlecheRun:
    case FlecheRunParried:
        return kFlecheRunFrames;
    case Parry:
        return kParryFrames;
    case DoubleParry:
        return kDoubleParryFrames;
    case BentLunge:
        return kBentLungeFrames;
    case RecoverBent:
    case RecoverForwardBent:
    case BendInLungeParried:
        return kRecoverBentFrames;
    case ExtendInLunge:
    case ExtendInLungeParried:
        return kExtendInLungeFrames;
    case BendInLunge:
        return kBendInLungeFrames;
    case LungeParry:
        return kLungeParryFrames;
    case BentLungeParry:
        return kBentLungeParryFrames;
    default:
        return {};
    }
}

std::string_view FrameBaseName(Action action, int frameIndex, bool inLunge, bool armBent) {
    if (action == Stand || action == StandExtended) {
        if (inLunge) return armBent ? kBentLungeFrames[5] : kLungeFrames[4];
        return action == Stand ? picture::kEngarde : picture::kEngardeExtended;
    }
    if (action == StandParried) return kStandParriedFrames[0];
    const auto table = SequenceTable(action);
    // A sequence never reads past its own length; clamp so a stray index cannot either.
    if (table.empty() || frameIndex < 0) return table.empty() ? picture::kEngarde : table[0];
    const auto last = static_cast<std::size_t>(SequenceLength(action) - 1);
    return table[std::min(static_cast<std::size_t>(frameIndex), last)];
}

std::string ResourceName(std::string_view baseName, Side side) {
    std::string name(baseName);
    name += Suffix(side);
    return name;
}

std::vector<std::string> AllPictureNames() {
    using namespace picture;
    std::set<std::string_view> bases{kEngarde, kEngardeExtended, kFlecheLanded, kVictory,
                                     kDefeat,  kLampOff,         kLampOn,       kLampOffTarget};
    bases.insert(kSalute.begin(), kSalute.end());
    for (int code = 0; code < kActionCount; ++code)
        for (std::string_view name : SequenceTable(static_cast<Action>(code)))
            if (!name.empty()) bases.insert(name);
    std::vector<std::string> names;
    for (std::string_view base : bases)
        for (Side side : kSides)
            names.push_back(ResourceName(base, side));
    return names;
}

} // namespace pistework::game
