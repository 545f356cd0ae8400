// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Frames over one connection, with heartbeats and the silence that ends it.

#include "game/network/Network.h"
#include "platform/Platform.h"

#include <functional>
#include <memory>

namespace pistework::game {

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
    // This side's player leaves: the peer is told so, plainly.
    void Leave() {
        Send(net::Bye{});
        End(net::Ending::Left);
    }
    // Says hello with `code`, to fence or to watch, and this machine's clock.
    void Knock(int code, bool watch, std::int64_t now) {
        Send(net::Hello{net::kVersion, code});
        Send(net::Join{watch, now});
    }
    // A welcome of another version: the guest leaves plainly; true when it did.
    bool RefuseOtherVersion(const net::Welcome& welcome) {
        if (welcome.version == net::kVersion) return false;
        Send(net::Bye{});
        End(net::Ending::WrongVersion);
        return true;
    }
    bool Ended() const { return ended; }
    // Whether a whole frame came within the last second: a peer still there, however far
    // behind, and not one fallen silent, which the silence ends.
    bool HeardLately() const { return unheard * kCheckMs <= net::kHeartbeatMs; }
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

} // namespace pistework::game
