// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt implementations of the services the game runs on, and the logging categories under which
// the window and the timers log every change (off unless QT_LOGGING_RULES turns them on), for
// bug reports.

#include "app/SoundEffect.h"
#include "common/RecordChart.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>

class QIODevice;

Q_DECLARE_LOGGING_CATEGORY(lcCaption)
Q_DECLARE_LOGGING_CATEGORY(lcPicture)
Q_DECLARE_LOGGING_CATEGORY(lcTimer)
Q_DECLARE_LOGGING_CATEGORY(lcMenu)
Q_DECLARE_LOGGING_CATEGORY(lcSound)
Q_DECLARE_LOGGING_CATEGORY(lcTick)
Q_DECLARE_LOGGING_CATEGORY(lcNetwork)

namespace pistework::app {

// A QTimer, a child of `parent` so that tests find it by name, that stops and goes with the
// object that made it: no tick reaches a handler whose owner is gone.
class QtTimer : public platform::Timer {
public:
    QtTimer(QObject* parent, const QString& name, int interval, bool enabled);
    ~QtTimer() override;
    QtTimer(const QtTimer&) = delete;
    QtTimer& operator=(const QtTimer&) = delete;
    bool Enabled() const override { return timer->isActive(); }
    void SetEnabled(bool enabled) override;
    int Interval() const override { return timer->interval(); }
    void SetInterval(int milliseconds) override;
    void SetOnTimer(std::function<void()> handler) override { onTimer = std::move(handler); }

private:
    QPointer<QTimer> timer;
    std::function<void()> onTimer;
};

// A picture label drawn pixel for pixel from its top-left corner. On a scaled screen each
// picture pixel becomes a block of device pixels, never a blend of its neighbours, as
// QLabel's own drawing of a pixmap gives.
class PixelArtLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The game's timers, children of one object.
class QtTimerSource : public platform::TimerSource {
public:
    explicit QtTimerSource(QObject* parent) : parent(parent) {}
    std::unique_ptr<platform::Timer> MakeTimer(std::string_view name, int milliseconds) override;

private:
    QObject* parent;
};

// Why a cue file is not loaded. QSoundEffect decodes a whole file into memory, so a huge or
// long one would cost the game its memory rather than a moment of silence. Cues are short.
enum class CueRefusal { NotAWav, TooLarge, TooLong };
inline constexpr std::int64_t kLargestCueBytes = 8 * 1024 * 1024;
inline constexpr int kLongestCueSeconds = 10;

// Why the open `file` is no cue to load, or nothing when it may be loaded. Only its size and
// its chunk headers are read, however large it is: a WAV needs a "fmt " chunk with a byte rate
// and a "data" chunk, whose length is the data size over that byte rate.
std::optional<CueRefusal> RefuseCue(QIODevice& file);

// An entry point of a library the program loads itself, at `path` relative to the program's
// own folder, loaded the first time it is asked for and kept. Null when it cannot be loaded:
// `log` then says once what the player goes `without` and why, and `error`, if given, says why
// on every call.
QFunctionPointer PrivateLibraryEntry(const char* path, const char* symbol,
                                     const QLoggingCategory& log, const char* without,
                                     QString* error = nullptr);

// The record chart's maker, loading its library the first time; null when it cannot be loaded.
MakeRecordChart RecordChartLibrary();

// Sound cues on QSoundEffect, which needs no media backend. A name starting with ":/" is one
// of the program's own resources, anything else a local file. Each file is loaded once, the
// first time it is opened, and kept: a cue heard again is only a play(), which never holds
// up a fencer's tick. Without a sound device, without the sound library, or with a file that
// will not decode, a cue is silent and nothing else. A file refused by RefuseCue is silent
// too, and the log says why once per file name.
class QtMediaPlayer : public platform::MediaPlayer {
public:
    // The sound effects are children of `parent`, which must outlive any use of the player.
    explicit QtMediaPlayer(QObject* parent) : parent(parent) {}
    std::string FileName() const override { return fileName; }
    void SetFileName(const std::string& name) override { fileName = name; }
    bool Open() override;
    bool Play() override;

private:
    QObject* parent;
    std::string fileName;
    std::map<std::string, std::unique_ptr<SoundEffect>> effects;
    std::set<std::string> refused; // already in the log
    SoundEffect* opened = nullptr;
};

class QtClock : public platform::Clock {
public:
    std::int64_t NowMilliseconds() const override;
};

class QtLauncher : public platform::Launcher {
public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
};

} // namespace pistework::app
