// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's door while it hosts. Connections still knocking (not yet said hello and joined)
// have places of their own, a few to each address, and one that has not joined in its time
// gives its place up to a newcomer, so neither silence nor a crowd from one address keeps a
// real guest out. Watchers have places apart, and the player's place is the bout's. The first
// guest with the right code begins the bout, and a later one is turned away plainly. Wrong
// codes only ever slow their address, and everyone's guessing, down (see GuessLedger): they
// never close the door nor touch a bout under way.

#include "game/network/GuessLedger.h"
#include "game/network/NetworkBout.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pistework::game {

class NetworkDoor {
public:
    // How many connections may knock at once, and how many of them from one address.
    static constexpr std::size_t kMostKnocking = 8;
    static constexpr std::size_t kMostKnockingFromOneAddress = 2;
    // How many may watch.
    static constexpr std::size_t kMostWatchers = 8;
    // A connection that has not said hello and joined by this long after it came gives up its
    // place to one that comes while its places are full. Alone it may wait as long as a link
    // may be silent, so a guest on a slow link (the hello takes its one-way time to come) still
    // gets in.
    static constexpr int kHelloMs = 2000;

    // `ledger` counts wrong codes and outlives the door, so hosting again gives no guesser
    // fresh tries.
    NetworkDoor(const NetworkPlace& place, int code, GuessLedger& ledger);
    ~NetworkDoor();
    NetworkDoor(const NetworkDoor&) = delete;
    NetworkDoor& operator=(const NetworkDoor&) = delete;

    // A connection came in from `address`, as the network library writes it: it waits for its
    // hello or, its places being full, is turned away at once.
    void Arrive(std::unique_ptr<platform::Connection> connection, std::string_view address);
    // The host's player stops hosting, or leaves the bout once begun.
    void Leave();

    // Each ending at the door (begun false) and the bout's own end (begun true).
    void SetOnEnd(OnNetworkEnd handler) { onEnd = std::move(handler); }
    // The bout began, or the next after it.
    void SetOnBegin(std::function<void()> handler) { onBegin = std::move(handler); }
    // The host's player asks for another bout once this one is over, or agrees to it.
    void Offer() {
        if (bout) bout->host->Offer();
    }
    // A watcher came in (true) or went (false, with why).
    void SetOnWatcher(std::function<void(bool came, net::Ending why)> handler) {
        onWatcher = std::move(handler);
    }

    bool Begun() const { return bout != nullptr; }
    // The host's end of the bout, once begun.
    NetworkFencing* Fencing() const { return bout ? bout->host->Fencing() : nullptr; }
    std::size_t Watchers() const;
    std::size_t Knocking() const;
    // The bout's link and connection, once begun.
    const NetworkLink* Link() const { return bout ? &bout->host->Link() : nullptr; }
    platform::Connection* Connection() const { return bout ? bout->connection.get() : nullptr; }

private:
    struct Visitor {
        std::unique_ptr<platform::Connection> connection;
        std::unique_ptr<NetworkHost> host;
        std::string key; // its address, as guesses are counted
        std::int64_t came;
        bool joined = false;
        bool ended = false;
        bool waitsToWatch = false;
    };
    void Join(Visitor& visitor, bool watch);
    void Begin(Visitor& winner);
    void Tell(NetworkFencing& fencing);
    void Ended(Visitor& visitor, net::Ending why, bool begun);
    void Sweep();
    // Those knocking, from `key` or, without one, from anywhere.
    std::size_t KnockingFrom(const std::string* key) const;
    // The longest knocking (from `key`, if any) goes if past its time.
    void MakeRoom(const std::string* key, std::int64_t now);

    NetworkPlace place;
    int code;
    GuessLedger& ledger;
    // Held by pointer: a visitor's handlers refer to it while the list grows.
    std::vector<std::unique_ptr<Visitor>> visitors;
    Visitor* bout = nullptr;
    OnNetworkEnd onEnd;
    std::function<void()> onBegin;
    std::function<void(bool, net::Ending)> onWatcher;
};

} // namespace pistework::game
