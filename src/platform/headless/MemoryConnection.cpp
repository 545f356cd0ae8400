// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/MemoryConnection.h"

#include <algorithm>

namespace pistework::platform::headless {

MemoryConnection::MemoryConnection(Scheduler& scheduler, int delayMs)
    : scheduler(scheduler), delay(delayMs),
      timer(std::make_unique<VirtualTimer>(scheduler, "TimerWire", 1, false)) {
    timer->SetOnTimer([this] { Deliver(); });
}

void MemoryConnection::Send(std::span<const std::uint8_t> bytes) {
    if (closed || muted || !peer || bytes.empty()) return;
    sent += bytes.size();
    peer->Arrive({scheduler.Now() + delay, {bytes.begin(), bytes.end()}});
}

void MemoryConnection::Arrive(Chunk chunk) {
    // A stream keeps its order however the delay varies.
    if (!inbox.empty()) chunk.due = std::max(chunk.due, inbox.back().due);
    inbox.push_back(std::move(chunk));
    Wake();
}

// The timer falls due with the first chunk, not before.
void MemoryConnection::Wake() {
    if (inbox.empty()) return timer->SetEnabled(false);
    timer->SetInterval(
        static_cast<int>(std::max<std::int64_t>(1, inbox.front().due - scheduler.Now())));
    timer->SetEnabled(true);
}

void MemoryConnection::Close() {
    if (closed) return;
    closed = true;
    if (peer && !muted) peer->Arrive({scheduler.Now() + delay, {}});
}

void MemoryConnection::Break() {
    for (MemoryConnection* end : {this, peer}) {
        if (!end) continue;
        end->inbox.clear();
        end->muted = true;
        end->Arrive({scheduler.Now() + delay, {}});
    }
}

void MemoryConnection::Deliver() {
    while (!inbox.empty() && inbox.front().due <= scheduler.Now()) {
        const Chunk chunk = std::move(inbox.front());
        inbox.pop_front();
        if (closed) continue;
        if (chunk.bytes.empty()) {
            closed = true;
            if (onLost) onLost();
        } else if (onReceived) {
            onReceived(chunk.bytes);
        }
    }
    Wake();
}

} // namespace pistework::platform::headless
