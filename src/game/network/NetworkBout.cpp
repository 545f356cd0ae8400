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

// A player whose opponent leaves once the bout is over was not left in the middle of it.
Ending AsPlayerHears(Ending why, const NetworkFencing* fencing) {
    return why == Ending::PeerLeft && fencing && fencing->Bout().OverAt()
               ? Ending::PeerLeftAfterBout
               : why;
}

// A watcher has no opponent: the one it hears from is the host.
Ending AsWatcherHears(Ending why, const ShownBout* shown) {
    switch (why) {
    case Ending::PeerLeft:
        return shown && shown->Over() ? Ending::BoutOver : Ending::HostLeft;
    case Ending::Lost:
    case Ending::Silent:
        return Ending::HostLost;
    default:
        return why;
    }
}

// The next bout begins as the host says, by its clock as this machine reads it: no earlier
// than the window allows nor than the bout before, and not in the future.
bool StartsAgainWithin(std::int64_t start, std::int64_t hostNow, std::int64_t earliest,
                       std::int64_t back, std::int64_t ahead) {
    return start >= earliest && start >= hostNow - back && start <= hostNow + ahead;
}

} // namespace

NetworkHost::NetworkHost(const NetworkPlace& place, platform::Connection& connection, Judge judge,
                         std::string address)
    : place(place), link(net::Role::Host, connection, place.timers, place.clock),
      judge(std::move(judge)), address(std::move(address)) {
    link.SetOnMessage([this](const net::Message& message) { Receive(message); });
    link.SetOnEnd([this](Ending why) {
        why = AsPlayerHears(why, fencing.get());
        if (fencing) fencing->End(why);
        if (onEnd) onEnd(why, fencing != nullptr);
    });
}

void NetworkHost::Receive(const net::Message& message) {
    if (fencing) {
        if (std::holds_alternative<net::Bye>(message)) return link.End(Ending::PeerLeft);
        const auto* again = std::get_if<net::Again>(&message);
        if (following) {
            // Until then the guest speaks of the bout before, which is kept and done with.
            if (again && again->start != *following) return link.End(Ending::OutOfOrder);
            if (again) following.reset();
            return;
        }
        if (again) return link.End(Ending::OutOfOrder);
        fencing->Receive(message);
        // The bout is over for good once the guest's time has passed its end: its time, ten
        // times a second, is what settles it.
        if (!link.Ended() && fencing->Rematch() == Asked{true, true} && fencing->Shown().Kept())
            BeginAgain();
        return;
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
                                               place.clock, place.sound, 0, address);
}

void NetworkHost::Offer() {
    if (!fencing) return;
    fencing->Offer();
    if (!link.Ended() && fencing->Rematch() == Asked{true, true} && fencing->Shown().Kept())
        BeginAgain();
}

void NetworkHost::BeginAgain() {
    const std::int64_t now = place.clock.NowMilliseconds(), horizon = fencing->Horizon();
    SharedSetup setup = fencing->Bout().Setup();
    setup.start = now;
    link.Send(net::Again{now});
    following = now;
    fencing->Close();
    // The new bout holds the game before the old lets it go, so it never shows between.
    std::unique_ptr<NetworkFencing> before =
        std::exchange(fencing, std::make_unique<NetworkFencing>(place.game, setup, Side::Right,
                                                                link, place.timers, place.clock,
                                                                place.sound, 0, address));
    before.reset();
    if (onAgain) onAgain(horizon, now);
}

void NetworkHost::ForwardAgain(std::int64_t start) {
    if (watching) link.Send(net::Again{start});
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

NetworkGuest::NetworkGuest(const NetworkPlace& place, platform::Connection& connection, int code,
                           std::string address)
    : place(place), link(net::Role::Guest, connection, place.timers, place.clock), code(code),
      address(std::move(address)) {
    link.SetOnMessage([this](const net::Message& message) { Receive(message); });
    link.SetOnEnd([this](Ending why) {
        why = AsPlayerHears(why, fencing.get());
        if (fencing) fencing->End(why);
        if (onEnd) onEnd(why, fencing != nullptr);
    });
}

void NetworkGuest::Knock() {
    link.Knock(code, false, place.clock.NowMilliseconds());
}

void NetworkGuest::Receive(const net::Message& message) {
    if (std::holds_alternative<net::Bye>(message)) return link.End(Ending::PeerLeft);
    if (const auto* again = std::get_if<net::Again>(&message); again && fencing) {
        // Only once this player asked, and the bout it asked after is over.
        const SharedSetup& was = fencing->Bout().Setup();
        const std::int64_t offset = fencing->Offset();
        const std::optional<std::int64_t> over = fencing->Bout().OverAt();
        constexpr std::int64_t kWindow = NetworkFencing::kWindowMs;
        if (!fencing->Rematch().ours || !over ||
            !StartsAgainWithin(again->start, place.clock.NowMilliseconds() + offset,
                               was.start + *over, kWindow, kWindow))
            return link.End(Ending::OutOfOrder);
        SharedSetup setup = was;
        setup.start = again->start;
        fencing->Close();
        link.Send(net::Again{again->start});
        std::unique_ptr<NetworkFencing> before =
            std::exchange(fencing, std::make_unique<NetworkFencing>(place.game, setup, Side::Left,
                                                                    link, place.timers, place.clock,
                                                                    place.sound, offset, address));
        before.reset();
        if (onBegin) onBegin();
        return;
    }
    if (fencing) return fencing->Receive(message);
    if (const auto* welcome = std::get_if<net::Welcome>(&message)) {
        if (link.RefuseOtherVersion(*welcome)) return;
        // A guest's bout begins as the host answers.
        if (!StartsWithin(*welcome, NetworkFencing::kWindowMs)) return link.End(Ending::Malformed);
        fencing = std::make_unique<NetworkFencing>(
            place.game, SetupOf(*welcome), Side::Left, link, place.timers, place.clock, place.sound,
            OffsetOf(*welcome, place.clock.NowMilliseconds()), address);
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
                               int code, std::string address)
    : place(place), link(net::Role::Watcher, connection, place.timers, place.clock), code(code),
      address(std::move(address)) {
    link.SetOnMessage([this](const net::Message& message) { Receive(message); });
    link.SetOnEnd([this](Ending why) {
        why = AsWatcherHears(why, shown.get());
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
        ShowBout(SetupOf(*welcome));
    } else if (const auto* again = std::get_if<net::Again>(&message); again && shown) {
        // The host closes a bout with the time past its end before it begins the next.
        const std::int64_t was = shown->Bout().Setup().start;
        if (!shown->Kept() || !StartsAgainWithin(again->start, BoutNow() + was, was + horizon,
                                                 SharedBout::kLongestMs, kAheadMs))
            return link.End(Ending::OutOfOrder);
        SharedSetup setup = shown->Bout().Setup();
        setup.start = again->start;
        horizon = 0;
        ShowBout(setup);
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

void NetworkWatcher::ShowBout(const SharedSetup& setup) {
    if (shown) shown->Close();
    std::unique_ptr<ShownBout> before = std::exchange(
        shown, std::make_unique<ShownBout>(place.game, setup, place.sound, place.clock,
                                           Whose(BoutKind::Watched, address)));
    before.reset();
    if (onBegin) onBegin();
}

void NetworkWatcher::Leave() {
    link.Leave();
}

} // namespace pistework::game
