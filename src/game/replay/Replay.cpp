// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/Replay.h"

#include "game/replay/ReplayFile.h"

#include <algorithm>
#include <limits>
#include <string>

namespace pistework::game {

using codec::Reader;
using codec::Writer;

namespace {

// A bout no longer than a day; a time past it is a damaged file.
constexpr std::uint32_t kMaxMs = 24u * 3600u * 1000u;

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

ReplayError ReadBody(Reader& r, Replay& replay, std::uint8_t version) {
    ReplayPicture picture;
    std::uint64_t ms = 0;
    while (r.ok && !r.AtEnd()) {
        if (replay.entries.size() >= kMaxReplayEntries) r.ok = false;
        ms += std::min<std::uint64_t>(r.Varint(), kMaxMs + 1ull);
        r.In(static_cast<std::int64_t>(ms), 0, kMaxMs);
        const auto tag = static_cast<std::uint8_t>(r.In(r.Byte(), 0, codec::kTags - 1));
        if (!r.ok) break;
        ReplayEntry entry{static_cast<std::uint32_t>(ms), {}};
        if (tag == codec::kPicture) {
            picture = codec::ReadPicture(r, picture);
            entry.what = picture;
        } else {
            entry.what = codec::ReadEvent(r, tag);
            auto* ruling = std::get_if<Ruling>(&std::get<BoutEvent>(entry.what));
            if (ruling && version >= 2) ruling->why = codec::ReadReason(r);
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
              : !codec::Same(std::get<BoutEvent>(x.what), std::get<BoutEvent>(y.what)))
            return false;
        if (p) continue;
        const auto* r = std::get_if<Ruling>(&std::get<BoutEvent>(x.what));
        if (r && r->why != std::get<Ruling>(std::get<BoutEvent>(y.what)).why) return false;
    }
    return true;
}

namespace {

// The time since the entry before, then a picture as its changes from the one before, or an
// event.
void WriteEntry(Writer& w, std::uint32_t& ms, ReplayPicture& was, const ReplayEntry& entry,
                std::uint8_t version) {
    w.Varint(entry.ms - std::min(ms, entry.ms));
    ms = std::max(ms, entry.ms);
    if (const auto* now = std::get_if<ReplayPicture>(&entry.what)) {
        w.Byte(codec::kPicture);
        codec::WritePicture(w, was, *now);
        was = *now;
    } else {
        codec::WriteEvent(w, std::get<BoutEvent>(entry.what));
        const auto* ruling = std::get_if<Ruling>(&std::get<BoutEvent>(entry.what));
        if (ruling && version >= 2) codec::WriteReason(w, ruling->why);
    }
}

} // namespace

// "PSTW", the version, the options, the stream's length, the stream, then a CRC-32 of all
// before it, so a changed byte is told from a file cut short.
void Seal(std::vector<std::uint8_t>& file, std::uint8_t version,
          std::span<const std::uint8_t> stream, int target, bool timed, bool cut) {
    ByteWriter w(file);
    file.assign(kReplayMagic.begin(), kReplayMagic.end());
    w.Byte(version);
    w.Byte((timed ? 1u : 0u) | (cut ? 2u : 0u));
    w.Varint(static_cast<std::uint64_t>(target));
    w.Varint(stream.size());
    file.insert(file.end(), stream.begin(), stream.end());
    const std::uint32_t crc = Crc32(file);
    for (int i = 0; i < 4; ++i)
        w.Byte((crc >> (8 * i)) & 0xFF);
}

std::vector<std::uint8_t> EncodeReplay(const Replay& replay) {
    std::vector<std::uint8_t> stream, file;
    std::vector<std::string> poses;
    Writer w(stream, poses);
    ReplayPicture picture;
    std::uint32_t ms = 0;
    // A replay with no reason to keep stays a version 1 file, which earlier builds read too.
    const bool reasons = std::ranges::any_of(replay.entries, [](const ReplayEntry& entry) {
        const auto* event = std::get_if<BoutEvent>(&entry.what);
        const auto* ruling = event ? std::get_if<Ruling>(event) : nullptr;
        return ruling && ruling->why;
    });
    const std::uint8_t version = reasons ? kPicturesVersion : 1;
    for (const ReplayEntry& entry : replay.entries)
        WriteEntry(w, ms, picture, entry, version);
    Seal(file, version, stream, replay.target, replay.timed, replay.cut);
    return file;
}

ReplayError DecodeReplay(std::span<const std::uint8_t> bytes, Replay& replay) {
    if (bytes.size() > kMaxReplayFileBytes) return ReplayError::TooLarge;
    const std::size_t magic = std::min(bytes.size(), kReplayMagic.size());
    if (!std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(magic),
                    kReplayMagic.begin()))
        return ReplayError::NotAReplay;
    ByteReader header(bytes.subspan(magic));
    const std::uint8_t version = header.Byte();
    if (header.ok && version > kReplayVersion) return ReplayError::NewerVersion;
    const std::uint8_t flags = header.Byte();
    const std::uint64_t target = header.Varint();
    const std::uint64_t length = header.Varint();
    if (header.ranOut ||
        (header.ok && header.Left() < 4 + std::min<std::uint64_t>(length, kMaxReplayFileBytes)))
        return ReplayError::Truncated;
    if (!header.ok || version == 0 || flags > 3 || target == 0 ||
        target > static_cast<std::uint64_t>(codec::kMaxCount) || header.Left() != length + 4)
        return ReplayError::Damaged;
    const std::size_t crcAt = bytes.size() - 4;
    std::uint32_t crc = 0;
    for (int i = 0; i < 4; ++i)
        crc |= static_cast<std::uint32_t>(bytes[crcAt + static_cast<std::size_t>(i)]) << (8 * i);
    if (crc != Crc32(bytes.first(crcAt))) return ReplayError::Damaged;
    Replay read{static_cast<int>(target), (flags & 1) != 0, (flags & 2) != 0, {}, {}};
    const std::span<const std::uint8_t> stream = bytes.subspan(crcAt - length, length);
    std::vector<std::string> poses;
    Reader body(stream, poses);
    const ReplayError error =
        version == kReplayVersion ? Refence(stream, read) : ReadBody(body, read, version);
    if (error == ReplayError::None) replay = std::move(read);
    return error;
}

// Room for the longest bout is taken once, so recording never grows the heap.
PictureRecorder::PictureRecorder() {
    stream.reserve(kBytes);
    last.reserve(kBytes + 64);
    poses.reserve(512);
}

void PictureRecorder::Begin(const BoutView& view, int boutTarget, bool boutTimed,
                            std::int64_t now) {
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
void PictureRecorder::Add(const ReplayEntry& entry, std::int64_t now) {
    if (cut || stream.size() + kEntrySlack > kBytes || count >= kMaxReplayEntries ||
        now - start > kMaxMs) {
        cut = true;
        return;
    }
    Writer w(stream, poses);
    WriteEntry(w, ms, written, entry, kPicturesVersion);
    ++count;
}

void PictureRecorder::See(const BoutView& view, std::int64_t now) {
    if (!recording) return;
    ReplayPicture picture = ReplayPicture::Of(view);
    if (picture != seen) {
        seen = picture;
        Add({static_cast<std::uint32_t>(std::max<std::int64_t>(0, now - start)),
             std::move(picture)},
            now);
    }
    if (!ending) return;
    Seal(last, kPicturesVersion, stream, target, timed, cut);
    recording = ending = false;
}

void PictureRecorder::Finish() {
    if (!recording) return;
    Seal(last, kPicturesVersion, stream, target, timed, cut || !ending);
    recording = ending = false;
}

// Events come in the middle of a step; the picture is taken when the step is shown, and the
// bout's last picture with the view published after its end.
void PictureRecorder::Note(const BoutEvent& event, std::int64_t now) {
    if (!recording) return;
    Add({static_cast<std::uint32_t>(std::max<std::int64_t>(0, now - start)), event}, now);
    ending = std::holds_alternative<BoutOver>(event);
}

ReplayPlayer::ReplayPlayer(const Replay& replay, platform::TimerSource& timers,
                           const platform::Clock& clock)
    : replay(replay), clock(clock), timer(timers.MakeTimer("TimerReplay", kStep)) {
    timer->SetOnTimer([this] { Tick(); });
    for (std::size_t i = 0; i < replay.entries.size(); ++i)
        if (std::holds_alternative<ReplayPicture>(replay.entries[i].what)) pictures.push_back(i);
}

void ReplayPlayer::Start() {
    next = 0;
    paused = false;
    Rebase(0);
    timer->SetEnabled(true);
    Tick();
}

void ReplayPlayer::Rebase(std::int64_t at) {
    base = at;
    since = clock.NowMilliseconds();
}

// Reckoned from the clock, not counted in ticks, so a late tick never slows the replay; it
// never runs past the bout's end, so a paused or ended replay reads where it stopped.
std::int64_t ReplayPlayer::Position() const {
    const std::int64_t at = paused ? base : base + (clock.NowMilliseconds() - since) * speed / 4;
    return std::min(at, std::max(base, Length()));
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
    Rebase(Position());
    paused = !paused;
    timer->SetEnabled(!paused && !Ended());
}

void ReplayPlayer::SetSpeed(int quarters) {
    Rebase(Position());
    speed = std::clamp(quarters, kReplaySpeeds.front(), kReplaySpeeds.back());
}

// The entries up to `ms` count as shown, and the last picture among them is drawn: just what
// playing from the start has drawn last by then.
void ReplayPlayer::Seek(std::int64_t ms) {
    ms = std::clamp<std::int64_t>(ms, 0, Length());
    const auto after =
        std::upper_bound(replay.entries.begin(), replay.entries.end(), ms,
                         [](std::int64_t at, const ReplayEntry& entry) { return at < entry.ms; });
    next = static_cast<std::size_t>(after - replay.entries.begin());
    Rebase(ms);
    const auto last = std::lower_bound(pictures.begin(), pictures.end(), next);
    if (last != pictures.begin() && onPicture)
        onPicture(std::get<ReplayPicture>(replay.entries[*std::prev(last)].what));
    timer->SetEnabled(!paused && !Ended());
}

// By the pictures' times: two pictures of one instant are one step.
void ReplayPlayer::Step(int direction) {
    if (!paused) TogglePause();
    const auto coming = std::lower_bound(pictures.begin(), pictures.end(), next);
    auto msOf = [this](std::size_t entry) { return std::int64_t{replay.entries[entry].ms}; };
    if (direction > 0) {
        if (coming != pictures.end()) Seek(msOf(*coming));
        return;
    }
    if (coming == pictures.begin()) return;
    const std::int64_t shown = msOf(*std::prev(coming));
    const auto before = std::find_if(std::make_reverse_iterator(coming), pictures.rend(),
                                     [&](std::size_t e) { return msOf(e) < shown; });
    if (before != pictures.rend()) Seek(msOf(*before));
}

} // namespace pistework::game
