// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/NetworkDoor.h"

#include <algorithm>

namespace pistework::game {

using net::Ending;

NetworkDoor::NetworkDoor(Game& game, platform::TimerSource& timers, const platform::Clock& clock,
                         int code)
    : game(game), timers(timers), clock(clock), code(code) {}

NetworkDoor::~NetworkDoor() = default;

std::size_t NetworkDoor::Waiting() const {
    return static_cast<std::size_t>(
        std::count_if(visitors.begin(), visitors.end(),
                      [this](auto& k) { return !k->ended && k.get() != bout; }));
}

void NetworkDoor::Arrive(std::unique_ptr<platform::Connection> connection) {
    Sweep();
    const std::int64_t now = clock.NowMilliseconds();
    if (!shut && !bout && Waiting() >= kMostWaiting) {
        // The door is full: the one that has waited longest without a word, if past its time,
        // makes room. The clock may step; that only frees a place sooner or later.
        Visitor* oldest = nullptr;
        for (const auto& k : visitors)
            if (!k->ended && (!oldest || k->came < oldest->came)) oldest = k.get();
        if (oldest && now - oldest->came >= kHelloMs) oldest->host->TurnAway();
        Sweep();
    }
    if (shut || bout || Waiting() >= kMostWaiting) {
        net::FrameWriter refusal;
        connection->Send(refusal.Frame(net::Refuse{net::Refusal::Busy}));
        connection->Close();
        return;
    }
    auto visitor = std::make_unique<Visitor>();
    Visitor& k = *visitor;
    k.connection = std::move(connection);
    k.came = now;
    k.host = std::make_unique<NetworkHost>(game, *k.connection, timers, clock, code);
    k.host->SetOnBegin([this, &k] { Begin(k); });
    k.host->SetOnEnd([this, &k](Ending why, bool begun) { Ended(k, why, begun); });
    k.host->SetOnCommand([this](FencerCommand command) {
        if (onCommand) onCommand(command);
    });
    visitors.push_back(std::move(visitor));
}

void NetworkDoor::Begin(Visitor& winner) {
    bout = &winner;
    for (const auto& k : visitors)
        if (!k->ended && k.get() != bout) k->host->TurnAway();
    if (onBegin) onBegin();
}

void NetworkDoor::Ended(Visitor& visitor, Ending why, bool begun) {
    visitor.ended = true;
    if (onEnd) onEnd(why, begun);
    if (begun || why != Ending::WrongCode || shut || ++wrongCodes < kMostWrongCodes) return;
    shut = true;
    for (const auto& k : visitors)
        if (!k->ended) k->host->Leave();
    if (onShut) onShut();
}

// Only from outside a visitor's own handlers: the ended ones go, but the bout's stays to the end.
void NetworkDoor::Sweep() {
    std::erase_if(visitors, [this](const auto& k) { return k->ended && k.get() != bout; });
}

void NetworkDoor::Leave() {
    for (const auto& k : visitors)
        if (!k->ended) k->host->Leave();
}

void NetworkDoor::SendView(const BoutView& view) {
    if (bout) bout->host->SendView(view);
}

void NetworkDoor::SendEvent(const BoutEvent& event) {
    if (bout) bout->host->SendEvent(event);
}

} // namespace pistework::game
