// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/NetworkLink.h"

namespace pistework::game {

using net::Ending;

NetworkLink::NetworkLink(net::Role role, platform::Connection& connection,
                         platform::TimerSource& timers, const platform::Clock& clock)
    : connection(connection), clock(clock), timer(timers.MakeTimer("TimerNetwork", kCheckMs)),
      reader(role) {
    timer->SetOnTimer([this] { Check(); });
    timer->SetEnabled(true);
    connection.SetOnReceived([this](std::span<const std::uint8_t> bytes) { Received(bytes); });
    connection.SetOnLost([this] { End(Ending::Lost); });
}

NetworkLink::~NetworkLink() {
    connection.SetOnReceived(nullptr);
    connection.SetOnLost(nullptr);
}

void NetworkLink::Send(const net::Message& message) {
    if (ended) return;
    const std::vector<std::uint8_t> frame = writer.Frame(message);
    sent += frame.size();
    quiet = 0;
    connection.Send(frame);
}

void NetworkLink::End(Ending why) {
    if (ended) return;
    ended = true;
    timer->SetEnabled(false);
    connection.Close();
    if (onEnd) onEnd(why);
}

void NetworkLink::Received(std::span<const std::uint8_t> bytes) {
    if (ended) return;
    received += bytes.size();
    const std::int64_t now = clock.NowMilliseconds();
    // Only whole frames count as being heard: a trickle of bytes is silence.
    const std::optional<Ending> fault = reader.Feed(bytes, now, [this](const net::Message& m) {
        unheard = 0;
        if (!ended && onMessage) onMessage(m);
    });
    if (fault) End(*fault);
}

// Counted in checks, not read from the clock, which is the wall clock and may jump.
void NetworkLink::Check() {
    if (++unheard > net::kSilenceMs / kCheckMs) return End(Ending::Silent);
    // A host says nothing before its welcome, which must be the first frame the guest reads,
    // however long the hello took to come.
    if (sent > 0 && ++quiet >= net::kHeartbeatMs / kCheckMs) Send(net::Heartbeat{});
}

} // namespace pistework::game
