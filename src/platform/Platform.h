// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game may ask of the outside world. One small interface per kind of object,
// named after the operations the game really uses. The Qt shell and the headless
// platform both implement these; the game sees nothing else.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace pistework::platform {

// An interval timer. Ticks arrive one at a time on the one thread and never re-enter.
// Enabling a stopped timer starts a fresh interval; enabling a running one changes nothing;
// disabling stops further ticks at once; a new interval restarts a running timer.
class Timer {
public:
    virtual ~Timer() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual int Interval() const = 0;
    virtual void SetInterval(int milliseconds) = 0;
    virtual void SetOnTimer(std::function<void()> handler) = 0;
};

// Makes the game's timers, stopped. Each is named for the tick log and lives as long as the
// source that made it.
class TimerSource {
public:
    virtual ~TimerSource() = default;
    virtual std::unique_ptr<Timer> MakeTimer(std::string_view name, int milliseconds) = 0;
};

// Plays a sound file. Open and Play report failure instead of throwing; the caller
// decides to ignore it.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual std::string FileName() const = 0;
    virtual void SetFileName(const std::string& fileName) = 0;
    virtual bool Open() = 0;
    virtual bool Play() = 0;
};

// The settings store: named integer and string values, the player's own read over the
// administrator's. A value of the other kind reads as absent. Values written together are
// stored together or not at all.
class Store {
public:
    using Value = std::variant<int, std::string>;
    using Values = std::vector<std::pair<std::string, Value>>;
    virtual ~Store() = default;
    virtual std::optional<int> ReadInteger(const std::string& name) const = 0;
    virtual std::optional<std::string> ReadString(const std::string& name) const = 0;
    // The player's own value only, never the administrator's: none when the player has not
    // set it, "" when it is there but not text.
    virtual std::optional<std::string> ReadOwnString(const std::string& name) const = 0;
    // False when the store did not take them all; the old values then stay whole.
    virtual bool Write(const Values& values) = 0;
};

// Wall-clock time. The opponent reseeds its generator from the whole seconds of it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMilliseconds() const = 0;
};

class Random {
public:
    virtual ~Random() = default;
    virtual void Seed(std::uint32_t seed) = 0;
    // The next value of the generator, 0 to 32767.
    virtual int Next() = 0;
};

// Starts an external program detached, with no shell in between.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

// A byte stream to one peer on the network: what is sent arrives whole and in order, until
// the connection ends.
class Connection {
public:
    virtual ~Connection() = default;
    virtual void Send(std::span<const std::uint8_t> bytes) = 0;
    // Ends the connection once what was sent has gone; nothing more is reported after.
    virtual void Close() = 0;
    virtual void SetOnReceived(std::function<void(std::span<const std::uint8_t>)> handler) = 0;
    // The peer closed the connection, or the network broke it.
    virtual void SetOnLost(std::function<void()> handler) = 0;
};

// The bouts a player has fenced, kept one file each under names the store gives. A file is
// written whole or not at all; the oldest go once more than kMostFiles or kMostBytes are kept.
// Several windows may keep bouts in one place at once: none loses another's.
class BoutStore {
public:
    static constexpr std::size_t kMostFiles = 200;
    static constexpr std::uint64_t kMostBytes = 4 * 1024 * 1024;
    // A larger file is none of ours: it is never read, and never counted or removed.
    static constexpr std::uint64_t kLargestFile = 512 * 1024;
    virtual ~BoutStore() = default;
    // Keeps `bytes` under a new name; false when they could not be written whole, and then
    // every file kept before is still there.
    virtual bool Add(std::span<const std::uint8_t> bytes) = 0;
    // The names of the files kept, oldest first.
    virtual std::vector<std::string> Names() const = 0;
    // A kept file's bytes; none when it is gone, not a regular file, or too large.
    virtual std::optional<std::vector<std::uint8_t>> Read(const std::string& name) const = 0;
    virtual bool Remove(const std::string& name) = 0;
};

// What the game runs on: one of each service, from the Qt shell or the headless platform.
struct Services {
    TimerSource& timers;
    MediaPlayer& sound;
    Store& store;
    Clock& clock;
    BoutStore& bouts;
};

} // namespace pistework::platform
