// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the piste and the events, as compact bytes: a picture as its changes from
// the one before, in varints, and each event as a tag and its fields. A replay file keeps
// them; the network frames borrow only the reader and writer, since a network bout sends its
// players' inputs, never pictures. Reading treats every byte as hostile: each value is
// bounded, and the first fault stops all further reading.

#include "game/BoutView.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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

// A target stored by hand may be any positive int, and the clock of such a bout as long as an
// int holds, so counts are bounded only by what the game keeps them in.
inline constexpr std::int64_t kMaxCount = std::numeric_limits<int>::max();

// What an entry holds: a picture, or one kind of event.
inline constexpr std::uint8_t kPicture = 0;
inline constexpr std::uint8_t kCallMade = 1;
inline constexpr std::uint8_t kRuling = 2;
inline constexpr std::uint8_t kSound = 3;
inline constexpr std::uint8_t kOver = 4;
inline constexpr std::uint8_t kTags = 5;
static_assert(std::variant_size_v<BoutEvent> == kTags - 1, "a new event needs its tag");

// Whether `V` is one of its enum's named values: the compiler spells a named value in this
// function's own name by its name, and any other as a cast, "(pistework::game::Call)16".
template <auto V> constexpr bool Named() {
    return std::string_view(__PRETTY_FUNCTION__).find("= (") == std::string_view::npos;
}
// Whether, of the values a byte holds, the enum names just 0 to `kLast`: then a byte bounded by
// `kLast` reads back every value written, and only those.
template <auto kLast, std::size_t... kNumbers>
constexpr bool NamedUpTo(std::index_sequence<kNumbers...>) {
    using E = decltype(kLast);
    return ((Named<static_cast<E>(kNumbers)>() == (kNumbers <= static_cast<std::size_t>(kLast))) &&
            ...);
}
template <auto kLast> constexpr bool Numbered() {
    return NamedUpTo<kLast>(std::make_index_sequence<256>());
}
static_assert(Numbered<Side::Right>() && !Numbered<Side::Left>(), "the compiler names otherwise");

// Events hold no comparison of their own; these compare them field by field.
bool Same(const BoutEvent& a, const BoutEvent& b);

class Writer {
public:
    // `poses` are the picture names written so far, each written again as its number.
    Writer(std::vector<std::uint8_t>& bytes, std::vector<std::string>& poses)
        : bytes(bytes), poses(poses) {}

    void Byte(unsigned value) { bytes.push_back(static_cast<std::uint8_t>(value)); }
    void Varint(std::uint64_t value) {
        while (value >= 0x80) {
            Byte((value & 0x7F) | 0x80);
            value >>= 7;
        }
        Byte(static_cast<unsigned>(value));
    }
    void Signed(std::int64_t value) {
        Varint((static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63));
    }
    void Pose(const std::string& pose);

    std::vector<std::uint8_t>& bytes;

private:
    std::vector<std::string>& poses;
};

class Reader {
public:
    // `poses` are the picture names read so far, which later ones may name by number.
    Reader(std::span<const std::uint8_t> bytes, std::vector<std::string>& poses)
        : bytes(bytes), poses(poses) {}
    bool ok = true;
    bool ranOut = false;

    bool AtEnd() const { return at == bytes.size(); }
    std::size_t Left() const { return bytes.size() - at; }
    std::uint8_t Byte() {
        if (!ok || at >= bytes.size()) {
            ranOut = ranOut || ok;
            ok = false;
            return 0;
        }
        return bytes[at++];
    }
    std::uint64_t Varint();
    std::int64_t Signed() {
        const std::uint64_t v = Varint();
        return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
    }
    // A value in [low, high]; anything else spoils the read.
    std::int64_t In(std::int64_t value, std::int64_t low, std::int64_t high) {
        if (value < low || value > high) ok = false;
        return ok ? value : low;
    }
    std::int64_t Count() {
        return In(static_cast<std::int64_t>(std::min<std::uint64_t>(Varint(), kMaxCount + 1)), 0,
                  kMaxCount);
    }
    bool Flag() { return In(Byte(), 0, 1) == 1; }
    // An enum's value, written as its number, at most that of `kLast`. An enum that gains a
    // value, or a gap, fails to compile here until its last is named anew; an older build reads
    // the new value as damage, so the network version goes up with it.
    template <auto kLast> decltype(kLast) Enum() {
        static_assert(Numbered<kLast>(), "the enum's values are not 0 to this last one");
        return static_cast<decltype(kLast)>(In(Byte(), 0, static_cast<std::int64_t>(kLast)));
    }
    Side ReadSide() { return Enum<Side::Right>(); }
    std::string Pose();

private:
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
    std::vector<std::string>& poses;
};

// The fields of `now` that differ from `was`, and their new values.
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
