// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/ViewCodec.h"

#include <algorithm>
#include <cctype>

namespace pistework::game {

ReplayPicture ReplayPicture::Of(const BoutView& view) {
    return {view.fencers, view.inFront, view.call, view.scores, view.cards, view.clock, view.lamps};
}

BoutView ReplayPicture::Over(BoutView view) const {
    view.fencers = fencers;
    view.inFront = inFront;
    view.call = call;
    view.scores = scores;
    view.cards = cards;
    view.clock = clock;
    view.lamps = lamps;
    view.startPrompt = false;
    view.commandButtons = false;
    return view;
}

namespace codec {

bool Same(const BoutEvent& a, const BoutEvent& b) {
    if (a.index() != b.index()) return false;
    if (const auto* x = std::get_if<CallMade>(&a)) return x->call == std::get<CallMade>(b).call;
    if (const auto* x = std::get_if<Ruling>(&a)) {
        const auto& y = std::get<Ruling>(b);
        return x->kind == y.kind && x->side == y.side;
    }
    if (const auto* x = std::get_if<SoundPlayed>(&a)) return x->cue == std::get<SoundPlayed>(b).cue;
    const auto& x = std::get<BoutOver>(a);
    const auto& y = std::get<BoutOver>(b);
    return x.winner == y.winner && x.score == y.score && x.demonstration == y.demonstration;
}

namespace {

constexpr std::size_t kMaxPoseLength = 32;
constexpr std::size_t kMaxPoses = 4096;

// Which fields of a picture a change carries, one bit each, in stream order.
constexpr unsigned kPoseLeft = 1u << 0;
constexpr unsigned kXLeft = 1u << 1;
constexpr unsigned kPoseRight = 1u << 2;
constexpr unsigned kXRight = 1u << 3;
constexpr unsigned kInFront = 1u << 4;
constexpr unsigned kCall = 1u << 5;
constexpr unsigned kScores = 1u << 6;
constexpr unsigned kCards = 1u << 7;
constexpr unsigned kClock = 1u << 8;
constexpr unsigned kLamps = 1u << 9;
constexpr unsigned kAllFields = (1u << 10) - 1;

} // namespace

// A picture name already written is written again as its number.
void Writer::Pose(const std::string& pose) {
    const auto known = std::find(poses.begin(), poses.end(), pose);
    if (known != poses.end()) return Varint(static_cast<std::uint64_t>(known - poses.begin()) + 1);
    Varint(0);
    Varint(pose.size());
    Raw(pose);
    poses.push_back(pose);
}

std::string Reader::Pose() {
    const std::uint64_t index = Varint();
    if (index > 0) {
        if (index > poses.size()) ok = false;
        return ok ? poses[index - 1] : std::string();
    }
    const std::uint64_t length = Varint();
    if (length == 0 || length > kMaxPoseLength || length > Left() || poses.size() >= kMaxPoses)
        ok = false;
    if (!ok) return {};
    std::string pose = Raw(length);
    // Picture names are plain resource names.
    for (char c : pose)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-')) ok = false;
    poses.push_back(pose);
    return pose;
}

void WritePicture(Writer& w, const ReplayPicture& was, const ReplayPicture& now) {
    unsigned mask = 0;
    auto changed = [&mask](bool differs, unsigned bit) { mask |= differs ? bit : 0u; };
    changed(was.fencers[Side::Left].pose != now.fencers[Side::Left].pose, kPoseLeft);
    changed(was.fencers[Side::Left].x != now.fencers[Side::Left].x, kXLeft);
    changed(was.fencers[Side::Right].pose != now.fencers[Side::Right].pose, kPoseRight);
    changed(was.fencers[Side::Right].x != now.fencers[Side::Right].x, kXRight);
    changed(was.inFront != now.inFront, kInFront);
    changed(was.call != now.call, kCall);
    changed(was.scores != now.scores, kScores);
    changed(was.cards != now.cards, kCards);
    changed(was.clock != now.clock, kClock);
    changed(was.lamps != now.lamps, kLamps);
    w.Varint(mask);
    for (Side side : kSides) {
        const unsigned shift = side == Side::Left ? 0 : 2;
        if (mask & (kPoseLeft << shift)) w.Pose(now.fencers[side].pose);
        if (mask & (kXLeft << shift)) w.Signed(now.fencers[side].x);
    }
    if (mask & kInFront) w.Byte(static_cast<unsigned>(now.inFront));
    if (mask & kCall) {
        w.Byte(static_cast<unsigned>(now.call.call));
        w.Byte(static_cast<unsigned>(now.call.side));
    }
    for (Side side : kSides)
        if (mask & kScores) w.Varint(static_cast<std::uint64_t>(now.scores[side]));
    for (Side side : kSides)
        if (mask & kCards) {
            w.Byte(now.cards[side].yellow);
            w.Varint(static_cast<std::uint64_t>(now.cards[side].reds));
        }
    if (mask & kClock) {
        w.Signed(now.clock.secondsLeft);
        w.Byte(now.clock.shown);
    }
    for (Side side : kSides)
        if (mask & kLamps) w.Byte(static_cast<unsigned>(now.lamps[side]));
}

ReplayPicture ReadPicture(Reader& r, ReplayPicture picture) {
    const std::uint64_t mask = r.Varint();
    if (mask > kAllFields) r.ok = false;
    for (Side side : kSides) {
        const unsigned shift = side == Side::Left ? 0 : 2;
        if (mask & (kPoseLeft << shift)) picture.fencers[side].pose = r.Pose();
        if (mask & (kXLeft << shift))
            picture.fencers[side].x = static_cast<int>(r.In(r.Signed(), -kMaxX, kMaxX));
    }
    if (mask & kInFront) picture.inFront = r.ReadSide();
    if (mask & kCall) {
        picture.call.call = r.Enum<kLastCall>();
        picture.call.side = r.ReadSide();
    }
    for (Side side : kSides)
        if (mask & kScores) picture.scores[side] = static_cast<int>(r.Count());
    for (Side side : kSides)
        if (mask & kCards) {
            picture.cards[side].yellow = r.Flag();
            picture.cards[side].reds = static_cast<int>(r.Count());
        }
    if (mask & kClock) {
        picture.clock.secondsLeft = static_cast<int>(r.In(r.Signed(), 0, kMaxSeconds));
        picture.clock.shown = r.Flag();
    }
    for (Side side : kSides)
        if (mask & kLamps) picture.lamps[side] = r.Enum<Lamp::OffTarget>();
    return picture;
}

void WriteEvent(Writer& w, const BoutEvent& event) {
    if (const auto* e = std::get_if<CallMade>(&event)) {
        w.Byte(kCallMade);
        w.Byte(static_cast<unsigned>(e->call.call));
        w.Byte(static_cast<unsigned>(e->call.side));
    } else if (const auto* e = std::get_if<Ruling>(&event)) {
        w.Byte(kRuling);
        w.Byte(static_cast<unsigned>(e->kind));
        w.Byte(static_cast<unsigned>(e->side));
    } else if (const auto* e = std::get_if<SoundPlayed>(&event)) {
        w.Byte(kSound);
        w.Byte(static_cast<unsigned>(e->cue));
    } else {
        const auto& over = std::get<BoutOver>(event);
        w.Byte(kOver);
        w.Byte(over.winner ? static_cast<unsigned>(*over.winner) + 1 : 0);
        for (Side side : kSides)
            w.Varint(static_cast<std::uint64_t>(over.score[side]));
        w.Byte(over.demonstration);
    }
}

void WriteReason(Writer& w, const std::optional<RulingReason>& why) {
    w.Byte(why ? 1 : 0);
    if (!why) return;
    w.Byte(static_cast<unsigned>(why->decider));
    const std::optional<int> began[] = {why->attackBeganMsAgo[Side::Left],
                                        why->attackBeganMsAgo[Side::Right]};
    const unsigned has = (began[0] ? kBeganLeft : 0u) | (began[1] ? kBeganRight : 0u) |
                         (why->counterArrivedMsAgo ? kCounter : 0u) |
                         (why->gapAtAttack ? kGap : 0u) | (why->afterParry ? kParry : 0u);
    w.Byte(has);
    for (const auto& at : began)
        if (at) w.Varint(static_cast<std::uint64_t>(*at));
    if (why->counterArrivedMsAgo) w.Varint(static_cast<std::uint64_t>(*why->counterArrivedMsAgo));
    if (why->gapAtAttack) w.Signed(*why->gapAtAttack);
    w.Signed(why->pointPast);
    if (why->decider == Decider::PassedTooSoon) {
        w.Signed(why->secondsSincePass);
        w.Varint(static_cast<std::uint64_t>(why->secondsAllowed));
    }
}

std::optional<RulingReason> ReadReason(Reader& r) {
    if (!r.Flag()) return std::nullopt;
    RulingReason why{r.Enum<Decider::PassedTooSoon>()};
    const auto has = static_cast<unsigned>(r.In(r.Byte(), 0, kParry * 2 - 1));
    auto ms = [&r] { return static_cast<int>(r.In(r.Count(), 0, kMaxMs)); };
    for (Side side : kSides)
        if (has & (side == Side::Left ? kBeganLeft : kBeganRight))
            why.attackBeganMsAgo[side] = ms();
    if (has & kCounter) why.counterArrivedMsAgo = ms();
    if (has & kGap) why.gapAtAttack = static_cast<int>(r.In(r.Signed(), -2 * kMaxX, 2 * kMaxX));
    why.afterParry = (has & kParry) != 0;
    why.pointPast = static_cast<int>(r.In(r.Signed(), -2 * kMaxX, 2 * kMaxX));
    if (why.decider == Decider::PassedTooSoon) {
        why.secondsSincePass = static_cast<int>(r.In(r.Signed(), -kMaxSeconds, kMaxSeconds));
        why.secondsAllowed = static_cast<int>(r.Count());
    }
    if (!r.ok) return std::nullopt;
    return why;
}

BoutEvent ReadEvent(Reader& r, std::uint8_t tag) {
    switch (tag) {
    case kCallMade: {
        const Call call = r.Enum<kLastCall>();
        return CallMade{{call, r.ReadSide()}};
    }
    case kRuling: {
        const RulingKind kind = r.Enum<RulingKind::RedCard>();
        return Ruling{kind, r.ReadSide()};
    }
    case kSound:
        return SoundPlayed{r.Enum<SoundCue::Parry>()};
    default: {
        BoutOver over;
        const auto winner = r.In(r.Byte(), 0, 2);
        if (winner > 0) over.winner = winner == 1 ? Side::Left : Side::Right;
        for (Side side : kSides)
            over.score[side] = static_cast<int>(r.Count());
        over.demonstration = r.Flag();
        return over;
    }
    }
}

} // namespace codec
} // namespace pistework::game
