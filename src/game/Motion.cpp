#include "game/Motion.h"

#include "game/Game.h"

#include <algorithm>
#include <initializer_list>

namespace pistework::game {

namespace {

// Row k of a per-frame table; an action replaced in mid-sequence may run past its own rows,
// and then keeps its last one.
PointOffset Row(int k, std::initializer_list<PointOffset> rows) {
    const int last = static_cast<int>(rows.size()) - 1;
    return rows.begin()[std::clamp(k, 0, last)];
}

// A fencer standing in a lunge, whatever arm it holds there.
constexpr PointOffset kHeldLunge{6, 7, 4};

// How far the frame about to be shown moves the image: a retreat steps back as it begins, a
// forward recovery brings the rear foot up on each frame after its first.
int FrameMove(const FencerState& f, int side) {
    const int back = side == kLeft ? -kStep : kStep;
    switch (f.action) {
    case Retreat:
    case RetreatExtended:
    case RetreatParried: return f.frameIndex == 0 ? back : 0;
    case RecoverForward:
    case RecoverForwardBent: return f.frameIndex == 0 ? 0 : -back;
    default: return 0;
    }
}

} // namespace

PointOffset PointOffsets(int action, int k, bool inLunge) {
    switch (action) {
    case Stand: return inLunge ? kHeldLunge : PointOffset{0, 0, 0};
    case StandExtended:
    case StandParried:
    case Parry:
    case DoubleParry: return inLunge ? kHeldLunge : PointOffset{1, 1, 0};
    case Advance: return Row(k, {{0, 0, 0}, {1, 1, 1}, {1, 1, 1}, {2, 2, 2}, {2, 2, 2}});
    case AdvanceExtended:
    case AdvanceParried: return Row(k, {{1, 1, 0}, {2, 2, 1}, {2, 2, 1}, {3, 3, 2}, {3, 3, 2}});
    // A retreat has already stepped back on its first frame, so it starts from further on.
    case Retreat: return Row(k, {{2, 2, 2}, {2, 2, 2}, {1, 1, 1}, {1, 1, 1}, {0, 0, 0}});
    case RetreatExtended:
    case RetreatParried: return Row(k, {{3, 3, 2}, {3, 3, 2}, {2, 2, 1}, {2, 2, 1}, {2, 2, 1}});
    case Lunge:
    case LungeParried: return Row(k, {{1, 1, 0}, {1, 1, 0}, {2, 2, 1}, {4, 4, 3}, {6, 6, 5}});
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
    case FlecheParried: return Row(k, {{1, 1, 0}, {1, 1, 0}, {2, 2, 1}, {4, 4, 3}, {8, 8, 7}});
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
    case ExtendInLungeParried: return Row(k, {{4, 4, 6}, {5, 5, 6}, {6, 6, 6}});
    case BendInLunge: return Row(k, {{6, 6, 6}, {5, 5, 6}, {4, 4, 6}});
    case LungeParry: return Row(k, {{5, 5, 6}, {4, 4, 6}, {3, 3, 6}});
    case BentLungeParry: return Row(k, {{4, 4, 6}, {3, 3, 6}});
    default: return {};
    }
}

std::optional<Posture> EndPosture(int action) {
    switch (action) {
    case Lunge:
    case ExtendInLunge: return Posture{true, false, false, true};
    case LungeParried:
    case ExtendInLungeParried: return Posture{true, false, false, false};
    case BentLunge:
    case BendInLunge:
    case LungeParry:
    case BentLungeParry: return Posture{true, true, false, false};
    case Fleche:
    case FlecheRun: return Posture{false, false, true, true};
    case FlecheParried:
    case FlecheRunParried: return Posture{false, false, true, false};
    case StandParried:
    case AdvanceParried:
    case RetreatParried:
    case Recover:
    case RecoverBent:
    case RecoverForward:
    case RecoverForwardBent:
    case BendInLungeParried: return Posture{};
    default: return std::nullopt;
    }
}

// The Qt shell paints only between handlers, so hiding, moving and reloading an image inside
// one call never shows on screen: the copy images need not stand in for the fencer here and
// stay hidden throughout.

void Game::ShowFrame(int side) {
    FencerState& f = fencer[side];
    platform::Image& img = FencerImage(side);
    platform::Image& copy = side == kLeft ? c.imgFencerATemp : c.imgFencerBTemp;
    const int move = FrameMove(f, side);

    if (f.action == RecoverForward || f.action == RecoverForwardBent) {
        img.SetVisible(false);
        img.SetLeft(img.Left() + move);
    } else if (move != 0) {
        img.SetVisible(false);
        img.LoadFromResourceName(resourceName(
            f.action == RetreatExtended ? retreatExtendedFrames[0] : retreatFrames[0], side));
        img.SetLeft(img.Left() + move);
    }

    img.SetTransparent(false);
    const std::string_view base = frameBaseName(f.action, f.frameIndex, f.inLunge, f.armBent);

    // The attacker, and a parry in the frames where it catches, are drawn over the other fencer.
    bool front = false;
    switch (f.action) {
    case Lunge:
    case Fleche:
    case FlecheRun:
    case FlecheParried:
    case FlecheRunParried:
    case ExtendInLunge: front = true; break;
    case Parry:
    case DoubleParry:
    case LungeParry:
    case BentLungeParry: front = parryWindow(f.action, f.frameIndex); break;
    default: break;
    }
    if (front) {
        img.BringToFront();
        copy.BringToFront();
    }

    img.LoadFromResourceName(resourceName(base, side));
    img.SetVisible(true);
    img.SetTransparent(true);
    copy.SetVisible(false);
    ++f.frameIndex;
}

bool Game::EndSequence(int side) {
    FencerState& f = fencer[side];
    if (f.frameIndex < f.frameCount) return false;
    f.frameIndex = 0;

    platform::Image& img = FencerImage(side);
    platform::Image& copy = side == kLeft ? c.imgFencerATemp : c.imgFencerBTemp;
    const int fwd = side == kLeft ? kStep : -kStep;
    const int jump = side == kLeft ? kFlecheJump : -kFlecheJump;

    switch (f.action) {
    case Advance:
    case AdvanceParried:
    case AdvanceExtended:
        img.SetVisible(false);
        img.LoadFromResourceName(resourceName(
            f.action == AdvanceExtended ? advanceExtendedFrames[0] : advanceFrames[0], side));
        img.SetLeft(img.Left() + fwd);
        break;
    case Fleche:
    case FlecheParried:
    case FlecheRun:
    case FlecheRunParried:
        img.SetVisible(false);
        img.LoadFromResourceName(resourceName("FLECHE1", side));
        img.SetLeft(img.Left() + jump);
        break;
    default: break;
    }
    img.SetVisible(true);
    copy.SetVisible(false);

    if (const auto posture = EndPosture(f.action)) {
        f.inLunge = posture->inLunge;
        f.armBent = posture->armBent;
        f.inFleche = posture->inFleche;
        f.armExtended = posture->armExtended;
    }
    return true;
}

void Game::UpdatePoints(int side) {
    FencerState& f = fencer[side];
    // The tick measures before it draws; the points must describe the frame it then shows,
    // so count the move that frame makes. Otherwise a retreating target would stand 10 px
    // forward of its picture for one tick, and a forward recovery 10 px behind it.
    const int left = FencerImage(side).Left() + FrameMove(f, side);
    const EngardePoints& engarde = side == kLeft ? kEngardeA : kEngardeB;
    const int s = side == kLeft ? kPointUnit : -kPointUnit;
    const PointOffset o = PointOffsets(f.action, f.frameIndex, f.inLunge);
    f.tipX = left + engarde.tip + o.tip * s;
    f.guardX = left + engarde.guard + o.guard * s;
    f.bodyX = left + engarde.body + o.body * s;
}

} // namespace pistework::game
