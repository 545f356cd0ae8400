// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/NetworkDoor.h"

#include <algorithm>

namespace pistework::game {

using net::Ending;

NetworkDoor::NetworkDoor(const NetworkPlace& place, int code) : place(place), code(code) {}

NetworkDoor::~NetworkDoor() = default;

std::size_t NetworkDoor::Waiting() const {
    return static_cast<std::size_t>(
        std::count_if(visitors.begin(), visitors.end(),
                      [this](auto& k) { return !k->ended && k.get() != bout; }));
}

void NetworkDoor::Arrive(std::unique_ptr<platform::Connection> connection) {
    Sweep();
    const std::int64_t now = place.clock.NowMilliseconds();
    if (!shut && Waiting() >= kMostWaiting) {
        // The door is full: the one that has waited longest without a word, if past its time,
        // makes room. The clock may step; that only frees a place sooner or later.
        Visitor* oldest = nullptr;
        for (const auto& k : visitors)
            if (!k->ended && k.get() != bout && !k->host->Watching() && !k->waitsToWatch &&
                (!oldest || k->came < oldest->came))
                oldest = k.get();
        if (oldest && now - oldest->came >= kHelloMs) oldest->host->TurnAway();
        Sweep();
    }
    if (shut || Waiting() >= kMostWaiting) {
        net::FrameWriter refusal;
        connection->Send(refusal.Frame(net::Refuse{net::Refusal::Busy}));
        connection->Close();
        return;
    }
    auto visitor = std::make_unique<Visitor>();
    Visitor& k = *visitor;
    k.connection = std::move(connection);
    k.came = now;
    k.host = std::make_unique<NetworkHost>(place, *k.connection, code);
    k.host->SetOnJoin([this, &k](bool watch) { Join(k, watch); });
    k.host->SetOnEnd([this, &k](Ending why, bool begun) { Ended(k, why, begun); });
    visitors.push_back(std::move(visitor));
}

void NetworkDoor::Join(Visitor& visitor, bool watch) {
    if (!watch && bout) return visitor.host->TurnAway();
    if (!watch) return Begin(visitor);
    if (!bout) {
        visitor.waitsToWatch = true;
    } else {
        const SharedBout& shared = bout->host->Fencing()->Bout();
        visitor.host->Show(shared.Setup(), shared.Inputs());
    }
    if (onWatcher) onWatcher(true, Ending::Left);
}

void NetworkDoor::Begin(Visitor& winner) {
    bout = &winner;
    winner.host->Begin();
    NetworkFencing& fencing = *winner.host->Fencing();
    // Watchers learn each input as the host's game takes it, and the time up to which they
    // have them all.
    fencing.SetOnInput([this](const StampedInput& input) {
        for (const auto& k : visitors)
            if (!k->ended) k->host->Forward(input);
    });
    fencing.SetOnHorizon([this](std::int64_t horizon) {
        for (const auto& k : visitors)
            if (!k->ended) k->host->ForwardTime(horizon);
    });
    for (const auto& k : visitors)
        if (!k->ended && k->waitsToWatch) {
            k->waitsToWatch = false;
            k->host->Show(fencing.Bout().Setup(), {});
        }
    if (onBegin) onBegin();
}

void NetworkDoor::Ended(Visitor& visitor, Ending why, bool begun) {
    visitor.ended = true;
    if (visitor.host->Watching() || visitor.waitsToWatch) {
        if (onWatcher) onWatcher(false, why);
        return;
    }
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

std::size_t NetworkDoor::Watchers() const {
    return static_cast<std::size_t>(std::count_if(visitors.begin(), visitors.end(), [](auto& k) {
        return !k->ended && (k->host->Watching() || k->waitsToWatch);
    }));
}

} // namespace pistework::game
