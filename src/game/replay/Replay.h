// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A replay: the last bout fenced, so it can be saved, shared and drawn again. Its file keeps the
// bout as it stood when it began and every input its driver gave it, each stamped with the
// ticks and the time it came between; playing it fences the bout again into the pictures the
// piste showed and the events, each with its time since the bout's start. Earlier files kept
// those pictures themselves, as per-field changes; they play as they are. Files are small: a
// header, then varints, read as hostile input.

#include "game/BoutView.h"
#include "game/bout/Bout.h"
#include "game/replay/ViewCodec.h"
#include "platform/Platform.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
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
    // A version 3 file's setup and inputs, which fence it again; empty for earlier versions,
    // which keep only pictures.
    std::vector<std::uint8_t> inputs;
};
bool operator==(const Replay& a, const Replay& b);

// What a file may hold at most: more than the recorder ever writes, so a file past these was
// never one of the game's.
inline constexpr std::size_t kMaxReplayEntries = 60'000;
inline constexpr std::size_t kMaxReplayFileBytes = 4u << 20;
inline constexpr std::string_view kReplayMagic = "PSTW";
// Version 2 adds the referee's reason after each ruling; version 1 files read without them.
// Version 3 keeps the bout's setup and inputs in place of its pictures.
inline constexpr std::uint8_t kPicturesVersion = 2;
inline constexpr std::uint8_t kReplayVersion = 3;
// The most ticks a version 3 file may fence: some nine hours of a bout at a level's pace.
inline constexpr std::uint32_t kMaxReplayTicks = 1u << 20;

enum class ReplayError {
    None,
    TooLarge,     // bigger than any replay the game writes
    NotAReplay,   // another kind of file
    NewerVersion, // written by a later Pistework
    Truncated,    // ends before its stream does
    Damaged,      // its bytes were changed, or never made sense
    OtherRules,   // fenced again here, its bout ends otherwise: another build's rules wrote it
};

std::vector<std::uint8_t> EncodeReplay(const Replay& replay);

// The bout as it stood `ms` after its start (before what came later), fenced again from the
// replay's inputs; none for a replay that keeps only pictures.
std::optional<Bout> BoutAt(const Replay& replay, std::int64_t ms);
// Decodes all of `bytes` into `replay`, or leaves it untouched and says what is wrong.
ReplayError DecodeReplay(std::span<const std::uint8_t> bytes, Replay& replay);

// Keeps the pictures of a bout in progress, written as it goes, and their file once it came to
// its end: how a bout fenced again becomes pictures to play.
class PictureRecorder {
public:
    PictureRecorder();
    void Begin(const BoutView& view, int boutTarget, bool boutTimed, std::int64_t now);
    void See(const BoutView& view, std::int64_t now);
    void Note(const BoutEvent& event, std::int64_t now);
    // Stopped before its end: the last whole bout stays the one to save.
    void Drop() { recording = false; }
    // Ended before the bout did: the file keeps what there is and says it was cut.
    void Finish();
    // The last bout's file; empty before the first bout ends.
    std::span<const std::uint8_t> Last() const { return last; }
    // A whole bout recorded elsewhere becomes the last one.

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

// Keeps the bout in progress as its setup and its inputs, and the file of the last one that came
// to its end. Every tick and input of a bout goes through here, so none escapes the file.
class ReplayRecorder {
public:
    ReplayRecorder();
    // A bout began: as it stands now, it is the replay's setup.
    void Begin(const Bout& bout);
    // Runs the bout's next tick; false when no timer runs.
    bool RunNext(Bout& bout);
    // Gives the bout an input at `at`, or at its present if that is later.
    void Take(Bout& bout, std::int64_t at, const BoutInput& input);
    // The tick just run ended `bout`: its file is complete.
    void End(const Bout& bout);
    // Stopped before its end: the last whole bout stays the one to save.
    void Drop() { recording = false; }
    std::span<const std::uint8_t> Last() const { return last; }

    // Far more than the longest bout takes, so recording never grows the heap.
    static constexpr std::size_t kBytes = 256 * 1024;

private:
    void Entry(std::uint8_t tag, std::int64_t at);

    std::vector<std::uint8_t> stream, last;
    std::int64_t start = 0;
    std::int64_t seen = 0;    // the bout's time when last written
    std::uint32_t ticks = 0;  // run since the last entry
    std::uint32_t fenced = 0; // run since the start
    std::size_t inputs = 0;
    int target = 15;
    bool timed = true;
    bool cut = false;
    bool recording = false;
};

// The speeds a replay plays at, in quarters of the bout's own pace: ×¼, ×½, ×1, ×2 and ×4.
inline constexpr std::array<int, 5> kReplaySpeeds{1, 2, 4, 8, 16};
inline constexpr int kNormalSpeed = 4;

// Draws a replay's pictures at their times, at any of the speeds, with pause, seeking and
// stepping. Every picture is kept whole in the replay, so any moment is found at once: the
// picture shown after a seek is the one playing from the start would show there.
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
    // In quarters of the bout's pace, one of kReplaySpeeds.
    void SetSpeed(int quarters);
    bool Paused() const { return paused; }
    int Speed() const { return speed; }
    bool Ended() const { return next >= replay.entries.size(); }
    // The moment shown, in ms from the bout's start, and the bout's length.
    std::int64_t Position() const;
    std::int64_t Length() const { return replay.entries.empty() ? 0 : replay.entries.back().ms; }
    // Shows the moment `ms` (bounded by the bout), and plays on from there unless paused.
    void Seek(std::int64_t ms);
    // Pauses on the next picture after the one shown, or the one before it.
    void Step(int direction);
    // The entries shown so far: the index of the first still to come.
    std::size_t Next() const { return next; }

    // How often the player looks at the clock: finer than any tick of play.
    static constexpr int kStep = 10;

private:
    void Tick();
    void Rebase(std::int64_t at);

    const Replay& replay;
    const platform::Clock& clock;
    std::unique_ptr<platform::Timer> timer;
    std::function<void(const ReplayPicture&)> onPicture;
    std::vector<std::size_t> pictures; // the entries that hold a picture, in order
    std::size_t next = 0;
    std::int64_t base = 0;  // replay time at `since`
    std::int64_t since = 0; // clock time of the last start, resume, seek or change of speed
    int speed = kNormalSpeed;
    bool paused = false;
};

} // namespace pistework::game
