// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/player/KeptBouts.h"

#include "game/bout/Levels.h"
#include "game/player/Utf8.h"
#include "game/replay/Bytes.h"
#include "game/replay/Replay.h"
#include "platform/Platform.h"

#include <algorithm>
#include <string_view>

namespace pistework::game {

namespace {

constexpr std::string_view kMagic = "PWKB";
constexpr unsigned kVersion = 1;
// An address or a host's name is far shorter.
constexpr std::size_t kLongestOpponent = 255;
constexpr std::int64_t kMostHits = 999;
// Longer than any bout a replay keeps, or a watcher could have seen.
constexpr std::int64_t kLongestMs = 24 * 3'600'000;
constexpr std::size_t kHeaderRoom = 512;
constexpr std::size_t kLargestReplay = platform::BoutStore::kLargestFile - kHeaderRoom;
static_assert(ReplayRecorder::kBytes <= kLargestReplay, "a recorded bout must fit a kept file");

} // namespace

std::vector<std::uint8_t> KeptBoutFile(const KeptBout& about,
                                       std::span<const std::uint8_t> replay) {
    if (replay.size() > kLargestReplay) return {};
    std::vector<std::uint8_t> file;
    ByteWriter w(file);
    w.Raw(kMagic);
    w.Byte(kVersion);
    w.Signed(about.endedAt);
    w.Enum(about.kind);
    w.Byte(static_cast<unsigned>(about.level.value_or(0)));
    const std::string opponent = about.opponent.substr(0, kLongestOpponent);
    w.Varint(opponent.size());
    w.Raw(opponent);
    w.Varint(static_cast<std::uint64_t>(
        std::clamp<std::int64_t>(about.score[Side::Left], 0, kMostHits)));
    w.Varint(static_cast<std::uint64_t>(
        std::clamp<std::int64_t>(about.score[Side::Right], 0, kMostHits)));
    w.Varint(static_cast<std::uint64_t>(std::clamp<std::int64_t>(about.lengthMs, 0, kLongestMs)));
    w.Enum(about.end);
    w.Varint(replay.size());
    file.insert(file.end(), replay.begin(), replay.end());
    return file;
}

std::optional<KeptBoutRead> ReadKeptBout(std::span<const std::uint8_t> file) {
    ByteReader r(file);
    if (r.Raw(kMagic.size()) != kMagic || r.Byte() != kVersion) return std::nullopt;
    KeptBoutRead read;
    KeptBout& about = read.about;
    about.endedAt = r.Signed();
    about.kind = r.Enum<BoutKind::Watched>();
    if (const int level = static_cast<int>(r.UpTo(static_cast<std::int64_t>(kLevels.size()))))
        about.level = level;
    // Shown as text: bytes that are not UTF-8 show as replacement characters.
    about.opponent = ToUtf8(FromUtf8(
        r.Raw(static_cast<std::size_t>(r.UpTo(static_cast<std::int64_t>(kLongestOpponent))))));
    about.score[Side::Left] = static_cast<int>(r.UpTo(kMostHits));
    about.score[Side::Right] = static_cast<int>(r.UpTo(kMostHits));
    about.lengthMs = r.UpTo(kLongestMs);
    about.end = r.Enum<BoutEnd::Left>();
    const auto size = static_cast<std::size_t>(r.UpTo(static_cast<std::int64_t>(kLargestReplay)));
    if (!r.ok || r.Left() != size || size == 0) return std::nullopt;
    read.replay = file.subspan(file.size() - size);
    return read;
}

LevelRecords RecordByLevel(std::span<const KeptBout> bouts) {
    LevelRecords records;
    for (const KeptBout& bout : bouts) {
        const std::optional<Side> mine = PlayersSide(bout.kind);
        if (bout.kind != BoutKind::Computer || !bout.level || !mine ||
            *bout.level >= static_cast<int>(records.size()) || *bout.level < 1)
            continue;
        LevelRecord& record = records[static_cast<std::size_t>(*bout.level)];
        const int given = bout.score[*mine], taken = bout.score[Opposite(*mine)];
        record.given += given;
        record.taken += taken;
        if (bout.end != BoutEnd::Finished) continue;
        record.wins += given > taken ? 1 : 0;
        record.losses += given < taken ? 1 : 0;
    }
    return records;
}

std::vector<RecordPoint> RecordOverTime(std::span<const KeptBout> bouts, int level) {
    std::vector<const KeptBout*> against;
    for (const KeptBout& bout : bouts)
        if (bout.kind == BoutKind::Computer && bout.level == level && bout.end == BoutEnd::Finished)
            against.push_back(&bout);
    std::stable_sort(against.begin(), against.end(),
                     [](const KeptBout* a, const KeptBout* b) { return a->endedAt < b->endedAt; });
    std::vector<RecordPoint> points;
    int won = 0;
    for (const KeptBout* bout : against) {
        const Side mine = *PlayersSide(bout->kind);
        won += bout->score[mine] > bout->score[Opposite(mine)] ? 1 : 0;
        points.push_back({bout->endedAt, won * 100 / static_cast<int>(points.size() + 1)});
    }
    return points;
}

} // namespace pistework::game
