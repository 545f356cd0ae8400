// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two ends of a connection in memory, in virtual time: what one end sends reaches the other
// after a set delay, in order, and a close reaches it after what was sent before. A test can
// also break the connection, as a network would, or stop it carrying anything.

#include "platform/Platform.h"
#include "platform/headless/Scheduler.h"

#include <deque>
#include <memory>
#include <vector>

namespace pistework::platform::headless {

class MemoryConnection : public Connection {
public:
    MemoryConnection(Scheduler& scheduler, int delayMs);
    // The other end, left behind, sends into nothing.
    ~MemoryConnection() override {
        if (peer) peer->peer = nullptr;
    }
    // Joins two ends; each must outlive the other's use of it.
    static void Join(MemoryConnection& a, MemoryConnection& b) {
        a.joined = b.joined = true;
        a.peer = &b;
        b.peer = &a;
    }

    void Send(std::span<const std::uint8_t> bytes) override;
    void Close() override;
    void SetOnReceived(std::function<void(std::span<const std::uint8_t>)> handler) override {
        onReceived = std::move(handler);
    }
    void SetOnLost(std::function<void()> handler) override { onLost = std::move(handler); }

    // The network breaks: each end learns it after the delay, and nothing more arrives.
    void Break();
    // What this end sends from now on takes `delayMs`, behind anything sent before it.
    void SetDelay(int delayMs) { delay = delayMs; }
    // From now on nothing this end sends arrives, and the connection stays open.
    void Mute() { muted = true; }
    bool Closed() const { return closed; }
    // The other end was destroyed.
    bool PeerGone() const { return joined && !peer; }
    std::uint64_t BytesSent() const { return sent; }

private:
    struct Chunk {
        std::int64_t due;
        std::vector<std::uint8_t> bytes; // empty: the end of the connection
    };
    void Arrive(Chunk chunk);
    void Wake();
    void Deliver();

    Scheduler& scheduler;
    int delay;
    std::unique_ptr<VirtualTimer> timer;
    MemoryConnection* peer = nullptr;
    bool joined = false;
    std::deque<Chunk> inbox; // what reaches this end, when
    std::function<void(std::span<const std::uint8_t>)> onReceived;
    std::function<void()> onLost;
    std::uint64_t sent = 0;
    bool closed = false, muted = false;
};

} // namespace pistework::platform::headless
