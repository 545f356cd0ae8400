// SPDX-License-Identifier: GPL-3.0-or-later
// The replay file that keeps a bout as its setup and inputs. The setup is every field of the
// bout, in the order its field list gives; then come the entries, each the ticks run since the
// entry before, a tag, and for an input the milliseconds since the bout's time last written and
// what the input holds. Reading fences the bout again as it goes.

#include "game/replay/ReplayFile.h"

#include "game/piste/Actions.h"

#include <algorithm>
#include <optional>
#include <string>
#include <type_traits>

namespace pistework::game {

namespace {

using namespace entry;
static_assert(std::variant_size_v<BoutInput> == kEnd - kResume + 1, "a new input needs its tag");

// A bout no longer than a day; a picture's name no longer than any the game has.
constexpr std::int64_t kMaxMs = codec::kMaxMs;
constexpr std::size_t kLongestName = 32;

template <typename E> constexpr E kLast = E{};
template <> constexpr Side kLast<Side> = Side::Right;
template <> constexpr Action kLast<Action> = static_cast<Action>(kActionCount - 1);
template <> constexpr Call kLast<Call> = kLastCall;
template <> constexpr Lamp kLast<Lamp> = Lamp::OffTarget;
template <> constexpr Phase kLast<Phase> = Phase::GameOver;

struct FieldWriter {
    ByteWriter& w;
    template <typename... T> void Add(const T&... values) { (One(values), ...); }

    template <typename T> void One(const T& v) {
        if constexpr (std::is_same_v<T, bool> || std::is_enum_v<T>)
            w.Byte(static_cast<unsigned>(v));
        else if constexpr (std::is_signed_v<T>)
            w.Signed(v);
        else
            w.Varint(v);
    }
    template <typename T> void One(const Bounded<T>& field) { One(field.value); }
    void One(const platform::LcgRandom& random) { w.Varint(random.State()); }
    void One(const std::string& text) {
        w.Varint(text.size());
        w.Raw(text);
    }
    template <typename T> void One(const std::optional<T>& v) {
        w.Byte(v.has_value());
        if (v) One(*v);
    }
};

// Every value within the bounds its field keeps, or the read fails.
struct FieldReader {
    ByteReader& r;
    template <typename... T> void Add(T&&... values) { (One(values), ...); }

    template <typename T> void One(T& v) { Within(v, Low<T>(), High<T>()); }
    template <typename T> void One(Bounded<T>& field) {
        Within(field.value, field.low, field.high);
    }
    void One(platform::LcgRandom& random) {
        random.Seed(static_cast<std::uint32_t>(r.UpTo(0xFFFFFFFFll)));
    }
    void One(std::string& text) {
        text = r.Raw(static_cast<std::size_t>(r.UpTo(kLongestName)));
        static const std::vector<std::string> names = AllPictureNames();
        if (!text.empty() && std::ranges::find(names, text) == names.end()) r.ok = false;
    }
    template <typename T> void One(std::optional<T>& v) {
        v.reset();
        if (!r.Flag()) return;
        T value{};
        One(value);
        v = value;
    }

    template <typename T> void Within(T& v, std::int64_t low, std::int64_t high) {
        const std::int64_t read = std::is_signed_v<T> && !std::is_enum_v<T>
                                      ? r.Signed()
                                      : (std::is_same_v<T, bool> || std::is_enum_v<T>
                                             ? r.Byte()
                                             : static_cast<std::int64_t>(std::min<std::uint64_t>(
                                                   r.Varint(), kFarMs + 1)));
        v = static_cast<T>(r.In(read, low, high));
    }
    template <typename T> static constexpr std::int64_t Low() {
        if constexpr (std::is_same_v<T, bool> || std::is_enum_v<T> || std::is_unsigned_v<T>)
            return 0;
        else if constexpr (sizeof(T) > sizeof(int))
            return -kFarMs;
        else
            return -kFarCount;
    }
    template <typename T> static constexpr std::int64_t High() {
        if constexpr (std::is_same_v<T, bool>)
            return 1;
        else if constexpr (std::is_enum_v<T>) {
            static_assert(ByteReader::Numbered<kLast<T>>(), "name the enum's last value above");
            return static_cast<std::int64_t>(kLast<T>);
        } else if constexpr (sizeof(T) > sizeof(int))
            return kFarMs;
        else
            return kFarCount;
    }
};

void WriteInput(ByteWriter& w, const BoutInput& input) {
    if (const auto* settings = std::get_if<BoutSettings>(&input)) {
        FieldWriter f{w};
        f.Add(settings->target, settings->timed, settings->computerLeft,
              settings->demonstrationAfter, settings->strength.range, settings->strength.tickMs);
    } else if (const auto* length = std::get_if<input::ClockLength>(&input)) {
        w.Signed(length->seconds);
    }
}

std::uint8_t TagOf(const BoutInput& input) {
    if (const auto* order = std::get_if<input::Order>(&input))
        return static_cast<std::uint8_t>(static_cast<int>(order->side) * kCommands +
                                         static_cast<int>(order->command));
    return static_cast<std::uint8_t>(kResume + input.index() - 1);
}

BoutInput ReadInput(ByteReader& r, std::uint8_t tag) {
    if (tag < kResume)
        return input::Order{static_cast<Side>(tag / kCommands),
                            static_cast<FencerCommand>(tag % kCommands)};
    switch (tag) {
    case kResume:
        return input::Resume{};
    case kSettings: {
        BoutSettings s;
        FieldReader f{r};
        f.Add(In(s.target, 1, kByHand), s.timed, s.computerLeft, s.demonstrationAfter,
              s.strength.range, In(s.strength.tickMs, 1, kByHand));
        return s;
    }
    case kClockLength:
        return input::ClockLength{static_cast<int>(r.In(r.Signed(), 0, kByHand))};
    case kButtonsShown:
        return input::ButtonsShown{};
    default:
        return input::Wait{};
    }
}

// Fences the bout as a player's game shows it, into the pictures it would have recorded: each
// tick's picture once it has run, and the last picture before the end is noted.
class Showing {
public:
    Showing(const Bout& bout, PictureRecorder& pictures) : pictures(pictures) {
        bout.Show(view);
        pictures.Begin(view, bout.Settings().target, bout.Settings().timed, bout.Now());
    }
    void Tick(Bout& bout) {
        bout.RunNext();
        for (const Happening& happened : bout.TakeNews()) {
            const auto* event = std::get_if<BoutEvent>(&happened);
            if (!event) continue;
            if (std::holds_alternative<BoutOver>(*event)) See(bout);
            pictures.Note(*event, bout.Now());
        }
        See(bout);
    }
    void See(const Bout& bout) {
        bout.Show(view);
        pictures.See(view, bout.Now());
    }

private:
    PictureRecorder& pictures;
    BoutView view;
};

} // namespace

ReplayRecorder::ReplayRecorder() {
    stream.reserve(kBytes);
    last.reserve(kBytes + 64);
}

void ReplayRecorder::Begin(const Bout& bout) {
    stream.clear();
    ByteWriter w(stream);
    FieldWriter fields{w};
    Bout::Fields(bout, fields);
    start = seen = bout.Now();
    ticks = fenced = 0;
    inputs = 0;
    target = bout.Settings().target;
    timed = bout.Settings().timed;
    cut = false;
    recording = true;
}

// The entries stop where the file would grow past what it keeps; it says it was cut there.
// Its end always has room.
void ReplayRecorder::Entry(std::uint8_t tag, std::int64_t at) {
    if (!recording || cut) return;
    if (tag != kEnd &&
        (stream.size() + 64 > kBytes || inputs >= kMaxReplayEntries || at - start > kMaxMs)) {
        cut = true;
        return;
    }
    ByteWriter w(stream);
    w.Varint(ticks);
    w.Byte(tag);
    if (tag != kEnd) w.Varint(static_cast<std::uint64_t>(at - seen));
    ticks = 0;
    seen = at;
    ++inputs;
}

bool ReplayRecorder::RunNext(Bout& bout) {
    const std::optional<std::int64_t> due = bout.NextDue();
    if (!due) return false;
    // A tick run late runs at the present, which it reads.
    if (bout.Now() > *due && bout.Now() > seen) Entry(kWait, bout.Now());
    bout.RunNext();
    if (recording && !cut && fenced == kMaxReplayTicks) cut = true;
    if (recording && !cut) {
        ++ticks;
        ++fenced;
        seen = std::max(seen, bout.Now());
    }
    return true;
}

void ReplayRecorder::Take(Bout& bout, std::int64_t at, const BoutInput& input) {
    at = std::max(at, bout.Now());
    Entry(TagOf(input), at);
    if (recording && !cut) {
        ByteWriter w(stream);
        WriteInput(w, input);
    }
    bout.Take(at, input);
}

// The file ends with the digest of the bout's end, which fencing it again must reach.
void ReplayRecorder::End(const Bout& bout) {
    if (!recording) return;
    const bool wasCut = cut;
    cut = false;
    Entry(kEnd, seen);
    ByteWriter(stream).Fixed(bout.Digest(), 4);
    Seal(last, kReplayVersion, stream, target, timed, wasCut);
    recording = false;
}

namespace {

// Fences a version 3 stream again, showing each step to `showing`; with `until`, stops at the
// last state no later than that many ms after the bout's start and leaves it in `at`.
ReplayError Fence(std::span<const std::uint8_t> stream, const Replay& header, Replay* shown,
                  std::optional<std::int64_t> until, Bout* at) {
    ByteReader r(stream);
    Bout bout;
    FieldReader fields{r};
    Bout::Fields(bout, fields);
    if (!r.ok || bout.Settings().target != header.target || bout.Settings().timed != header.timed ||
        !bout.Running())
        return ReplayError::Damaged;
    PictureRecorder pictures;
    std::optional<Showing> showing;
    if (shown) showing.emplace(bout, pictures);
    const std::int64_t start = bout.Now();
    auto reached = [&](std::int64_t next) {
        if (!until || next - start <= *until) return false;
        *at = bout;
        return true;
    };
    std::int64_t seen = start;
    std::uint32_t fenced = 0;
    bool other = false;
    for (std::size_t inputs = 0; r.ok; ++inputs) {
        const auto ticks = static_cast<std::uint32_t>(r.UpTo(kMaxReplayTicks - fenced));
        for (std::uint32_t i = 0; i < ticks && r.ok; ++i) {
            // A file that fences on where no timer runs was never written by a bout.
            const std::optional<std::int64_t> due = bout.NextDue();
            if (!due) r.ok = false;
            if (!r.ok) break;
            if (reached(std::max(*due, bout.Now()))) return ReplayError::None;
            if (showing)
                showing->Tick(bout);
            else
                bout.RunNext();
        }
        fenced += ticks;
        seen = std::max(seen, bout.Now());
        const auto tag = static_cast<std::uint8_t>(r.In(r.Byte(), 0, kEnd));
        if (tag == kEnd) {
            // Cut short, the file ends before the bout did.
            if (r.Fixed(4) != bout.Digest() && r.ok && !header.cut) other = true;
            break;
        }
        if (!r.ok) break;
        seen += r.UpTo(kMaxMs);
        const BoutInput input = ReadInput(r, tag);
        if (inputs >= kMaxReplayEntries || seen - start > kMaxMs) r.ok = false;
        if (!r.ok) break;
        if (reached(seen)) return ReplayError::None;
        bout.Take(seen, input);
        if (showing) showing->See(bout);
    }
    if (!r.ok || !r.AtEnd()) return r.ranOut ? ReplayError::Truncated : ReplayError::Damaged;
    if (other) return ReplayError::OtherRules;
    if (until) *at = bout;
    if (!shown) return ReplayError::None;
    // What the bout showed, as a file of pictures, read as any other.
    pictures.Finish();
    Replay read;
    if (DecodeReplay(pictures.Last(), read) != ReplayError::None) return ReplayError::Damaged;
    shown->entries = std::move(read.entries);
    shown->cut = shown->cut || read.cut;
    return ReplayError::None;
}

} // namespace

ReplayError Refence(std::span<const std::uint8_t> stream, Replay& replay) {
    const ReplayError error = Fence(stream, replay, &replay, std::nullopt, nullptr);
    if (error == ReplayError::None) replay.inputs.assign(stream.begin(), stream.end());
    return error;
}

std::optional<Bout> BoutAt(const Replay& replay, std::int64_t ms) {
    if (replay.inputs.empty()) return std::nullopt;
    Bout at;
    if (Fence(replay.inputs, replay, nullptr, std::max<std::int64_t>(ms, 0), &at) !=
        ReplayError::None)
        return std::nullopt;
    return at;
}

} // namespace pistework::game
