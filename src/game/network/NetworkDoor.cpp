// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/NetworkDoor.h"

#include <algorithm>

namespace pistework::game {

using net::Ending;

NetworkDoor::NetworkDoor(const NetworkPlace& place, int code, GuessLedger& ledger)
    : place(place), code(code), ledger(ledger) {}

NetworkDoor::~NetworkDoor() = default;

std::size_t NetworkDoor::KnockingFrom(const std::string* key) const {
    return static_cast<std::size_t>(std::count_if(visitors.begin(), visitors.end(), [&](auto& k) {
        return !k->ended && !k->joined && (!key || k->key == *key);
    }));
}

std::size_t NetworkDoor::Knocking() const {
    return KnockingFrom(nullptr);
}

void NetworkDoor::MakeRoom(const std::string* key, std::int64_t now) {
    // The clock may step; that only frees a place sooner or later.
    Visitor* oldest = nullptr;
    for (const auto& k : visitors)
        if (!k->ended && !k->joined && (!key || k->key == *key) &&
            (!oldest || k->came < oldest->came))
            oldest = k.get();
    if (oldest && now - oldest->came >= kHelloMs) oldest->host->TurnAway();
    Sweep();
}

void NetworkDoor::Arrive(std::unique_ptr<platform::Connection> connection,
                         std::string_view address) {
    Sweep();
    const std::int64_t now = place.clock.NowMilliseconds();
    std::string key = GuessKey(address);
    std::string from(address);
    // Room is made first among the newcomer's own address, then anywhere.
    if (KnockingFrom(&key) >= kMostKnockingFromOneAddress) MakeRoom(&key, now);
    if (Knocking() >= kMostKnocking) MakeRoom(nullptr, now);
    if (KnockingFrom(&key) >= kMostKnockingFromOneAddress || Knocking() >= kMostKnocking) {
        net::FrameWriter refusal;
        connection->Send(refusal.Frame(net::Refuse{net::Refusal::Busy}));
        connection->Close();
        return;
    }
    auto visitor = std::make_unique<Visitor>();
    Visitor& k = *visitor;
    k.connection = std::move(connection);
    k.key = std::move(key);
    k.came = now;
    k.host = std::make_unique<NetworkHost>(
        place, *k.connection,
        [this, &k](int given) {
            return ledger.Judge(k.key, given, code, place.clock.NowMilliseconds());
        },
        std::move(from));
    k.host->SetOnJoin([this, &k](bool watch) { Join(k, watch); });
    k.host->SetOnEnd([this, &k](Ending why, bool begun) { Ended(k, why, begun); });
    visitors.push_back(std::move(visitor));
}

void NetworkDoor::Join(Visitor& visitor, bool watch) {
    visitor.joined = true;
    if (!watch && bout) return visitor.host->TurnAway();
    if (!watch) return Begin(visitor);
    if (Watchers() >= kMostWatchers) return visitor.host->TurnAway();
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
    Tell(fencing);
    // Watchers see the bout before close, then the next.
    winner.host->SetOnAgain([this](std::int64_t horizon, std::int64_t start) {
        for (const auto& k : visitors)
            if (!k->ended) {
                k->host->ForwardTime(horizon);
                k->host->ForwardAgain(start);
            }
        Tell(*bout->host->Fencing());
        if (onBegin) onBegin();
    });
    for (const auto& k : visitors)
        if (!k->ended && k->waitsToWatch) {
            k->waitsToWatch = false;
            k->host->Show(fencing.Bout().Setup(), {});
        }
    if (onBegin) onBegin();
}

// Watchers learn each input as the host's game takes it, and the time up to which they have
// them all.
void NetworkDoor::Tell(NetworkFencing& fencing) {
    fencing.SetOnInput([this](const StampedInput& input) {
        for (const auto& k : visitors)
            if (!k->ended) k->host->Forward(input);
    });
    fencing.SetOnHorizon([this](std::int64_t horizon) {
        for (const auto& k : visitors)
            if (!k->ended) k->host->ForwardTime(horizon);
    });
}

void NetworkDoor::Ended(Visitor& visitor, Ending why, bool begun) {
    visitor.ended = true;
    if (visitor.host->Watching() || visitor.waitsToWatch) {
        if (onWatcher) onWatcher(false, why);
        return;
    }
    if (onEnd) onEnd(why, begun);
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
