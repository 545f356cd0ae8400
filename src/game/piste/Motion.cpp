// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/piste/Motion.h"

#include "game/piste/Geometry.h"

#include <algorithm>
#include <initializer_list>

namespace pistework::game {

using enum Action;

namespace {

// Row k of a per-frame table; an action replaced in mid-sequence may run past its own rows,
// and then keeps its last one.
PointOffset Row(int k, std::initializer_list<PointOffset> rows) {
    const int last = static_cast<int>(rows.size()) - 1;
    return rows.begin()[std::clamp(k, 0, last)];
}

// A fencer standing in a lunge, whatever arm it holds there.
constexpr PointOffset kHeldLunge{6, 7, 4};

} // namespace

int FrameMove(Action action, int frameIndex, Side side) {
    const int back = -kStep * Forward(side);
    switch (action) {
    case Retreat:
    case RetreatExtended:
    case RetreatParried:
        return frameIndex == 0 ? back : 0;
    case RecoverForward:
    case RecoverForwardBent:
        return frameIndex == 0 ? 0 : -back;
    default:
        return 0;
    }
}

PointOffset PointOffsets(Action action, int k, bool inLunge) {
    switch (action) {
    case Stand:
        return inLunge ? kHeldLunge : PointOffset{0, 0, 0};
    case StandExtended:
    case StandParried:
    case Parry:
    case DoubleParry:
        return inLunge ? kHeldLunge : PointOffset{1, 1, 0};
    case Advance:
        return Row(k, {{0, 0, 0}, {1, 1, 1}, {1, 1, 1}, {2, 2, 2}, {2, 2, 2}});
    case AdvanceExtended:
    case AdvanceParried:
        return Row(k, {{1, 1, 0}, {2, 2, 1}, {2, 2, 1}, {3, 3, 2}, {3, 3, 2}});
    // A retreat has already stepped back on its first frame, so it starts from further on.
    case Retreat:
        return Row(k, {{2, 2, 2}, {2, 2, 2}, {1, 1, 1}, {1, 1, 1}, {0, 0, 0}});
    case RetreatExtended:
    case RetreatParried:
        return Row(k, {{3, 3, 2}, {3, 3, 2}, {2, 2, 1}, {2, 2, 1}, {2, 2, 1}});
    case Lunge:
    case LungeParried:
        return Row(k, {{1, 1, 0}, {1, 1, 0}, {2, 2, 1}, {4, 4, 3}, {6, 6, 5}});
    case BentLunge:
        return Row(k, {{0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {3, 3, 3}, {5, 5, 5}, {0, 0, 0}});
    // The forward recoveries move their image instead, so they share the backward rows.
    case Recover:
    case RecoverBent:
    case RecoverForward:
    case RecoverForwardBent:
    case BendInLungeParried:
        return Row(k, {{6, 6, 5}, {4, 4, 3}, {2, 2, 1}, {1, 1, 0}, {0, 0, 0}});
    case Fleche:
    case FlecheParried:
        return Row(k, {{1, 1, 0}, {1, 1, 0}, {2, 2, 1}, {4, 4, 3}, {8, 8, 7}});
    case FlecheRun:
    case FlecheRunParried: {
        PointOffset p = Row(k, {{4, 4, 2}, {6, 6, 4}, {8, 8, 6}});
        if (inLunge) {
            p.tip += 5;
            p.guard += 6;
            p.body += 4;
        }
        return p;
    }
    case ExtendInLunge:
    case ExtendInLungeParried:
        return Row(k, {{4, 4, 6}, {5, 5, 6}, {6, 6, 6}});
    case BendInLunge:
        return Row(k, {{6, 6, 6}, {5, 5, 6}, {4, 4, 6}});
    case LungeParry:
        return Row(k, {{5, 5, 6}, {4, 4, 6}, {3, 3, 6}});
    case BentLungeParry:
        return Row(k, {{4, 4, 6}, {3, 3, 6}});
    default:
        return {};
    }
}

std::optional<Posture> EndPosture(Action action) {
    switch (action) {
    case Lunge:
    case ExtendInLunge:
        return Posture{true, false, false, true};
    case LungeParried:
    case ExtendInLungeParried:
        return Posture{true, false, false, false};
    case BentLunge:
    case BendInLunge:
    case LungeParry:
    case BentLungeParry:
        return Posture{true, true, false, false};
    case Fleche:
    case FlecheRun:
        return Posture{false, false, true, true};
    case FlecheParried:
    case FlecheRunParried:
        return Posture{false, false, true, false};
    case StandParried:
    case AdvanceParried:
    case RetreatParried:
    case Recover:
    case RecoverBent:
    case RecoverForward:
    case RecoverForwardBent:
    case BendInLungeParried:
        return Posture{};
    default:
        return std::nullopt;
    }
}

} // namespace pistework::game
