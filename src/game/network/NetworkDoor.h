// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's door while it hosts. Several connections may wait at once for their hello, so a
// connection that says nothing cannot keep a real guest out; the first guest with the right
// code begins the bout, and a later one is turned away plainly. Watchers with the code come in
// before or during the bout and see it all; they and those still waiting share the door's
// places. A few wrong codes shut the door for good, so the code cannot be found by trying:
// hosting again shows a new one.

#include "game/network/NetworkBout.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace pistework::game {

class NetworkDoor {
public:
    // How many connections may wait for their hello, or watch, at once.
    static constexpr std::size_t kMostWaiting = 8;
    // A connection that has not said hello by this long after it came gives up its place to
    // one that comes while the door is full. Alone it may wait as long as a link may be silent,
    // so a guest on a slow link (the hello takes its one-way time to come) still gets in.
    static constexpr int kHelloMs = 2000;
    // Wrong codes that shut the door: a guess finds the code 5 times in 10,000 per hosting.
    static constexpr int kMostWrongCodes = 5;

    NetworkDoor(const NetworkPlace& place, int code);
    ~NetworkDoor();
    NetworkDoor(const NetworkDoor&) = delete;
    NetworkDoor& operator=(const NetworkDoor&) = delete;

    // A connection came in: it waits for its hello or, the door being full, shut or past it,
    // is turned away at once.
    void Arrive(std::unique_ptr<platform::Connection> connection);
    // The host's player stops hosting, or leaves the bout once begun.
    void Leave();

    // Each ending at the door (begun false) and the bout's own end (begun true).
    void SetOnEnd(OnNetworkEnd handler) { onEnd = std::move(handler); }
    void SetOnBegin(std::function<void()> handler) { onBegin = std::move(handler); }
    // The last wrong code it takes: every waiting connection is sent away, and none may come.
    void SetOnShut(std::function<void()> handler) { onShut = std::move(handler); }
    // A watcher came in (true) or went (false, with why).
    void SetOnWatcher(std::function<void(bool came, net::Ending why)> handler) {
        onWatcher = std::move(handler);
    }

    bool Begun() const { return bout != nullptr; }
    // The host's end of the bout, once begun.
    NetworkFencing* Fencing() const { return bout ? bout->host->Fencing() : nullptr; }
    std::size_t Watchers() const;
    bool Shut() const { return shut; }
    std::size_t Waiting() const;
    // The bout's link and connection, once begun.
    const NetworkLink* Link() const { return bout ? &bout->host->Link() : nullptr; }
    platform::Connection* Connection() const { return bout ? bout->connection.get() : nullptr; }

private:
    struct Visitor {
        std::unique_ptr<platform::Connection> connection;
        std::unique_ptr<NetworkHost> host;
        std::int64_t came;
        bool ended = false;
        bool waitsToWatch = false;
    };
    void Join(Visitor& visitor, bool watch);
    void Begin(Visitor& winner);
    void Ended(Visitor& visitor, net::Ending why, bool begun);
    void Sweep();

    NetworkPlace place;
    int code;
    // Held by pointer: a visitor's handlers refer to it while the list grows.
    std::vector<std::unique_ptr<Visitor>> visitors;
    Visitor* bout = nullptr;
    int wrongCodes = 0;
    bool shut = false;
    OnNetworkEnd onEnd;
    std::function<void()> onBegin, onShut;
    std::function<void(bool, net::Ending)> onWatcher;
};

} // namespace pistework::game
