#pragma once
// What the game may ask of the outside world. One small interface per kind of object,
// named after the operations the game really uses. The Qt shell and the headless
// platform both implement these; the game sees nothing else.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
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

// A picture control. Loading replaces the picture with the named resource at its own size,
// drawn from the control's top-left corner.
class Image {
public:
    virtual ~Image() = default;
    virtual void LoadFromResourceName(const std::string& name) = 0;
    virtual std::string PictureName() const = 0;
    virtual int Left() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Transparent() const = 0;
    virtual void SetTransparent(bool transparent) = 0;
    virtual void BringToFront() = 0;
};

class Label {
public:
    virtual ~Label() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
};

class Shape {
public:
    virtual ~Shape() = default;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
};

class Button {
public:
    virtual ~Button() = default;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetOnClick(std::function<void()> handler) = 0;
};

// A menu item. Radio items of one group are exclusive: checking one clears the others;
// clearing one checks nothing. Clicking an item never changes its mark by itself: the
// handler decides.
class MenuItem {
public:
    virtual ~MenuItem() = default;
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetOnClick(std::function<void()> handler) = 0;
};

// The hidden edit box that receives the players' keys one character at a time.
class EditBox {
public:
    virtual ~EditBox() = default;
    virtual std::u32string Text() const = 0;
    virtual void SetText(const std::u32string& text) = 0;
    virtual void SetFocus() = 0;
    virtual void SetOnKeyPress(std::function<void(char32_t)> handler) = 0;
};

// A hidden list of texts read by row number.
class StringList {
public:
    virtual ~StringList() = default;
    virtual int Count() const = 0;
    virtual std::string Item(int row) const = 0;
    virtual void SetItems(const std::vector<std::string>& rows) = 0;
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

// The main window itself, as far as the game needs it.
class Form {
public:
    virtual ~Form() = default;
    virtual void Close() = 0;
};

} // namespace pistework::platform
