// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/network/NetworkBout.h"

namespace pistework::game {

using net::Ending;

namespace {

Ending EndingOf(net::Refusal why) {
    switch (why) {
    case net::Refusal::WrongCode:
        return Ending::WrongCode;
    case net::Refusal::WrongVersion:
        return Ending::WrongVersion;
    case net::Refusal::Wait:
        return Ending::TooManyTries;
    case net::Refusal::Busy:
        break;
    }
    return Ending::Busy;
}

// A welcome's options and start, as both games fence from them.
SharedSetup SetupOf(const net::Welcome& welcome) {
    return {.target = welcome.target, .timed = welcome.timed, .start = welcome.start};
}

// Half the round trip of the join and its welcome is the host's clock's lead on the way here:
// both games then agree on the bout's time within the asymmetry of the way.
std::int64_t OffsetOf(const net::Welcome& welcome, std::int64_t now) {
    const std::int64_t trip = std::max<std::int64_t>(0, now - welcome.echo);
    return welcome.hostNow + trip / 2 - now;
}

// A bout begun no later than the host says it answered, and no longer ago than `most`: a
// host's word about the past is what this machine will fence through at once.
bool StartsWithin(const net::Welcome& welcome, std::int64_t most) {
    return welcome.start <= welcome.hostNow && welcome.hostNow - welcome.start <= most;
}

} // namespace

NetworkHost::NetworkHost(const NetworkPlace& place, platform::Connection& connection, Judge judge)
    : place(place), link(net::Role::Host, connection, place.timers, place.clock),
      judge(std::move(judge)) {
    link.SetOnMessage([this](const net::Message& message) { Receive(message); });
    link.SetOnEnd([this](Ending why) {
        if (fencing) fencing->End(why);
        if (onEnd) onEnd(why, fencing != nullptr);
    });
}

void NetworkHost::Receive(const net::Message& message) {
    if (fencing) {
        if (std::holds_alternative<net::Bye>(message)) return link.End(Ending::PeerLeft);
        return fencing->Receive(message);
    }
    if (const auto* hello = std::get_if<net::Hello>(&message)) {
        // Turned away plainly: the guest is told why, and the host's game never notices.
        if (hello->version != net::kVersion) {
            link.Send(net::Refuse{net::Refusal::WrongVersion});
            return link.End(Ending::WrongVersion);
        }
        if (const std::optional<net::Refusal> refused = judge(hello->code)) {
            link.Send(net::Refuse{*refused});
            return link.End(EndingOf(*refused));
        }
        greeted = true;
    } else if (const auto* join = std::get_if<net::Join>(&message); join && greeted && !joined) {
        joined = true;
        sentAt = join->sentAt;
        // A watcher may wait for the bout longer than a silent link lives.
        if (join->watch) link.Send(net::Heartbeat{});
        if (onJoin) onJoin(join->watch);
    } else if (std::holds_alternative<net::Bye>(message)) {
        link.End(Ending::PeerLeft);
    } else if (std::holds_alternative<net::Pong>(message) ||
               std::holds_alternative<net::Heartbeat>(message)) {
        // A watcher's answers need none.
    } else {
        link.End(Ending::OutOfOrder);
    }
}

void NetworkHost::Begin() {
    const BoutOptions& options = place.game.Options();
    const std::int64_t now = place.clock.NowMilliseconds();
    const SharedSetup setup{.target = options.maxHits, .timed = options.timed, .start = now};
    link.Send(net::Welcome{net::kVersion, setup.target, setup.timed, now, now, sentAt});
    fencing = std::make_unique<NetworkFencing>(place.game, setup, Side::Right, link, place.timers,
                                               place.clock, place.sound, 0);
}

void NetworkHost::Show(const SharedSetup& setup, std::span<const StampedInput> inputs) {
    watching = true;
    const std::int64_t now = place.clock.NowMilliseconds();
    link.Send(net::Welcome{net::kVersion, setup.target, setup.timed, setup.start, now, sentAt});
    for (const StampedInput& input : inputs)
        Forward(input);
}

void NetworkHost::Forward(const StampedInput& input) {
    if (watching) link.Send(net::Stamped{input});
}

void NetworkHost::ForwardTime(std::int64_t horizon) {
    if (watching) link.Send(net::Time{horizon});
}

void NetworkHost::TurnAway() {
    link.Send(net::Refuse{net::Refusal::Busy});
    link.End(Ending::Busy);
}

void NetworkHost::Leave() {
    link.Leave();
}

NetworkGuest::NetworkGuest(const NetworkPlace& place, platform::Connection& connection, int code)
    : place(place), link(net::Role::Guest, connection, place.timers, place.clock), code(code) {
    link.SetOnMessage([this](const net::Message& message) { Receive(message); });
    link.SetOnEnd([this](Ending why) {
        if (fencing) fencing->End(why);
        if (onEnd) onEnd(why, fencing != nullptr);
    });
}

void NetworkGuest::Knock() {
    link.Knock(code, false, place.clock.NowMilliseconds());
}

void NetworkGuest::Receive(const net::Message& message) {
    if (std::holds_alternative<net::Bye>(message)) return link.End(Ending::PeerLeft);
    if (fencing) return fencing->Receive(message);
    if (const auto* welcome = std::get_if<net::Welcome>(&message)) {
        if (link.RefuseOtherVersion(*welcome)) return;
        // A guest's bout begins as the host answers.
        if (!StartsWithin(*welcome, NetworkFencing::kWindowMs)) return link.End(Ending::Malformed);
        fencing = std::make_unique<NetworkFencing>(
            place.game, SetupOf(*welcome), Side::Left, link, place.timers, place.clock, place.sound,
            OffsetOf(*welcome, place.clock.NowMilliseconds()));
        if (onBegin) onBegin();
    } else if (const auto* refused = std::get_if<net::Refuse>(&message)) {
        link.End(EndingOf(refused->why));
    } else {
        link.End(Ending::OutOfOrder);
    }
}

void NetworkGuest::Leave() {
    link.Leave();
}

NetworkWatcher::NetworkWatcher(const NetworkPlace& place, platform::Connection& connection,
                               int code)
    : place(place), link(net::Role::Watcher, connection, place.timers, place.clock), code(code) {
    link.SetOnMessage([this](const net::Message& message) { Receive(message); });
    link.SetOnEnd([this](Ending why) {
        if (shown) shown->End(why);
        if (onEnd) onEnd(why, shown != nullptr);
    });
}

void NetworkWatcher::Knock() {
    link.Knock(code, true, place.clock.NowMilliseconds());
}

std::int64_t NetworkWatcher::BoutNow() const {
    return place.clock.NowMilliseconds() + offset - shown->Bout().Setup().start;
}

void NetworkWatcher::Receive(const net::Message& message) {
    if (std::holds_alternative<net::Bye>(message)) return link.End(Ending::PeerLeft);
    if (std::holds_alternative<net::Heartbeat>(message)) return;
    if (const auto* welcome = std::get_if<net::Welcome>(&message); welcome && !shown) {
        if (link.RefuseOtherVersion(*welcome)) return;
        // A watcher may come late to a bout, never later than any bout lasts.
        if (!StartsWithin(*welcome, SharedBout::kLongestMs)) return link.End(Ending::Malformed);
        offset = OffsetOf(*welcome, place.clock.NowMilliseconds());
        shown = std::make_unique<ShownBout>(place.game, SetupOf(*welcome), place.sound);
        if (onBegin) onBegin();
    } else if (const auto* refused = std::get_if<net::Refuse>(&message); refused && !shown) {
        link.End(EndingOf(refused->why));
    } else if (const auto* stamped = std::get_if<net::Stamped>(&message); stamped && shown) {
        // The host sends every input before its horizon first: none may come from before it,
        // nor from further ahead than the host's time can be.
        if (stamped->input.ms < horizon || stamped->input.ms > BoutNow() + kAheadMs)
            return link.End(Ending::OutOfOrder);
        shown->Bout().Add(stamped->input);
    } else if (const auto* time = std::get_if<net::Time>(&message); time && shown) {
        if (time->ms < horizon || time->ms > BoutNow() + kAheadMs)
            return link.End(Ending::OutOfOrder);
        horizon = time->ms;
        shown->Show(horizon);
        shown->Settle(horizon);
    } else {
        link.End(Ending::OutOfOrder);
    }
}

void NetworkWatcher::Leave() {
    link.Leave();
}

} // namespace pistework::game
