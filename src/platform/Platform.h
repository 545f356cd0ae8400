#pragma once
// What the game may ask of the outside world. One small interface per kind of object,
// named after the operations the game really uses. The Qt shell and the headless
// platform both implement these; the game sees nothing else.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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

// The settings store: one key of named integer and string values. A value of the other
// kind reads as absent; writes report failure instead of throwing. Writes may be held until
// the key is closed, so only a successful close means they are stored.
class Registry {
public:
    enum class Root { LocalMachine, CurrentUser, ClassesRoot };
    virtual ~Registry() = default;
    virtual void SetRootKey(Root root) = 0;
    virtual bool OpenKey(const std::string& path, bool canCreate) = 0;
    virtual bool CloseKey() = 0;
    virtual bool ValueExists(const std::string& name) const = 0;
    virtual std::optional<int> ReadInteger(const std::string& name) const = 0;
    virtual std::optional<std::string> ReadString(const std::string& name) const = 0;
    virtual bool WriteInteger(const std::string& name, int value) = 0;
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
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

// What the game runs on: one of each service, from the Qt shell or the headless platform.
struct Services {
    TimerSource& timers;
    MediaPlayer& sound;
    Registry& store;
    Clock& clock;
    Random& random;
};

} // namespace pistework::platform
