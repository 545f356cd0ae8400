// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two ends of a network bout. The host's game is the authority: it fences the bout, takes
// the guest's commands for the left fencer and sends the guest what the piste shows. The
// guest's own game is held meanwhile; it draws what the host sends and plays its sound cues.
// Either end keeps the link alive with heartbeats, and ends it, plainly and once, when its
// player leaves, when the peer leaves, falls silent or breaks the rules of the link.

#include "game/Game.h"
#include "game/network/Network.h"
#include "platform/Platform.h"

#include <functional>
#include <memory>

namespace pistework::game {

// Frames over one connection, with heartbeats and the silence that ends it.
class NetworkLink {
public:
    NetworkLink(net::Role role, platform::Connection& connection, platform::TimerSource& timers,
                const platform::Clock& clock);
    ~NetworkLink();
    NetworkLink(const NetworkLink&) = delete;
    NetworkLink& operator=(const NetworkLink&) = delete;

    void SetOnMessage(std::function<void(const net::Message&)> handler) {
        onMessage = std::move(handler);
    }
    void SetOnEnd(std::function<void(net::Ending)> handler) { onEnd = std::move(handler); }
    void Send(const net::Message& message);
    // Closes the connection and reports `why`, once; whatever comes after is not read.
    void End(net::Ending why);
    bool Ended() const { return ended; }
    std::uint64_t BytesSent() const { return sent; }
    std::uint64_t BytesReceived() const { return received; }

    // How often the link looks at the time since it last heard and last spoke.
    static constexpr int kCheckMs = 250;

private:
    void Received(std::span<const std::uint8_t> bytes);
    void Check();

    platform::Connection& connection;
    const platform::Clock& clock;
    std::unique_ptr<platform::Timer> timer;
    net::FrameWriter writer;
    net::FrameReader reader;
    std::function<void(const net::Message&)> onMessage;
    std::function<void(net::Ending)> onEnd;
    int unheard = 0; // checks since a whole frame came
    int quiet = 0;   // checks since the last frame went
    std::uint64_t sent = 0, received = 0;
    bool ended = false;
};

// Reported once as a network bout ends: why, and whether it had begun (a guest turned away at
// the door never fenced).
using OnNetworkEnd = std::function<void(net::Ending why, bool begun)>;

class NetworkHost {
public:
    // Waits on `connection` for the guest's hello with `code`.
    NetworkHost(Game& game, platform::Connection& connection, platform::TimerSource& timers,
                const platform::Clock& clock, int code);
    void SetOnEnd(OnNetworkEnd handler) { onEnd = std::move(handler); }
    void SetOnBegin(std::function<void()> handler) { onBegin = std::move(handler); }
    // Each command of the guest's as it arrives, before the game takes it.
    void SetOnCommand(std::function<void(FencerCommand)> handler) {
        onCommand = std::move(handler);
    }
    // Each view and event of the host's game, which the guest is sent.
    void SendView(const BoutView& view);
    void SendEvent(const BoutEvent& event);
    // The host's player ends the bout: New Game, or the window closing.
    void Leave();
    // Another guest got in first, or this one is keeping a place at the door from others.
    void TurnAway();
    bool Begun() const { return begun; }
    const NetworkLink& Link() const { return link; }

private:
    void Receive(const net::Message& message);

    Game& game;
    NetworkLink link;
    int code;
    bool begun = false;
    std::optional<net::Picture> shown;
    OnNetworkEnd onEnd;
    std::function<void()> onBegin;
    std::function<void(FencerCommand)> onCommand;
};

class NetworkGuest {
public:
    // Says hello with `code` on `connection` at once. The host's sound cues play on `sound`
    // as the guest's own options have it.
    NetworkGuest(Game& game, platform::Connection& connection, platform::TimerSource& timers,
                 const platform::Clock& clock, platform::MediaPlayer& sound, int code);
    void SetOnEnd(OnNetworkEnd handler) { onEnd = std::move(handler); }
    void SetOnBegin(std::function<void()> handler) { onBegin = std::move(handler); }
    void SetOnPicture(std::function<void(const net::Picture&)> handler) {
        onPicture = std::move(handler);
    }
    // The guest's commands for its fencer, and its pause: nothing before the host welcomes it.
    // The pause asks for the other of what the guest sees.
    void Command(FencerCommand command);
    void PauseOrResume();
    void Leave();
    bool Begun() const { return begun; }
    const NetworkLink& Link() const { return link; }

private:
    void Receive(const net::Message& message);

    Game& game;
    const platform::Clock& clock;
    platform::MediaPlayer& sound;
    NetworkLink link;
    bool begun = false;
    net::Picture shown;
    // The guest's own game waits, as under a replay, until the network bout ends; the host's
    // bout is kept as the last one fenced here, from its first picture.
    std::optional<PlayHold> hold;
    ReplayRecorder recording;
    std::optional<std::pair<int, bool>> keeping; // the target and timing of a bout to keep
    bool kept = false;
    OnNetworkEnd onEnd;
    std::function<void()> onBegin;
    std::function<void(const net::Picture&)> onPicture;
};

} // namespace pistework::game
