// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/ViewCodec.h"

#include <algorithm>
#include <cctype>

namespace pistework::game {

namespace {

// Calls `f` with each value of field `a` beside the same value of field `b`.
template <typename A, typename B, typename F> void Beside(const A& a, const B& b, F f) {
    const auto each = [&]<std::size_t... kValue>(std::index_sequence<kValue...>) {
        (f(std::get<kValue>(a), std::get<kValue>(b)), ...);
    };
    each(std::make_index_sequence<std::tuple_size_v<A>>());
}

// Each value of one field set to that of another: a picture taken from a view, or drawn over one.
constexpr auto kCopy = [](const auto& to, const auto& from) {
    Beside(to, from, [](const auto& t, const auto& f) { t.value = f.value; });
};

} // namespace

ReplayPicture ReplayPicture::Of(const BoutView& view) {
    ReplayPicture picture;
    codec::ForEachField(kCopy, picture, view);
    return picture;
}

BoutView ReplayPicture::Over(BoutView view) const {
    codec::ForEachField(kCopy, view, *this);
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
    unsigned bit = 1;
    ForEachField(
        [&](const auto& before, const auto& after) {
            Beside(before, after, [&](const auto& a, const auto& b) {
                if (a.value != b.value) mask |= bit;
            });
            bit <<= 1;
        },
        was, now);
    w.Varint(mask);
    bit = 1;
    ForEachField(
        [&](const auto& field) {
            if (mask & bit)
                std::apply([&w](const auto&... v) { (v.form.Write(w, v.value), ...); }, field);
            bit <<= 1;
        },
        now);
}

// Bits past the last field are damage; the fields read are those of a file the game wrote.
ReplayPicture ReadPicture(Reader& r, ReplayPicture picture) {
    const std::uint64_t mask = r.Varint();
    if (mask >> kPictureFields) r.ok = false;
    std::uint64_t bit = 1;
    ForEachField(
        [&](const auto& field) {
            if (mask & bit)
                std::apply([&r](const auto&... v) { (v.form.Read(r, v.value), ...); }, field);
            bit <<= 1;
        },
        picture);
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
