// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A replay: the last bout fenced, kept as the pictures the piste showed and the events, each
// with its time since the bout's start, so it can be saved, shared and drawn again. The file
// is a small header and a stream of per-field changes in varints, read as hostile input.

#include "game/BoutView.h"
#include "game/replay/ViewCodec.h"
#include "platform/Platform.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pistework::game {

struct ReplayEntry {
    std::uint32_t ms = 0; // since the bout's start
    std::variant<ReplayPicture, BoutEvent> what;
};

struct Replay {
    int target = 15; // the options that shape the picture
    bool timed = true;
    bool cut = false; // the bout ran past what a replay keeps: it stops there
    std::vector<ReplayEntry> entries;
};
bool operator==(const Replay& a, const Replay& b);

// What a file may hold at most: more than the recorder ever writes, so a file past these was
// never one of the game's.
inline constexpr std::size_t kMaxReplayEntries = 60'000;
inline constexpr std::size_t kMaxReplayFileBytes = 4u << 20;
inline constexpr std::string_view kReplayMagic = "PSTW";
inline constexpr std::uint8_t kReplayVersion = 1;

enum class ReplayError {
    None,
    TooLarge,     // bigger than any replay the game writes
    NotAReplay,   // another kind of file
    NewerVersion, // written by a later Pistework
    Truncated,    // ends before its stream does
    Damaged,      // its bytes were changed, or never made sense
};

std::vector<std::uint8_t> EncodeReplay(const Replay& replay);
// Decodes all of `bytes` into `replay`, or leaves it untouched and says what is wrong.
ReplayError DecodeReplay(std::span<const std::uint8_t> bytes, Replay& replay);

// Keeps the bout in progress, written as it goes, and the file of the last one that came to
// its end.
class ReplayRecorder {
public:
    ReplayRecorder();
    void Begin(const BoutView& view, int boutTarget, bool boutTimed, std::int64_t now);
    void See(const BoutView& view, std::int64_t now);
    void Note(const BoutEvent& event, std::int64_t now);
    // Stopped before its end: the last whole bout stays the one to save.
    void Drop() { recording = false; }
    // The last bout's file; empty before the first bout ends.
    std::span<const std::uint8_t> Last() const { return last; }
    // A whole bout recorded elsewhere becomes the last one.
    void Keep(std::span<const std::uint8_t> file) { last.assign(file.begin(), file.end()); }

    // What one bout may take: some two hours of fencing.
    static constexpr std::size_t kBytes = 512 * 1024;

private:
    // More than one entry can take.
    static constexpr std::size_t kEntrySlack = 512;
    void Add(const ReplayEntry& entry, std::int64_t now);

    std::vector<std::uint8_t> stream, last;
    std::vector<std::string> poses;
    ReplayPicture seen, written;
    std::uint32_t ms = 0;
    std::size_t count = 0;
    std::int64_t start = 0;
    int target = 15;
    bool timed = true;
    bool cut = false;
    bool recording = false;
    bool ending = false; // the bout is over: its last picture ends the recording
};

// Draws a replay's pictures at their times, at one, two or four times the speed, with pause.
class ReplayPlayer {
public:
    ReplayPlayer(const Replay& replay, platform::TimerSource& timers, const platform::Clock& clock);
    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;

    void SetOnPicture(std::function<void(const ReplayPicture&)> listener) {
        onPicture = std::move(listener);
    }
    void Start();
    void TogglePause();
    void SetSpeed(int times);
    bool Paused() const { return paused; }
    int Speed() const { return speed; }
    bool Ended() const { return next >= replay.entries.size(); }

    // How often the player looks at the clock: finer than any tick of play.
    static constexpr int kStep = 10;

private:
    std::int64_t Position() const;
    void Tick();

    const Replay& replay;
    const platform::Clock& clock;
    std::unique_ptr<platform::Timer> timer;
    std::function<void(const ReplayPicture&)> onPicture;
    std::size_t next = 0;
    std::int64_t base = 0;  // replay time at `since`
    std::int64_t since = 0; // clock time of the last start, resume or change of speed
    int speed = 1;
    bool paused = false;
};

} // namespace pistework::game
