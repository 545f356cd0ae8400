// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/piste/Reach.h"

#include "game/piste/Geometry.h"

#include <map>
#include <string>
#include <string_view>

namespace pistework::game {

namespace {

// Each picture's offsets as the first frame that shows it has them: every picture stays within
// a unit of every frame that shows it, which the sprites' own tests hold to.
const std::map<std::string, PointOffset, std::less<>>& OffsetsByPicture() {
    static const auto offsets = [] {
        std::map<std::string, PointOffset, std::less<>> map;
        for (bool inLunge : {false, true})
            for (bool bent : {false, true})
                for (int code = 0; code < kActionCount; ++code) {
                    const auto action = static_cast<Action>(code);
                    for (int k = 0; k < SequenceLength(action); ++k)
                        map.try_emplace(std::string(FrameBaseName(action, k, inLunge, bent)),
                                        PointOffsets(action, k, inLunge));
                }
        return map;
    }();
    return offsets;
}

bool Attacking(std::string_view base) {
    return base.starts_with("LUNGE") || base.starts_with("FLECHE") || base.starts_with("CRAMP");
}

std::string_view Base(const FencerView& fencer) {
    std::string_view name = fencer.pose;
    if (!name.empty()) name.remove_suffix(1); // the side's letter
    return name;
}

} // namespace

std::optional<PicturePoints> PointsOf(const FencerView& fencer, Side side) {
    const auto& offsets = OffsetsByPicture();
    const auto found = offsets.find(Base(fencer));
    if (found == offsets.end()) return std::nullopt;
    const EngardePoints& engarde = side == Side::Left ? kEngardeA : kEngardeB;
    const int unit = kPointUnit * Forward(side);
    return PicturePoints{fencer.x + engarde.tip + found->second.tip * unit,
                         fencer.x + engarde.body + found->second.body * unit};
}

std::optional<int> TipGap(const PerSide<FencerView>& fencers) {
    const auto left = PointsOf(fencers[Side::Left], Side::Left);
    const auto right = PointsOf(fencers[Side::Right], Side::Right);
    if (!left || !right) return std::nullopt;
    return right->tip - left->tip;
}

std::optional<Reach> AttackReach(const PerSide<FencerView>& fencers, Side inFront) {
    for (Side side : {inFront, Opposite(inFront)}) {
        if (!Attacking(Base(fencers[side]))) continue;
        const auto self = PointsOf(fencers[side], side);
        const auto other = PointsOf(fencers[Opposite(side)], Opposite(side));
        if (!self || !other) continue;
        return Reach{side, self->tip, other->body, (other->body - self->tip) * Forward(side)};
    }
    return std::nullopt;
}

} // namespace pistework::game
