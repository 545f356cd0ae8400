// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ends of a network bout. Both players fence the same bout in their own games from each
// other's stamped inputs, while their own games wait; the host's end keeps the door's side of
// the handshake and tells any watchers what both players did. Either end ends the link, plainly
// and once, when its player leaves, when the peer leaves, falls silent or breaks its rules.

#include "game/Game.h"
#include "game/network/NetworkFencing.h"
#include "game/network/NetworkLink.h"
#include "platform/Platform.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace pistework::game {

// Reported once as a network bout ends: why, and whether it had begun (a guest turned away at
// the door never fenced).
using OnNetworkEnd = std::function<void(net::Ending why, bool begun)>;

// What a guest's or watcher's end and the host's each need of the machine they run on.
struct NetworkPlace {
    Game& game;
    platform::TimerSource& timers;
    const platform::Clock& clock;
    platform::MediaPlayer& sound;
};

// The host's end of one connection: a guest who comes to fence, or a watcher.
class NetworkHost {
public:
    // Whether a hello with a code lets the guest in (none) or why not.
    using Judge = std::function<std::optional<net::Refusal>(int code)>;
    // Waits on `connection`, from `address`, for a hello that `judge` lets in.
    NetworkHost(const NetworkPlace& place, platform::Connection& connection, Judge judge,
                std::string address = {});
    void SetOnEnd(OnNetworkEnd handler) { onEnd = std::move(handler); }
    // The visitor has the right code: the door answers with Begin, Show or TurnAway.
    void SetOnJoin(std::function<void(bool watch)> handler) { onJoin = std::move(handler); }

    // The bout begins with this guest, now, at the host's options.
    void Begin();
    // A watcher is sent the bout so far, and then each input and the horizon as they come.
    void Show(const SharedSetup& setup, std::span<const StampedInput> inputs);
    void Forward(const StampedInput& input);
    void ForwardTime(std::int64_t horizon);
    // A watcher is told the next bout's start.
    void ForwardAgain(std::int64_t start);
    // The host's player asks for another bout, or agrees to the guest's asking; once both
    // have and the bout is over for good, the next begins.
    void Offer();
    // The next bout began at `start`, the one before complete up to `horizon`: the door tells
    // the watchers, and shows the new one.
    void SetOnAgain(std::function<void(std::int64_t horizon, std::int64_t start)> handler) {
        onAgain = std::move(handler);
    }
    // The host's player ends the bout: New Game, or the window closing.
    void Leave();
    // Another guest got in first, or this one is keeping a place at the door from others.
    void TurnAway();

    bool Begun() const { return fencing != nullptr; }
    bool Watching() const { return watching; }
    NetworkFencing* Fencing() { return fencing.get(); }
    const NetworkLink& Link() const { return link; }

private:
    void Receive(const net::Message& message);
    void BeginAgain();

    NetworkPlace place;
    NetworkLink link;
    Judge judge;
    std::string address;
    bool greeted = false, joined = false, watching = false;
    // The next bout's start, until the guest says it follows.
    std::optional<std::int64_t> following;
    std::int64_t sentAt = 0; // the guest's clock in its join
    std::unique_ptr<NetworkFencing> fencing;
    OnNetworkEnd onEnd;
    std::function<void(bool)> onJoin;
    std::function<void(std::int64_t, std::int64_t)> onAgain;
};

// The guest's end: it says hello and fences the left fencer once welcomed, and each next bout
// the host begins once both asked for it.
class NetworkGuest {
public:
    // Knocks at `address` with `code`.
    NetworkGuest(const NetworkPlace& place, platform::Connection& connection, int code,
                 std::string address = {});
    void SetOnEnd(OnNetworkEnd handler) { onEnd = std::move(handler); }
    // The bout began, or the next one after it.
    void SetOnBegin(std::function<void()> handler) { onBegin = std::move(handler); }
    void Offer() {
        if (fencing) fencing->Offer();
    }
    // Says hello, once its handlers are set: the answer may come at once.
    void Knock();
    void Leave();
    bool Begun() const { return fencing != nullptr; }
    NetworkFencing* Fencing() { return fencing.get(); }
    const NetworkLink& Link() const { return link; }

private:
    void Receive(const net::Message& message);

    NetworkPlace place;
    NetworkLink link;
    int code;
    std::string address;
    std::unique_ptr<NetworkFencing> fencing;
    OnNetworkEnd onEnd;
    std::function<void()> onBegin;
};

// A watcher's end: it fences the bout as far as the host has told it both players' inputs,
// a moment behind them, and commands nothing.
class NetworkWatcher {
public:
    NetworkWatcher(const NetworkPlace& place, platform::Connection& connection, int code,
                   std::string address = {});
    void SetOnEnd(OnNetworkEnd handler) { onEnd = std::move(handler); }
    void SetOnBegin(std::function<void()> handler) { onBegin = std::move(handler); }
    // Says hello, once its handlers are set.
    void Knock();
    // How far past its own reading of the host's time a host may say it has sent every input:
    // the reading is off by up to half the round trip the welcome took.
    static constexpr std::int64_t kAheadMs = 1000;
    void Leave();
    bool Begun() const { return shown != nullptr; }
    ShownBout* Shown() { return shown.get(); }
    const NetworkLink& Link() const { return link; }

private:
    void Receive(const net::Message& message);

    // The host's bout time as this machine reads it.
    std::int64_t BoutNow() const;

    // A bout shown from `setup`; the one before, if any, kept and let go.
    void ShowBout(const SharedSetup& setup);

    NetworkPlace place;
    NetworkLink link;
    int code;
    std::string address;
    std::unique_ptr<ShownBout> shown;
    std::int64_t horizon = 0;
    std::int64_t offset = 0; // turns this machine's clock into the host's
    OnNetworkEnd onEnd;
    std::function<void()> onBegin;
};

} // namespace pistework::game
