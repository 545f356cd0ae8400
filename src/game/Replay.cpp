// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Replay.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <string>

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

namespace {

// Events hold no comparison of their own; a replay compares them field by field.
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

// Bounds no bout reaches; a value past them is a damaged file. A target stored by hand may be
// any positive int, and the clock of such a bout as long as an int holds, so the counts and
// the clock are bounded only by what the game keeps them in.
constexpr std::uint32_t kMaxMs = 24u * 3600u * 1000u;
constexpr std::int64_t kMaxCount = std::numeric_limits<int>::max();
constexpr std::int64_t kMaxX = 4096;
constexpr std::int64_t kMaxSeconds = std::numeric_limits<int>::max();
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

// What an entry holds: a picture, or one kind of event.
constexpr std::uint8_t kPicture = 0;
constexpr std::uint8_t kCallMade = 1;
constexpr std::uint8_t kRuling = 2;
constexpr std::uint8_t kSound = 3;
constexpr std::uint8_t kOver = 4;
constexpr std::uint8_t kTags = 5;

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

class Writer {
public:
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
    // A picture name already written is written again as its number.
    void Pose(const std::string& pose) {
        const auto known = std::find(poses.begin(), poses.end(), pose);
        if (known != poses.end())
            return Varint(static_cast<std::uint64_t>(known - poses.begin()) + 1);
        Varint(0);
        Varint(pose.size());
        bytes.insert(bytes.end(), pose.begin(), pose.end());
        poses.push_back(pose);
    }

    std::vector<std::uint8_t>& bytes;

private:
    std::vector<std::string>& poses;
};

// Every read checks its bounds; the first failure stops all further reading.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes(bytes) {}
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
    std::uint64_t Varint() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const std::uint8_t b = Byte();
            value |= static_cast<std::uint64_t>(b & 0x7F) << shift;
            if (!(b & 0x80)) return value;
        }
        ok = false;
        return 0;
    }
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
    template <typename E> E Enum(E last) {
        return static_cast<E>(In(Byte(), 0, static_cast<std::int64_t>(last)));
    }
    Side ReadSide() { return Enum(Side::Right); }
    std::string Pose() {
        const std::uint64_t index = Varint();
        if (index > 0) {
            if (index > poses.size()) ok = false;
            return ok ? poses[index - 1] : std::string();
        }
        const std::uint64_t length = Varint();
        if (length == 0 || length > kMaxPoseLength || length > Left() || poses.size() >= kMaxPoses)
            ok = false;
        if (!ok) return {};
        std::string pose(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
        // Picture names are plain resource names.
        for (char c : pose)
            if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-')) ok = false;
        poses.push_back(pose);
        return pose;
    }

private:
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
    std::vector<std::string> poses;
};

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
        picture.call.call = r.Enum(Call::GameOver);
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
        picture.clock.secondsLeft = static_cast<int>(r.In(r.Signed(), -kMaxSeconds, kMaxSeconds));
        picture.clock.shown = r.Flag();
    }
    for (Side side : kSides)
        if (mask & kLamps) picture.lamps[side] = r.Enum(Lamp::OffTarget);
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

BoutEvent ReadEvent(Reader& r, std::uint8_t tag) {
    switch (tag) {
    case kCallMade: {
        const Call call = r.Enum(Call::GameOver);
        return CallMade{{call, r.ReadSide()}};
    }
    case kRuling: {
        const RulingKind kind = r.Enum(RulingKind::RedCard);
        return Ruling{kind, r.ReadSide()};
    }
    case kSound:
        return SoundPlayed{r.Enum(SoundCue::Parry)};
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

ReplayError ReadBody(Reader& r, Replay& replay) {
    ReplayPicture picture;
    std::uint64_t ms = 0;
    while (r.ok && !r.AtEnd()) {
        if (replay.entries.size() >= kMaxReplayEntries) r.ok = false;
        ms += std::min<std::uint64_t>(r.Varint(), kMaxMs + 1ull);
        r.In(static_cast<std::int64_t>(ms), 0, kMaxMs);
        const auto tag = static_cast<std::uint8_t>(r.In(r.Byte(), 0, kTags - 1));
        if (!r.ok) break;
        ReplayEntry entry{static_cast<std::uint32_t>(ms), {}};
        if (tag == kPicture) {
            picture = ReadPicture(r, picture);
            entry.what = picture;
        } else {
            entry.what = ReadEvent(r, tag);
        }
        replay.entries.push_back(std::move(entry));
    }
    return r.ok && r.AtEnd() ? ReplayError::None : ReplayError::Damaged;
}

} // namespace

bool operator==(const Replay& a, const Replay& b) {
    if (a.target != b.target || a.timed != b.timed || a.cut != b.cut ||
        a.entries.size() != b.entries.size())
        return false;
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        const ReplayEntry& x = a.entries[i];
        const ReplayEntry& y = b.entries[i];
        if (x.ms != y.ms || x.what.index() != y.what.index()) return false;
        const auto* p = std::get_if<ReplayPicture>(&x.what);
        if (p ? *p != std::get<ReplayPicture>(y.what)
              : !Same(std::get<BoutEvent>(x.what), std::get<BoutEvent>(y.what)))
            return false;
    }
    return true;
}

namespace {

// The time since the entry before, then a picture as its changes from the one before, or an
// event.
void WriteEntry(Writer& w, std::uint32_t& ms, ReplayPicture& was, const ReplayEntry& entry) {
    w.Varint(entry.ms - std::min(ms, entry.ms));
    ms = std::max(ms, entry.ms);
    if (const auto* now = std::get_if<ReplayPicture>(&entry.what)) {
        w.Byte(kPicture);
        WritePicture(w, was, *now);
        was = *now;
    } else {
        WriteEvent(w, std::get<BoutEvent>(entry.what));
    }
}

// "PSTW", the version, the options, the stream's length, the stream, then a CRC-32 of all
// before it, so a changed byte is told from a file cut short.
void Seal(std::vector<std::uint8_t>& file, std::span<const std::uint8_t> stream, int target,
          bool timed, bool cut) {
    std::vector<std::string> none;
    Writer w(file, none);
    file.assign(kReplayMagic.begin(), kReplayMagic.end());
    w.Byte(kReplayVersion);
    w.Byte((timed ? 1u : 0u) | (cut ? 2u : 0u));
    w.Varint(static_cast<std::uint64_t>(target));
    w.Varint(stream.size());
    file.insert(file.end(), stream.begin(), stream.end());
    const std::uint32_t crc = Crc32(file);
    for (int i = 0; i < 4; ++i)
        w.Byte((crc >> (8 * i)) & 0xFF);
}

} // namespace

std::vector<std::uint8_t> EncodeReplay(const Replay& replay) {
    std::vector<std::uint8_t> stream, file;
    std::vector<std::string> poses;
    Writer w(stream, poses);
    ReplayPicture picture;
    std::uint32_t ms = 0;
    for (const ReplayEntry& entry : replay.entries)
        WriteEntry(w, ms, picture, entry);
    Seal(file, stream, replay.target, replay.timed, replay.cut);
    return file;
}

ReplayError DecodeReplay(std::span<const std::uint8_t> bytes, Replay& replay) {
    if (bytes.size() > kMaxReplayFileBytes) return ReplayError::TooLarge;
    const std::size_t magic = std::min(bytes.size(), kReplayMagic.size());
    if (!std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(magic),
                    kReplayMagic.begin()))
        return ReplayError::NotAReplay;
    Reader header(bytes.subspan(magic));
    const std::uint8_t version = header.Byte();
    if (header.ok && version > kReplayVersion) return ReplayError::NewerVersion;
    const std::uint8_t flags = header.Byte();
    const std::uint64_t target = header.Varint();
    const std::uint64_t length = header.Varint();
    if (header.ranOut ||
        (header.ok && header.Left() < 4 + std::min<std::uint64_t>(length, kMaxReplayFileBytes)))
        return ReplayError::Truncated;
    if (!header.ok || version == 0 || flags > 3 || target == 0 ||
        target > static_cast<std::uint64_t>(kMaxCount) || header.Left() != length + 4)
        return ReplayError::Damaged;
    const std::size_t crcAt = bytes.size() - 4;
    std::uint32_t crc = 0;
    for (int i = 0; i < 4; ++i)
        crc |= static_cast<std::uint32_t>(bytes[crcAt + static_cast<std::size_t>(i)]) << (8 * i);
    if (crc != Crc32(bytes.first(crcAt))) return ReplayError::Damaged;
    Replay read{static_cast<int>(target), (flags & 1) != 0, (flags & 2) != 0, {}};
    Reader body(bytes.subspan(crcAt - length, length));
    const ReplayError error = ReadBody(body, read);
    if (error == ReplayError::None) replay = std::move(read);
    return error;
}

// Room for the longest bout is taken once, so recording never grows the heap.
ReplayRecorder::ReplayRecorder() {
    stream.reserve(kBytes);
    last.reserve(kBytes + 64);
    poses.reserve(512);
}

void ReplayRecorder::Begin(const BoutView& view, int boutTarget, bool boutTimed, std::int64_t now) {
    recording = true;
    ending = cut = false;
    stream.clear();
    poses.clear();
    written = {};
    ms = 0;
    count = 0;
    start = now;
    target = boutTarget;
    timed = boutTimed;
    seen = ReplayPicture::Of(view);
    Add({0, seen}, now);
}

// A bout longer than a replay keeps is cut there; the file says so.
void ReplayRecorder::Add(const ReplayEntry& entry, std::int64_t now) {
    if (cut || stream.size() + kEntrySlack > kBytes || count >= kMaxReplayEntries ||
        now - start > kMaxMs) {
        cut = true;
        return;
    }
    Writer w(stream, poses);
    WriteEntry(w, ms, written, entry);
    ++count;
}

void ReplayRecorder::See(const BoutView& view, std::int64_t now) {
    if (!recording) return;
    ReplayPicture picture = ReplayPicture::Of(view);
    if (picture != seen) {
        seen = picture;
        Add({static_cast<std::uint32_t>(std::max<std::int64_t>(0, now - start)),
             std::move(picture)},
            now);
    }
    if (!ending) return;
    Seal(last, stream, target, timed, cut);
    recording = ending = false;
}

// Events come in the middle of a step; the picture is taken when the step is shown, and the
// bout's last picture with the view published after its end.
void ReplayRecorder::Note(const BoutEvent& event, std::int64_t now) {
    if (!recording) return;
    Add({static_cast<std::uint32_t>(std::max<std::int64_t>(0, now - start)), event}, now);
    ending = std::holds_alternative<BoutOver>(event);
}

ReplayPlayer::ReplayPlayer(const Replay& replay, platform::TimerSource& timers,
                           const platform::Clock& clock)
    : replay(replay), clock(clock), timer(timers.MakeTimer("TimerReplay", kStep)) {
    timer->SetOnTimer([this] { Tick(); });
}

void ReplayPlayer::Start() {
    next = 0;
    base = 0;
    since = clock.NowMilliseconds();
    paused = false;
    timer->SetEnabled(true);
    Tick();
}

// Reckoned from the clock, not counted in ticks, so a late tick never slows the replay.
std::int64_t ReplayPlayer::Position() const {
    return paused ? base : base + (clock.NowMilliseconds() - since) * speed;
}

void ReplayPlayer::Tick() {
    const std::int64_t at = Position();
    while (next < replay.entries.size() && replay.entries[next].ms <= at) {
        const auto* picture = std::get_if<ReplayPicture>(&replay.entries[next].what);
        ++next;
        if (picture && onPicture) onPicture(*picture);
    }
    if (Ended()) timer->SetEnabled(false);
}

void ReplayPlayer::TogglePause() {
    base = Position();
    since = clock.NowMilliseconds();
    paused = !paused;
    timer->SetEnabled(!paused && !Ended());
}

void ReplayPlayer::SetSpeed(int times) {
    base = Position();
    since = clock.NowMilliseconds();
    speed = times;
}

} // namespace pistework::game
