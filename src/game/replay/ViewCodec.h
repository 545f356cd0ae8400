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
