// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the piste and the events, as a replay file keeps them: a picture as its
// changes from the one before, and each event as a tag and its fields. A network bout sends
// its players' inputs, never pictures, so the frames share only the numbers of Bytes.h.

#include "game/BoutView.h"
#include "game/replay/Bytes.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace pistework::game {

// What a replay draws of a view: the fencers, the call, scores, cards, clock and lamps. The
// start prompt, the command buttons and the menu are the watcher's own.
struct ReplayPicture {
    PerSide<FencerView> fencers;
    Side inFront = Side::Left;
    RefereeCall call;
    PerSide<int> scores{0, 0};
    PerSide<CardsView> cards;
    ClockView clock;
    PerSide<Lamp> lamps{Lamp::Off, Lamp::Off};
    bool operator==(const ReplayPicture&) const = default;

    static ReplayPicture Of(const BoutView& view);
    // The picture drawn over the watcher's own prompt, buttons and menu.
    BoutView Over(BoutView view) const;
};

namespace codec {

// Bounds no bout reaches; a value read past them is damaged. No phrase lasts a day.
inline constexpr std::int64_t kMaxX = 4096;
inline constexpr std::int64_t kMaxSeconds = std::numeric_limits<int>::max();
inline constexpr std::int64_t kMaxMs = 24ll * 3600 * 1000;

inline constexpr std::int64_t kMaxCount = ByteReader::kMaxCount;

// What an entry holds: a picture, or one kind of event.
inline constexpr std::uint8_t kPicture = 0;
inline constexpr std::uint8_t kCallMade = 1;
inline constexpr std::uint8_t kRuling = 2;
inline constexpr std::uint8_t kSound = 3;
inline constexpr std::uint8_t kOver = 4;
inline constexpr std::uint8_t kTags = 5;
static_assert(std::variant_size_v<BoutEvent> == kTags - 1, "a new event needs its tag");

// Events hold no comparison of their own; these compare them field by field.
bool Same(const BoutEvent& a, const BoutEvent& b);

class Writer : public ByteWriter {
public:
    // `poses` are the picture names written so far, each written again as its number.
    Writer(std::vector<std::uint8_t>& bytes, std::vector<std::string>& poses)
        : ByteWriter(bytes), poses(poses) {}
    void Pose(const std::string& pose);

private:
    std::vector<std::string>& poses;
};

class Reader : public ByteReader {
public:
    // `poses` are the picture names read so far, which later ones may name by number.
    Reader(std::span<const std::uint8_t> bytes, std::vector<std::string>& poses)
        : ByteReader(bytes), poses(poses) {}
    std::string Pose();

private:
    std::vector<std::string>& poses;
};

// How each value of a picture goes into bytes, and the bounds it is read back within.
namespace form {
struct Pose {
    static void Write(Writer& w, const std::string& pose) { w.Pose(pose); }
    static void Read(Reader& r, std::string& pose) { pose = r.Pose(); }
};
// Zigzag, as it may go below zero.
struct Within {
    std::int64_t low, high;
    void Write(Writer& w, int value) const { w.Signed(value); }
    void Read(Reader& r, int& value) const {
        value = static_cast<int>(r.In(r.Signed(), low, high));
    }
};
struct Count {
    static void Write(Writer& w, int count) { w.Varint(static_cast<std::uint64_t>(count)); }
    static void Read(Reader& r, int& count) { count = static_cast<int>(r.Count()); }
};
struct Flag {
    static void Write(Writer& w, bool flag) { w.Byte(flag); }
    static void Read(Reader& r, bool& flag) { flag = r.Flag(); }
};
template <auto kLast> struct EnumTo {
    static void Write(Writer& w, decltype(kLast) value) { w.Enum(value); }
    static void Read(Reader& r, decltype(kLast)& value) { value = r.Enum<kLast>(); }
};
} // namespace form

// One value of a picture, or of a view, and its form in bytes.
template <typename Form, typename T> struct Value {
    Form form;
    T& value;
};
template <typename Form, typename T> Value<Form, T> As(Form form, T& value) {
    return {form, value};
}

// The fields of a picture, or of a view, in the order a change names and writes them: each is
// one bit of a change and a tuple of its values. The parts are bound by position, so a member
// added to a picture, or to any part of one, fails to compile here until the list places it.
template <typename P> auto Fields(P& p) {
    if constexpr (std::is_same_v<std::remove_const_t<P>, ReplayPicture>) {
        [[maybe_unused]] auto& [fencers, inFront, call, scores, cards, clock, lamps] = p;
    }
    auto& [poseLeft, xLeft] = p.fencers[Side::Left];
    auto& [poseRight, xRight] = p.fencers[Side::Right];
    auto& [callMade, callSide] = p.call;
    auto& [yellowLeft, redsLeft] = p.cards[Side::Left];
    auto& [yellowRight, redsRight] = p.cards[Side::Right];
    auto& [secondsLeft, clockShown] = p.clock;
    const form::Pose pose{};
    const form::Within x{-kMaxX, kMaxX};
    const form::EnumTo<Side::Right> side{};
    const form::Count count{};
    const form::Flag flag{};
    const form::EnumTo<Lamp::OffTarget> lamp{};
    return std::tuple{
        std::tuple{As(pose, poseLeft)},
        std::tuple{As(x, xLeft)},
        std::tuple{As(pose, poseRight)},
        std::tuple{As(x, xRight)},
        std::tuple{As(side, p.inFront)},
        std::tuple{As(form::EnumTo<kLastCall>{}, callMade), As(side, callSide)},
        std::tuple{As(count, p.scores[Side::Left]), As(count, p.scores[Side::Right])},
        std::tuple{As(flag, yellowLeft), As(count, redsLeft), As(flag, yellowRight),
                   As(count, redsRight)},
        std::tuple{As(form::Within{0, kMaxSeconds}, secondsLeft), As(flag, clockShown)},
        std::tuple{As(lamp, p.lamps[Side::Left]), As(lamp, p.lamps[Side::Right])},
    };
}
inline constexpr std::size_t kPictureFields =
    std::tuple_size_v<decltype(Fields(std::declval<ReplayPicture&>()))>;
static_assert(kPictureFields < 32, "a change's bits are an unsigned");

// Calls `f` for each field in turn, given that field of each of `pictures`. The one list a
// picture is taken from a view by, compared, written and read by, and may be hashed by.
template <typename F, typename... P> void ForEachField(F&& f, P&... pictures) {
    const auto lists = std::make_tuple(Fields(pictures)...);
    const auto field = [&]<std::size_t kField>(std::integral_constant<std::size_t, kField>) {
        std::apply([&](const auto&... list) { f(std::get<kField>(list)...); }, lists);
    };
    const auto each = [&]<std::size_t... kField>(std::index_sequence<kField...>) {
        (field(std::integral_constant<std::size_t, kField>()), ...);
    };
    each(std::make_index_sequence<kPictureFields>());
}

// The fields of `now` that differ from `was`, one bit each, and their new values.
void WritePicture(Writer& w, const ReplayPicture& was, const ReplayPicture& now);
// `picture` with the changes read applied.
ReplayPicture ReadPicture(Reader& r, ReplayPicture picture);
// The event's tag, then its fields. A ruling's reason is not among them: a replay writes it
// after the ruling with WriteReason.
void WriteEvent(Writer& w, const BoutEvent& event);
// Whether a reason follows (1) or not (0); then the rule that decided, a byte saying which
// values follow (kBegan* for the attacks' starts, kCounter, kGap, kParry), those values, the
// point's distance past the target, and, for a pass too soon, the seconds since and allowed.
inline constexpr unsigned kBeganLeft = 1u << 0;
inline constexpr unsigned kBeganRight = 1u << 1;
inline constexpr unsigned kCounter = 1u << 2;
inline constexpr unsigned kGap = 1u << 3;
inline constexpr unsigned kParry = 1u << 4;
void WriteReason(Writer& w, const std::optional<RulingReason>& why);
std::optional<RulingReason> ReadReason(Reader& r);
// The fields of an event whose tag, one of kCallMade to kOver, was read already.
BoutEvent ReadEvent(Reader& r, std::uint8_t tag);

} // namespace codec
} // namespace pistework::game
